// The page's evaluation split over Web Workers as the page splits it (one module a worker, the
// shares merged by the module), timed by the wall clock with one worker and with two: every example,
// the same seeds and step limit, best of five each, the workers started and warmed up first.
// Usage: node bench/web_workers.mjs BUILD_WASM_DIR [RUNS]
import { readFileSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { Worker, isMainThread, parentPort, workerData } from 'node:worker_threads';
import { loadVemrik } from '../tests/web/load_module.mjs';

if (!isMainThread) {
  const m = await loadVemrik(workerData.buildDir);
  parentPort.on('message', ({ text, job, part, parts }) => {
    const share = m.evaluateShare(text, job, part, parts, null);
    parentPort.postMessage(share, [share.buffer]);
  });
  parentPort.postMessage('ready');
} else {
  const [buildDir, runsArg] = process.argv.slice(2);
  const runs = Number(runsArg ?? 4000);
  const examples = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../examples');
  const m = await loadVemrik(buildDir);
  const started = (n) => Promise.all(Array.from({ length: n }, () => new Promise((resolve) => {
    const w = new Worker(new URL(import.meta.url), { workerData: { buildDir } });
    w.once('message', () => resolve(w));
  })));
  const evaluate = (workers, text, job) => Promise.all(workers.map((w, part) => new Promise((resolve) => {
    w.once('message', resolve);
    w.postMessage({ text, job, part, parts: workers.length });
  })));
  const pools = { 1: await started(1), 2: await started(2) };
  const names = readdirSync(examples).filter((f) => f.endsWith('.vemrik')).sort();
  const texts = names.map((name) => readFileSync(path.join(examples, name), 'utf8'));
  // V8 optimises a function at its next call: a first pass over every example warms both pools.
  const job = JSON.stringify({ seed: 1, runs, maxSteps: 5000 });
  for (const text of texts) for (const n of [1, 2]) await evaluate(pools[n], text, job);
  const total = { 1: 0, 2: 0 };
  for (const [k, name] of names.entries()) {
    const best = { 1: Infinity, 2: Infinity };
    const reports = {};
    for (let i = 0; i < 5; ++i) {
      for (const n of [1, 2]) {
        const t0 = performance.now();
        const shares = await evaluate(pools[n], texts[k], job);
        best[n] = Math.min(best[n], performance.now() - t0);
        reports[n] = JSON.parse(m.evaluationResult(job, shares)).summary.replace(/\n(Czas|Time): .*$/, '');
      }
    }
    if (reports[1] !== reports[2]) throw new Error(`${name}: the reports differ`);
    total[1] += best[1]; total[2] += best[2];
    console.log(`${name.padEnd(20)} one worker ${best[1].toFixed(0).padStart(5)} ms   two ${best[2].toFixed(0).padStart(5)} ms   ` +
      `${(best[1] / best[2]).toFixed(2)} ×`);
  }
  console.log(`${'all'.padEnd(20)} one worker ${total[1].toFixed(0).padStart(5)} ms   two ${total[2].toFixed(0).padStart(5)} ms   ` +
    `${(total[1] / total[2]).toFixed(2)} ×`);
  for (const w of [...pools[1], ...pools[2]]) w.terminate();
}

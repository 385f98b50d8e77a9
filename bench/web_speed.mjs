// The evaluation in the page's module against the desktop's vemrik-eval on one core, side by side
// in one run: every example, the same seeds and step limit, steps per second of the job's own
// clock ("Czas"), best of five for each. The desktop's program is held to one core by taskset.
// Usage: node bench/web_speed.mjs BUILD_WASM_DIR VEMRIK_EVAL [RUNS]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { loadVemrik } from '../tests/web/load_module.mjs';

const [buildDir, vemrikEval, runsArg] = process.argv.slice(2);
const runs = Number(runsArg ?? 500);
const examples = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../examples');
const m = await loadVemrik(buildDir);
const scratch = mkdtempSync(path.join(os.tmpdir(), 'vemrik-web-speed-'));
const seconds = (summary) => Number(summary.match(/(?:Czas|Time): ([0-9,.]+) s/)[1].replace(',', '.'));

let nativeSteps = 0, nativeTime = 0, pageTime = 0;
try {
  for (const name of readdirSync(examples).filter((f) => f.endsWith('.vemrik')).sort()) {
    const file = path.join(examples, name);
    const text = readFileSync(file, 'utf8');
    const csv = path.join(scratch, 'runs.csv');
    const nativeOnce = () => seconds(execFileSync('taskset',
      ['-c', '0', vemrikEval, file, '--runs', String(runs), '--seed', '1', '--csv', csv], { encoding: 'utf8' }));
    const pageOnce = () => seconds(JSON.parse(m.evaluate(text, 1, runs, 5000, 0, null)).summary);
    // In turn, best of five each: a busy machine slows both alike. The share of each pair taken
    // back to back shows how far the machine's load moved it.
    let native = Infinity, page = Infinity;
    const pairs = [];
    for (let i = 0; i < 5; ++i) {
      const n = nativeOnce(), p = pageOnce();
      native = Math.min(native, n);
      page = Math.min(page, p);
      pairs.push(100 * n / p);
    }
    pairs.sort((a, b) => a - b);
    const steps = readFileSync(csv, 'utf8').trim().split('\n').slice(1)
      .reduce((sum, row) => sum + Number(row.split(',')[3]), 0);
    nativeSteps += steps; nativeTime += native; pageTime += page;
    const rate = (t) => Math.round(steps / t).toLocaleString('en');
    console.log(`${name.padEnd(20)} ${String(steps).padStart(8)} steps   native ${rate(native).padStart(11)}/s   ` +
      `wasm ${rate(page).padStart(11)}/s   ${(100 * native / page).toFixed(0)} %   ` +
      `(pairs ${pairs[0].toFixed(0)} … ${pairs[4].toFixed(0)} %)`);
  }
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
console.log(`${'all'.padEnd(20)} ${String(nativeSteps).padStart(8)} steps   native ` +
  `${Math.round(nativeSteps / nativeTime).toLocaleString('en').padStart(11)}/s   wasm ` +
  `${Math.round(nativeSteps / pageTime).toLocaleString('en').padStart(11)}/s   ${(100 * nativeTime / pageTime).toFixed(0)} %`);

// A step with its redraw as the page makes it on "Symulacja": the run timer's tick, the refresh
// tick that draws, and the canvas copied out; after 20 to warm up, the median of 300 and the 99th
// percentile.
for (const name of ['oval.vemrik', 'zigzag.vemrik']) {
  const f = new m.WebForm();
  f.open(readFileSync(path.join(examples, name), 'utf8'));
  f.press('sim.start');
  f.press('sim.on');
  const times = [];
  for (let i = -20; i < 300; ++i) {
    const t0 = performance.now();
    f.runTick();
    f.press('form.zm');
    f.imageRGBA('sim.view');
    if (i >= 0) times.push(performance.now() - t0);
  }
  times.sort((a, b) => a - b);
  console.log(`${name.padEnd(20)} step + redraw + canvas: median ${times[150].toFixed(2)} ms, 99th percentile ${times[296].toFixed(2)} ms`);
  f.delete();
}

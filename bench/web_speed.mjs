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
const best = (f) => Math.min(...Array.from({ length: 5 }, f));

let nativeSteps = 0, nativeTime = 0, pageTime = 0;
try {
  for (const name of readdirSync(examples).filter((f) => f.endsWith('.vemrik')).sort()) {
    const file = path.join(examples, name);
    const text = readFileSync(file, 'utf8');
    const csv = path.join(scratch, 'runs.csv');
    const native = best(() => seconds(execFileSync('taskset',
      ['-c', '0', vemrikEval, file, '--runs', String(runs), '--seed', '1', '--csv', csv], { encoding: 'utf8' })));
    const steps = readFileSync(csv, 'utf8').trim().split('\n').slice(1)
      .reduce((sum, row) => sum + Number(row.split(',')[3]), 0);
    const page = best(() => seconds(JSON.parse(m.evaluate(text, 1, runs, 5000, 0, null)).summary));
    nativeSteps += steps; nativeTime += native; pageTime += page;
    const rate = (t) => Math.round(steps / t).toLocaleString('en');
    console.log(`${name.padEnd(20)} ${String(steps).padStart(8)} steps   native ${rate(native).padStart(11)}/s   ` +
      `wasm ${rate(page).padStart(11)}/s   ${(100 * native / page).toFixed(0)} %`);
  }
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
console.log(`${'all'.padEnd(20)} ${String(nativeSteps).padStart(8)} steps   native ` +
  `${Math.round(nativeSteps / nativeTime).toLocaleString('en').padStart(11)}/s   wasm ` +
  `${Math.round(nativeSteps / pageTime).toLocaleString('en').padStart(11)}/s   ${(100 * nativeTime / pageTime).toFixed(0)} %`);

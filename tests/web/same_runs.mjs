// Every example, seeds 1 to 500, in the page's module and in the desktop's vemrik-eval: the CSV of
// the runs must be the same byte for byte.
// Usage: node tests/web/same_runs.mjs BUILD_WASM_DIR VEMRIK_EVAL [RUNS]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { loadVemrik } from './load_module.mjs';

const [buildDir, vemrikEval, runsArg] = process.argv.slice(2);
const runs = Number(runsArg ?? 500);
const firstSeed = 1;
const maxSteps = 5000;
const examples = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../examples');
const m = await loadVemrik(buildDir);
const scratch = mkdtempSync(path.join(os.tmpdir(), 'vemrik-same-runs-'));
let failed = 0;
try {
  for (const name of readdirSync(examples).filter((f) => f.endsWith('.vemrik')).sort()) {
    const file = path.join(examples, name);
    const csv = path.join(scratch, `${name}.csv`);
    execFileSync(vemrikEval, [file, '--runs', String(runs), '--seed', String(firstSeed),
      '--max-steps', String(maxSteps), '--csv', csv], { stdio: 'ignore' });
    const desktop = readFileSync(csv, 'utf8');
    const page = m.evaluateCsv(readFileSync(file, 'utf8'), firstSeed, runs, maxSteps);
    if (page === desktop) {
      console.log(`${name}: ${runs} runs the same`);
      continue;
    }
    failed++;
    const pageLines = page.split('\n');
    const at = desktop.split('\n').findIndex((line, k) => line !== pageLines[k]);
    console.log(`${name}: differs first at line ${at + 1}\n  desktop: ${desktop.split('\n')[at]}\n  page:    ${pageLines[at]}`);
  }
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
process.exit(failed ? 1 : 0);

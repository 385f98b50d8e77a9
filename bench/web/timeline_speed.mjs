// "Przebieg w czasie" in the page's module: a run of the zigzag example (Start, then the run timer
// until it stops or reaches the step count), and its chart at a new view (other steps in every
// column), panned one column, and painted again from the kept sums (the cursor moved), each
// as the page takes it (a view of the module's memory, no copy); beside it the floor, the window's
// one: a plain fill of the 701 × 401 raster, in the module. Medians of 200 after 20 to warm up, in µs.
// Usage: node bench/web/timeline_speed.mjs BUILD_WASM_DIR [STEPS] [EXAMPLE]
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { loadVemrik } from '../../tests/web/load_module.mjs';

const [buildDir, stepsArg, example] = process.argv.slice(2);
const steps = Number(stepsArg ?? 20000);
const examples = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../examples');
const m = await loadVemrik(buildDir);
const f = new m.WebForm();
f.open(readFileSync(path.join(examples, `${example ?? 'zigzag'}.vemrik`), 'utf8'));
f.press('sim.start');
f.press('sim.on');
const t = new m.WebTimeline();
for (let i = 0; i < steps && f.runTick(); ++i) {}
t.follow(f);
t.setWidth(844);

function median(work) {
  const times = [];
  for (let i = -20; i < 200; ++i) {
    const t0 = performance.now();
    work(i);
    if (i >= 0) times.push(performance.now() - t0);
  }
  times.sort((a, b) => a - b);
  return 1000 * times[times.length >> 1];
}

const floor = median(() => m.floorFill());
const map = new Uint32Array(701 * 401);
const jsFill = median((i) => map.fill(i));
console.log(`run of ${t.steps()} steps, plot 844 columns; floor (fill of 701 × 401 in the module) ` +
            `${floor.toFixed(1)} µs, the same in JS ${jsFill.toFixed(1)} µs`);
for (const [name, zoom] of [['whole run', 0], ['37.3 steps a column', 37.3], ['4.5 steps a column', 4.5],
                            ['1 step a column', 1], ['8 columns a step', 0.125]]) {
  t.fitAll();
  if (zoom > 0) t.zoom(zoom / Math.max(t.steps() / 844, 1 / 64), 422);
  t.rgba();
  // A view of other steps in every column: a quarter of the run on and back, or for the whole run
  // zoomed in a hair and fitted again; and a drag, a column on and back.
  const quarter = Math.round(t.steps() / 4 / (zoom || 1));
  const redraw = median((i) => {
    if (zoom > 0) t.pan(i % 2 ? quarter : -quarter);
    else if (i % 2) t.zoom(0.999, 422);
    else t.fitAll();
    t.rgba();
  });
  const pan = median((i) => {
    t.pan(i % 2 ? 1 : -1);
    t.rgba();
  });
  const repaint = median(() => t.rgba());
  console.log(`${name.padEnd(22)} new view ${redraw.toFixed(1).padStart(7)} µs (${(redraw / floor).toFixed(2)} × floor)` +
              (zoom > 0 ? `   pan ${pan.toFixed(1).padStart(7)} µs (${(pan / floor).toFixed(2)} × floor)` : '') +
              `   repaint ${repaint.toFixed(1).padStart(7)} µs (${(repaint / floor).toFixed(2)} × floor)`);
}

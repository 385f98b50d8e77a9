// The page's module under node: the form driven as the page drives it.
// Usage: node --test tests/web/web_form_test.mjs  (VEMRIK_WASM_DIR: the wasm build, build/wasm)
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { before, test } from 'node:test';
import { loadVemrik } from './load_module.mjs';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const example = (name) => readFileSync(path.join(root, 'examples', name), 'utf8');
let m;
before(async () => {
  m = await loadVemrik(process.env.VEMRIK_WASM_DIR ?? path.join(root, 'build/wasm'));
});

const controls = (f) => JSON.parse(f.controls());

test('the layout names each control once and holds the five boards', () => {
  const layout = JSON.parse(m.layout());
  const names = layout.map((c) => c.name);
  assert.equal(new Set(names).size, names.length);
  assert.equal(layout.filter((c) => c.kind === 'Image').length, 5);
});

test('image sizes and pixels', () => {
  const f = new m.WebForm();
  const sizes = [1, 2, 3, 4, 5].map((n) => [f.imageWidth(n), f.imageHeight(n)]);
  assert.deepEqual(sizes, [[201, 201], [701, 401], [201, 201], [201, 201], [701, 401]]);
  const rgba = f.imageRGBA(5);
  assert.equal(rgba.length, 701 * 401 * 4);
  for (let i = 3; i < rgba.length; i += 4) if (rgba[i] !== 255) assert.fail(`alpha ${rgba[i]} at ${i}`);
  assert.throws(() => f.imageWidth(6), Error);
});

test('bad input throws a JS Error with the message and leaves the state as it was', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  const saved = f.save();
  const cases = [
    () => f.open('{"format": "vemrik-workspace", "version": 99}'),
    () => f.open('nie json'),
    () => f.open(''),
    () => f.call('Button99'),
    () => f.mouse(2, 'drag', 1, 1),
    () => f.check(8, true),
    () => f.setTrack(3, 0),
    () => f.page(4),
    () => f.importPicture(new Uint8Array(4), 2, 2),
    () => f.importPicture(new Uint8Array(702 * 4), 702, 1),
  ];
  for (const bad of cases) {
    assert.throws(bad, (e) => e instanceof Error && e.message.length > 0, bad.toString());
    assert.equal(f.save(), saved, bad.toString());
  }
  assert.throws(() => f.open('nie json'), (e) => /[ąćęłńóśźż]|JSON|błąd|Błąd/.test(e.message));
});

test('the refresh timer draws at once, then on every 15th tick counted from the first', () => {
  const f = new m.WebForm();
  const drew = [];
  for (let i = 0; i < 31; ++i) drew.push(f.tick());
  assert.deepEqual(drew.flatMap((d, i) => (d ? [i] : [])), [0, 14, 29]);
});

test('sensors, track bars and pages as the window sets them', () => {
  const f = new m.WebForm();
  f.page(2);
  f.check(0, true);
  f.check(7, true);
  f.setTrack(1, 45);
  f.setTrack(2, 1000);  // beyond the end: held at it
  const c = controls(f);
  assert.equal(c.page, 2);
  assert.deepEqual(c.checks, [true, false, false, false, false, false, false, true]);
  assert.equal(c.track1, 45);
  assert.equal(c.track2, 360);
  f.check(7, false);
  assert.equal(controls(f).checks[7], false);
});

test('on "Algorytm" the boxes show the sensed pattern, so "Dodaj" adds what they show', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  f.tick();  // the redraw that places the robot on the start cell
  f.call('Button15');
  for (let i = 0; i < 40; ++i) {  // on the line, sensed at each redraw
    f.call('BitBtn6');
    for (let k = 0; k < 15; ++k) f.tick();
  }
  f.page(2);
  for (let i = 0; i < 15; ++i) f.tick();
  const c = controls(f);
  const pattern = c.label2.split(' ').slice(0, 8).map((v) => v === '1');
  assert.ok(pattern.includes(true), c.label2);
  assert.deepEqual(c.checks, pattern);
});

test('a run: start, steps by the run timer, back a step', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  assert.equal(f.runTick(), false);  // the run timer is off
  assert.equal(controls(f).canStepBack, false);
  f.call('Button15');
  f.call('BitBtn7');
  assert.deepEqual(controls(f).runTimer, { enabled: true, interval: 200 });
  for (let i = 0; i < 5; ++i) assert.equal(f.runTick(), true);
  let c = controls(f);
  assert.equal(c.stepCount, 5);
  assert.equal(c.held, false);
  assert.equal(c.canStepBack, true);
  f.stepBack();
  c = controls(f);
  assert.equal(c.runTimer.enabled, false);
  assert.deepEqual(c.history, { steps: 5, shown: 4 });
  f.showStep(0);
  assert.equal(controls(f).canStepBack, false);
});

test('"Start" on a map without a start cell leaves the robot held and says why', () => {
  const f = new m.WebForm();
  f.call('Button15');
  const c = controls(f);
  assert.equal(c.held, true);
  assert.match(c.status, /Brak pola Start na mapie/);
});

test('the inspector and the rule check speak Polish', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  assert.match(f.inspect(), /^Czujniki z ostatniego pomiaru \(robot ma 4 z 8\):/);
  assert.match(f.inspect(), /\nOstatni krok: jeszcze żadnego od „Start”$/);
  assert.ok(f.ruleCheck().length > 0);
});

test('a picture of a dark line becomes the track', () => {
  const f = new m.WebForm();
  const [w, h] = [200, 100];
  const rgba = new Uint8Array(w * h * 4).fill(255);
  for (let x = 20; x < 180; ++x)
    for (let y = 45; y < 55; ++y) rgba.fill(0, (y * w + x) * 4, (y * w + x) * 4 + 3);
  const blank = f.save();
  // The map page shows the new track at its next redraw, not the layer kept from before.
  const dark = () => f.imageRGBA(2).filter((v, i) => i % 4 === 0 && v < 255).length;
  f.page(1);
  f.tick();
  const before = dark();
  f.importPicture(rgba, w, h);
  assert.notEqual(f.save(), blank);
  assert.equal(f.tick(), true);
  assert.ok(dark() > before + 100, `${dark()} dark pixels against ${before}`);
});

test('evaluation: seeds counted from the first, the CSV and the runs agree', () => {
  const text = example('oval.vemrik');
  const csv = m.evaluateCsv(text, 7, 3, 5000).split('\n');
  assert.deepEqual(csv.slice(1, 4).map((l) => l.split(',').slice(0, 2)), [['0', '7'], ['1', '8'], ['2', '9']]);
  const result = JSON.parse(m.evaluate(text, 7, 3, 5000, 0, null));
  assert.equal(result.cancelled, false);
  assert.deepEqual(result.runs.map((r) => [r.seed, r.outcome, String(r.steps)]),
    csv.slice(1, 4).map((l) => { const f = l.split(','); return [Number(f[1]), f[2], f[3]]; }));
  assert.match(result.summary, /\n/);
});

test('evaluation reports progress and stops when told', () => {
  const heard = [];
  const result = JSON.parse(m.evaluate(example('oval.vemrik'), 1, 10, 5000, 0, (done, total) => {
    heard.push([done, total]);
    return done === 2;
  }));
  assert.deepEqual(heard, [[1, 10], [2, 10]]);
  assert.equal(result.cancelled, true);
  assert.equal(result.runs.length, 2);
});

test('evaluation refuses what it cannot run', () => {
  const text = example('oval.vemrik');
  for (const seed of [-1, 1.5, 2 ** 32])
    assert.throws(() => m.evaluateCsv(text, seed, 1, 100), Error, String(seed));
  // The runs and the step limit the window's dialog and vemrik-eval take, and no others.
  for (const [runs, steps] of [[0, 100], [-5, 100], [1000001, 100], [1, 0], [1, 100000001]])
    assert.throws(() => m.evaluateCsv(text, 1, runs, steps), Error, `${runs} ${steps}`);
  assert.throws(() => m.evaluateCsv('{}', 1, 1, 100), Error);
});

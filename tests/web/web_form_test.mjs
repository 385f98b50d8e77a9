// The page's module under node: the form driven as the page drives it, by command and layout ids.
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

test('every control of the layout takes its events by its id', () => {
  const f = new m.WebForm();
  const layout = JSON.parse(m.layout());
  assert.equal(new Set(layout.map((c) => c.id)).size, layout.length);
  const sizes = layout.filter((c) => c.kind === 'Image').map((c) => [c.id, f.imageWidth(c.id), f.imageHeight(c.id)]);
  assert.deepEqual(sizes, [['robot.board', 201, 201], ['map.board', 701, 401], ['rules.sensors', 201, 201],
    ['rules.preview', 201, 201], ['sim.view', 701, 401]]);
  const rgba = f.imageRGBA('sim.view');
  assert.equal(rgba.length, 701 * 401 * 4);
  for (let i = 3; i < rgba.length; i += 4) if (rgba[i] !== 255) assert.fail(`alpha ${rgba[i]} at ${i}`);
  // Each button presses a handler of the form, or is a command the page runs.
  for (const c of layout.filter((c) => c.kind.endsWith('Button') && c.visible && !c.command)) f.press(c.id);
  assert.deepEqual(layout.filter((c) => c.command).map((c) => [c.id, c.command]),
    [['rules.check', 'run.ruleCheck'], ['sim.stepBack', 'run.stepBack']]);
});

test('bad input throws a JS Error with the message and leaves the state as it was', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  const saved = f.save();
  const cases = [
    () => f.open('{"format": "vemrik-workspace", "version": 99}'),
    () => f.open('nie json'),
    () => f.open(''),
    () => f.press('sim.nothing'),
    () => f.press('rules.check'),  // the page's dialog, not the form's
    () => f.command('file.open'),  // the page's, not the form's
    () => f.command('run.nothing'),
    () => f.mouse('map.board', 'drag', 1, 1),
    () => f.mouse('map.line', 'down', 1, 1),
    () => f.check('rules.angle', true),
    () => f.setTrack('rules.sensor1', 0),
    () => f.imageWidth('rules.list'),
    () => f.page(4),
    () => m.setLanguage('de'),
    () => f.importPicture(new Uint8Array(4), 2, 2),
    () => f.importPicture(new Uint8Array(702 * 4), 702, 1),
  ];
  for (const bad of cases) {
    assert.throws(bad, (e) => e instanceof Error && e.message.length > 0, bad.toString());
    assert.equal(f.save(), saved, bad.toString());
  }
  assert.throws(() => f.open('nie json'), (e) => /[ąćęłńóśźż]|JSON|błąd|Błąd/.test(e.message));
});

test('sensors, track bars and pages as the window sets them, read back by id', () => {
  const f = new m.WebForm();
  f.page(2);
  f.check('rules.sensor1', true);
  f.check('rules.sensor8', true);
  f.setTrack('rules.angle', 45);
  f.setTrack('sim.heading', 1000);  // beyond the end: held at it
  const { page, values } = controls(f);
  assert.equal(page, 2);
  assert.deepEqual([1, 2, 3, 4, 5, 6, 7, 8].map((k) => values[`rules.sensor${k}`]),
    [true, false, false, false, false, false, false, true]);
  assert.deepEqual([values['rules.angle'], values['rules.angleText'], values['sim.heading']], [45, '45', 360]);
});

test('a run by the commands: start, the run timer, pause, a step back, the speed and the trail', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  const commands = () => controls(f).commands;
  assert.equal(f.runTick(), false);  // the run timer is off
  f.press('sim.start');
  f.press('sim.on');
  f.command('run.speed2');
  assert.deepEqual(controls(f).runTimer, { enabled: true, interval: 100 });
  for (let i = 0; i < 5; ++i) assert.equal(f.runTick(), true);
  assert.equal(commands()['run.pause'].enabled, true);
  f.command('run.pause');
  assert.equal(controls(f).runTimer.enabled, false);
  assert.equal(commands()['run.stepBack'].enabled, true);
  f.press('sim.stepBack');
  assert.deepEqual(controls(f).history, { steps: 5, shown: 4 });
  f.showStep(0);
  assert.equal(commands()['run.stepBack'].enabled, false);
  for (const id of ['run.trail', 'run.repeatable']) {
    f.command(id);
    assert.equal(commands()[id].checked, true, id);
  }
  // The form runs exactly the commands the table says it runs.
  const table = JSON.parse(m.commands());
  assert.deepEqual(table.filter((c) => c.form).map((c) => c.id).sort(),
    ['run.pause', 'run.repeatable', 'run.speed1', 'run.speed2', 'run.speed4', 'run.stepBack', 'run.trail']);
});

test('the core speaks the language set: the status line, the inspector, the rule check', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  try {
    m.setLanguage('en');
    assert.match(controls(f).status, /^steps: 0 \|/);
    assert.match(f.inspect(), /^Sensors at the last reading \(the robot has 4 of 8\):/);
    assert.match(f.inspect(), /\nLast step: none yet since “Start”$/);
    const english = f.ruleCheck();
    m.setLanguage('pl');
    assert.match(f.inspect(), /^Czujniki z ostatniego pomiaru \(robot ma 4 z 8\):/);
    assert.notEqual(f.ruleCheck(), english);
  } finally {
    m.setLanguage('pl');
  }
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

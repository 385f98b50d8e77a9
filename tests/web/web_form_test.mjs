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
    () => f.open('nie json'),
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
    () => m.setSeed(f, '4294967296'),
    () => m.runCsv(f, 'xls'),
    () => m.pagePicture(f, 4),
    () => f.importPicture(new Uint8Array(4), 2, 2),
    () => f.importPicture(new Uint8Array(702 * 4), 702, 1),
  ];
  for (const bad of cases) {
    assert.throws(bad, (e) => e instanceof Error && e.message.length > 0, bad.toString());
    assert.equal(f.save(), saved, bad.toString());
  }
});

test('the form as the page drives it: pages, boxes, bars, the run timer, commands, the language', () => {
  const f = new m.WebForm();
  f.open(example('oval.vemrik'));
  f.keep('oval.vemrik');
  f.page(3);
  f.check('rules.sensor8', true);
  f.setTrack('rules.angle', 45);
  f.setTrack('sim.heading', 1000);  // beyond the end: held at it
  assert.equal(f.runTick(), false);  // the run timer is off
  f.press('sim.start');
  f.press('sim.on');
  f.command('run.speed2');
  for (let i = 0; i < 5; ++i) assert.equal(f.runTick(), true);
  f.command('run.pause');
  f.press('sim.stepBack');
  f.command('run.trail');
  const { page, values, runTimer, history, commands } = controls(f);
  assert.deepEqual([page, values['rules.sensor8'], values['rules.sensor7'], values['rules.angleText'], values['sim.heading']],
    [3, true, false, '45', 360]);
  assert.deepEqual([runTimer, history], [{ enabled: false, interval: 100 }, { steps: 5, shown: 4 }]);
  assert.deepEqual([commands['run.stepBack'].enabled, commands['run.trail'].checked], [true, true]);
  f.showStep(0);
  assert.equal(controls(f).commands['run.stepBack'].enabled, false);
  assert.deepEqual(JSON.parse(m.commands()).filter((c) => c.form).map((c) => c.id).sort(),
    ['edit.redo', 'edit.undo', 'file.undoImport', 'run.endLost', 'run.pause', 'run.repeatable', 'run.speed1',
      'run.speed2', 'run.speed4', 'run.stepBack', 'run.trail']);
  try {
    m.setLanguage('en');
    assert.match(controls(f).status, /^steps: 0 \|/);
    assert.equal(controls(f).document.title, 'oval.vemrik* - Vemrik - vemrik@example.org');
    assert.match(f.inspect(), /^Sensors at the last reading/);
    const english = f.ruleCheck();
    m.setLanguage('pl');
    assert.match(f.inspect(), /^Czujniki z ostatniego pomiaru/);
    assert.notEqual(f.ruleCheck(), english);
  } finally {
    m.setLanguage('pl');
  }
});

test('evaluation: seeds counted from the first, the CSV and the runs agree, progress, a stop and refusals', () => {
  const text = example('oval.vemrik');
  const csv = m.evaluateCsv(text, 7, 3, 5000).split('\n');
  assert.deepEqual(csv.slice(1, 4).map((l) => l.split(',').slice(0, 2)), [['0', '7'], ['1', '8'], ['2', '9']]);
  const result = JSON.parse(m.evaluate(text, 7, 3, 5000, 0, null));
  assert.equal(result.cancelled, false);
  assert.deepEqual(result.runs.map((r) => [r.seed, r.outcome, String(r.steps)]),
    csv.slice(1, 4).map((l) => { const f = l.split(','); return [Number(f[1]), f[2], f[3]]; }));
  const heard = [];
  const stopped = JSON.parse(m.evaluate(text, 1, 10, 5000, 0, (done, total) => {
    heard.push([done, total]);
    return done === 2;
  }));
  assert.deepEqual([heard, stopped.cancelled, stopped.runs.length], [[[1, 10], [2, 10]], true, 2]);
  // Seeds are whole 32-bit numbers; the runs and the step limit are those of vemrik-eval.
  for (const [seed, runs, steps] of [[-1, 1, 1], [1.5, 1, 1], [2 ** 32, 1, 1], [1, 0, 1], [1, 1000001, 1],
    [1, 1, 0], [1, 1, 100000001]])
    assert.throws(() => m.evaluateCsv(text, seed, runs, steps), Error, `${seed} ${runs} ${steps}`);
  assert.throws(() => m.evaluateCsv('{}', 1, 1, 100), Error);
});

test('evaluation in shares: one worker or three give the same report, failed runs and sweep', () => {
  const text = example('oval.vemrik');
  const noise = {flip: 0.4, shift: 10, turn: 20};
  for (const job of [{seed: 4294967290, runs: 10, maxSteps: 3000, noise}, {seed: 3, runs: 4, maxSteps: 3000, noise, sweep: true}]) {
    const asked = JSON.stringify(job);
    const merged = (parts) => {
      const shares = Array.from({length: parts}, (_, part) => m.evaluateShare(text, asked, part, parts, null));
      const result = JSON.parse(m.evaluationResult(asked, shares));
      return {...result, summary: result.summary.replace(/\nCzas: .*$/, '')};
    };
    const one = merged(1);
    assert.deepEqual(merged(3), one);
    assert.equal(one.sweep.length, job.sweep ? 5 : 0);
    assert.ok(job.sweep || one.failed.length > 0);
  }
  assert.throws(() => m.evaluateShare(text, JSON.stringify({seed: 1, runs: 2, maxSteps: 10, sweep: true}), 0, 1, null), /zakłóceń/);
  const heard = [];
  m.evaluateShare(text, JSON.stringify({seed: 1, runs: 1001, maxSteps: 10}), 0, 1, (done) => heard.push(done) && false);
  assert.deepEqual([heard.length, heard[0], heard.at(-1)], [201, 5, 1001]);
});

test('a race of three runs each robot as vemrik-eval runs it alone on the track, shown in the form', () => {
  const f = new m.WebForm();
  f.open(example('zigzag.vemrik'));
  const race = new m.WebRace();
  assert.equal(race.useTrack(f), '');
  const names = ['zigzag', 'oval', 'figure-eight'];
  assert.equal(race.add(names.map((name) => ({ name, text: example(`${name}.vemrik`) }))), '');
  assert.equal(race.start(), '');
  while (race.running()) race.tick();
  const rows = race.csv().split('\n');
  const view = JSON.parse(race.view());
  assert.deepEqual(view.entrants, [0, 1, 2]);  // at the stop by steps, the lost one last
  view.entrants.forEach((entrant, row) => {
    race.showRun(f, row);  // the entrant's work on the race track, as the form holds it
    const alone = m.evaluateCsv(f.save(), 5489, 1, 5000).split('\n')[1];
    assert.equal(rows[1 + entrant], `${names[entrant]},${alone}`);
  });
  race.delete();
  f.delete();
});

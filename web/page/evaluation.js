// The "Oceń algorytm" dialog: the settings and noise, a progress bar, "Anuluj", the report with
// its histogram or a sweep's chart, and the failed runs, one of which "Pokaż przebieg" shows.
import {pageLanguage, pick, word} from './language.js';
import {drawSweepChart} from './sweep-chart.js';
import {startWorker} from './worker-source.js';

const kSvg = 'http://www.w3.org/2000/svg';
// The plot within the 460 × 190 picture, as the window's histogram lays it out.
const kPlot = {left: 64, top: 24, right: 448, bottom: 140};

function svgElement(name, attributes, text) {
  const e = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
  if (text !== undefined) e.textContent = String(text);
  return e;
}

// Bars of the successful runs by steps to the finish, the count and step ranges, and the axes' names.
function drawHistogram(svg, {first, width, counts}) {
  svg.replaceChildren();
  // An SVG element has no `hidden` property, only the attribute.
  svg.toggleAttribute('hidden', counts.length === 0);
  if (counts.length === 0) return;
  const most = Math.max(...counts);
  const {left, top, right, bottom} = kPlot;
  const barWidth = (right - left) / counts.length;
  counts.forEach((count, i) => {
    const h = count === 0 ? 0 : Math.max(2, Math.round((bottom - top) * count / most));
    svg.append(svgElement('rect', {x: left + i * barWidth, y: bottom - h, width: Math.max(1, barWidth - 1),
                                   height: h, fill: '#3060c0'}));
  });
  const label = (x, y, text, anchor, extra = {}) =>
    svg.append(svgElement('text', {x, y, 'text-anchor': anchor, 'font-size': 12, ...extra}, text));
  svg.append(svgElement('line', {x1: left, y1: bottom, x2: right, y2: bottom, stroke: 'black'}));
  label(left - 4, top + 4, most, 'end');
  label(left - 4, bottom + 4, 0, 'end');
  label(left, bottom + 16, first, 'start');
  label(right, bottom + 16, first + width * counts.length - 1, 'end');
  label((left + right) / 2, bottom + 34, word('stepsToFinish'), 'middle', {class: 'axis-x'});
  label(0, 0, word('numberOfRuns'), 'middle',
        {class: 'axis-y', transform: `translate(14 ${(top + bottom) / 2}) rotate(-90)`});
}

// The fields and the settings of the module's evaluationSettings() they take.
const kFields = [['eval-seed', 'seed'], ['eval-runs', 'runs'], ['eval-steps', 'maxSteps']];
const kNoiseFields = [['eval-flip', 'flip'], ['eval-shift', 'shift'], ['eval-turn', 'turn']];

// One worker a core, each with a share of the runs; the core merges the shares.
export const workerCount = (runs) => Math.max(1, Math.min(runs, navigator.hardwareConcurrency || 1));

const byId = (id) => document.getElementById(id);

export class EvaluationDialog {
  // `work()` gives the workspace to judge: {text, name}. `limits` are the module's
  // evaluationSettings(), so the page starts where the window and vemrik-eval start. `engine`:
  // {texts: evaluationTexts(), merge(job, shares): evaluationResult's JSON, showRun(text, seed,
  // steps, noise): why the form cannot show that run, or ''}.
  constructor(work, limits, engine) {
    this.work = work;
    this.limits = limits;
    this.engine = engine;
    for (const [id, name] of [...kFields, ...kNoiseFields]) {
      const {low, high, start} = limits[name];
      Object.assign(byId(id), {min: low, max: high, value: start});
    }
    this.dialog = byId('evaluate-dialog');
    this.progress = byId('eval-progress');
    this.report = byId('eval-report');
    this.histogram = byId('eval-histogram');
    this.chart = byId('eval-sweep-chart');
    this.failedList = byId('eval-failed');
    this.startButton = byId('eval-start');
    this.sweepButton = byId('eval-sweep');
    this.cancelButton = byId('eval-cancel');
    this.showRunButton = byId('eval-show-run');
    this.workers = [];
    // Idle workers kept between evaluations: a fresh module runs its first long call on V8's
    // baseline code, at about half speed, so each is warmed up on a few runs when it starts.
    this.idle = [];
    this.failed = [];
    this.startButton.addEventListener('click', () => this.start(false));
    this.sweepButton.addEventListener('click', () => this.start(true));
    this.cancelButton.addEventListener('click', () => this.cancel(word('cancelled')));
    this.showRunButton.addEventListener('click', () => this.showRun());
    this.failedList.addEventListener('change', () => this.setRunning(this.running()));
    this.failedList.addEventListener('dblclick', () => this.showRun());
    byId('eval-close').addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => this.cancel(''));
  }

  said(key) {
    return pick(this.engine.texts[key]).replace(/&(.)/g, '$1');
  }

  // Its title is the command's caption; every word in the page's language.
  show(title) {
    this.dialog.querySelector('h2').textContent = title;
    for (const el of this.dialog.querySelectorAll('[data-eval]')) el.textContent = this.said(el.dataset.eval);
    this.failedList.setAttribute('aria-label', this.said('failedRunsName'));
    this.report.textContent = '';
    this.histogram.setAttribute('hidden', '');
    this.chart.setAttribute('hidden', '');
    this.progress.value = 0;
    this.dialog.showModal();
    this.warmWorkers(workerCount(Infinity));
  }

  warmWorkers(count) {
    while (this.idle.length + this.workers.length < count) {
      const worker = startWorker('evaluation-worker.js');
      worker.postMessage({warm: true, workspace: this.work().text});
      this.idle.push(worker);
    }
  }

  // The fields' values by setting, or null when one is out of its range (the first three whole).
  settings() {
    const values = {};
    for (const [id, name] of [...kFields, ...kNoiseFields]) {
      const text = byId(id).value;
      const value = text === '' ? NaN : Number(text);
      const {low, high} = this.limits[name];
      const whole = kFields.some(([, n]) => n === name);
      if (!(value >= low && value <= high && (!whole || Number.isInteger(value)))) return null;
      values[name] = value;
    }
    return values;
  }

  running() {
    return this.workers.length > 0;
  }

  start(sweep) {
    const asked = this.settings();
    if (!asked) {
      const {seed, runs, maxSteps} = this.limits;
      this.report.textContent =
          word('badSettings', seed.low, seed.high, runs.low, runs.high, maxSteps.low, maxSteps.high);
      return;
    }
    const {seed, runs, maxSteps, flip, shift, turn} = asked;
    const noise = {flip, shift, turn};
    if (sweep && !(flip > 0 || shift > 0 || turn > 0)) {
      this.report.textContent = this.said('needsNoise');
      return;
    }
    this.cancel('');
    const {text, name} = this.work();
    this.judged = {text, noise};
    this.job = JSON.stringify({seed, runs, maxSteps, noise, sweep});
    this.heading = word('evaluationHeading', name);
    this.report.textContent = this.said(sweep ? 'sweeping' : 'evaluating');
    this.histogram.setAttribute('hidden', '');
    this.chart.setAttribute('hidden', '');
    this.listFailed([]);
    const parts = workerCount(runs);
    this.shares = new Array(parts).fill(null);
    this.done = new Array(parts).fill(0);
    this.totals = new Array(parts).fill(0);
    this.progress.max = runs;
    this.progress.value = 0;
    this.warmWorkers(parts);
    for (let part = 0; part < parts; ++part) {
      const worker = this.idle.pop();
      worker.onmessage = ({data}) => this.heard(part, data);
      worker.onerror = (e) => this.finish(`${word('error')}: ${e.message}`);
      worker.postMessage({workspace: text, job: this.job, part, parts, language: pageLanguage()});
      this.workers.push(worker);
    }
    this.setRunning(true);
  }

  heard(part, data) {
    if (data.kind === 'progress') {
      this.done[part] = data.done;
      this.totals[part] = data.total;
      this.progress.max = Math.max(this.progress.max, this.totals.reduce((a, b) => a + b));
      this.progress.value = this.done.reduce((a, b) => a + b);
    } else if (data.kind === 'done') {
      this.shares[part] = data.share;
      if (this.shares.every((share) => share)) {
        this.idle.push(...this.workers);
        this.workers = [];
        this.showResult(JSON.parse(this.engine.merge(this.job, this.shares)));
      }
    } else {
      this.finish(this.said('cannotEvaluate').replace('{1}', data.message));
    }
  }

  showResult(result) {
    this.progress.value = this.progress.max;
    this.finish(`${this.heading}\n${result.summary}`);
    if (result.sweep.length > 0) {
      drawSweepChart(this.chart, result.sweep,
                     {title: this.said('chartTitle'), level: this.said('chartLevel'), share: this.said('chartShare')});
    } else {
      drawHistogram(this.histogram, result.histogram);
      this.listFailed(result.failed);
    }
  }

  listFailed(failed) {
    this.failed = failed;
    this.failedList.replaceChildren(...failed.map(({line}) => new Option(line)));
    this.setRunning(this.running());
  }

  // "Pokaż przebieg": the run chosen made again in the form, and the dialog closed; or why not.
  showRun() {
    const chosen = this.failed[this.failedList.selectedIndex];
    if (!chosen || this.running()) return;
    const refusal = this.engine.showRun(this.judged.text, chosen.seed, chosen.steps, this.judged.noise);
    if (refusal) this.report.textContent = refusal;
    else this.dialog.close();
  }

  finish(text) {
    this.report.textContent = text;
    this.stopWorkers();
  }

  cancel(text) {
    if (!this.running()) return;
    this.stopWorkers();
    if (text) this.report.textContent = text;
  }

  stopWorkers() {
    for (const worker of this.workers) worker.terminate();
    this.workers = [];
    this.setRunning(false);
  }

  setRunning(on) {
    this.startButton.disabled = on;
    this.sweepButton.disabled = on;
    this.cancelButton.disabled = !on;
    this.showRunButton.disabled = on || this.failedList.selectedIndex < 0;
  }
}

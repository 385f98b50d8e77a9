// The "Oceń algorytm" dialog: the settings, a progress bar, "Anuluj", and the report.
import {pageLanguage, word} from './language.js';
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

export class EvaluationDialog {
  // `work()` gives the workspace to judge: {text, name}. `limits` are the module's
  // evaluationSettings(), so the page starts where the window and vemrik-eval start.
  constructor(work, limits) {
    this.work = work;
    this.limits = limits;
    for (const [id, name] of kFields) {
      const {low, high, start} = limits[name];
      Object.assign(document.getElementById(id), {min: low, max: high, value: start});
    }
    this.dialog = document.getElementById('evaluate-dialog');
    this.progress = document.getElementById('eval-progress');
    this.report = document.getElementById('eval-report');
    this.histogram = document.getElementById('eval-histogram');
    this.startButton = document.getElementById('eval-start');
    this.cancelButton = document.getElementById('eval-cancel');
    this.worker = null;
    this.startButton.addEventListener('click', () => this.start());
    this.cancelButton.addEventListener('click', () => this.cancel(word('cancelled')));
    document.getElementById('eval-close').addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => this.cancel(''));
  }

  // Its title is the command's caption, in the page's language.
  show(title) {
    this.dialog.querySelector('h2').textContent = title;
    this.report.textContent = '';
    this.histogram.setAttribute('hidden', '');
    this.progress.value = 0;
    this.dialog.showModal();
  }

  // The fields' values by setting, or null when one is not a whole number in its range.
  settings() {
    const values = {};
    for (const [id, name] of kFields) {
      const text = document.getElementById(id).value;
      const value = text === '' ? NaN : Number(text);
      const {low, high} = this.limits[name];
      if (!(Number.isInteger(value) && value >= low && value <= high)) return null;
      values[name] = value;
    }
    return values;
  }

  start() {
    const asked = this.settings();
    if (!asked) {
      const {seed, runs, maxSteps} = this.limits;
      this.report.textContent =
          word('badSettings', seed.low, seed.high, runs.low, runs.high, maxSteps.low, maxSteps.high);
      return;
    }
    const {seed, runs, maxSteps} = asked;
    this.cancel('');
    this.report.textContent = word('evaluating');
    this.histogram.setAttribute('hidden', '');
    this.progress.max = runs;
    this.progress.value = 0;
    this.worker = startWorker('evaluation-worker.js');
    this.worker.onmessage = ({data}) => this.heard(data);
    this.worker.onerror = (e) => this.finish(`${word('error')}: ${e.message}`);
    const {text, name} = this.work();
    this.heading = word('evaluationHeading', name);
    this.worker.postMessage({workspace: text, seed, runs, maxSteps, language: pageLanguage()});
    this.setRunning(true);
  }

  heard(data) {
    if (data.kind === 'progress') {
      this.progress.max = data.total;
      this.progress.value = data.done;
    } else if (data.kind === 'done') {
      this.progress.value = this.progress.max;
      this.finish(`${this.heading}\n${data.result.summary}`);
      drawHistogram(this.histogram, data.result.histogram);
    } else {
      this.finish(`${word('error')}: ${data.message}`);
    }
  }

  finish(text) {
    this.report.textContent = text;
    this.stopWorker();
  }

  cancel(text) {
    if (!this.worker) return;
    this.stopWorker();
    if (text) this.report.textContent = text;
  }

  stopWorker() {
    if (this.worker) this.worker.terminate();
    this.worker = null;
    this.setRunning(false);
  }

  setRunning(on) {
    this.startButton.disabled = on;
    this.cancelButton.disabled = !on;
  }
}

// The "Oceń algorytm" dialog: the settings, a progress bar, "Anuluj", and the report.
import {pageLanguage, word} from './language.js';

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
    this.progress.max = runs;
    this.progress.value = 0;
    this.worker = new Worker('evaluation-worker.js');
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

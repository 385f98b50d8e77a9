// The "Oceń algorytm" dialog: the settings, a progress bar, "Anuluj", and the report.

export class EvaluationDialog {
  // `work()` gives the workspace to judge: {text, name}.
  constructor(work) {
    this.work = work;
    this.dialog = document.getElementById('evaluate-dialog');
    this.progress = document.getElementById('eval-progress');
    this.report = document.getElementById('eval-report');
    this.startButton = document.getElementById('eval-start');
    this.cancelButton = document.getElementById('eval-cancel');
    this.worker = null;
    this.startButton.addEventListener('click', () => this.start());
    this.cancelButton.addEventListener('click', () => this.cancel('Anulowano.'));
    document.getElementById('eval-close').addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => this.cancel(''));
  }

  show() {
    this.report.textContent = '';
    this.progress.value = 0;
    this.dialog.showModal();
  }

  settings() {
    const number = (id) => Number(document.getElementById(id).value);
    return {seed: number('eval-seed'), runs: number('eval-runs'), maxSteps: number('eval-steps')};
  }

  start() {
    const {seed, runs, maxSteps} = this.settings();
    if (!(Number.isInteger(seed) && seed >= 0 && seed <= 4294967295 && Number.isInteger(runs) && runs >= 1 &&
          Number.isInteger(maxSteps) && maxSteps >= 1)) {
      this.report.textContent = 'Podaj całkowite ziarno (0 … 4294967295), liczbę przebiegów i kroków (co najmniej 1).';
      return;
    }
    this.cancel('');
    this.report.textContent = 'Ocenianie…';
    this.progress.max = runs;
    this.progress.value = 0;
    this.worker = new Worker('evaluation-worker.js');
    this.worker.onmessage = ({data}) => this.heard(data);
    this.worker.onerror = (e) => this.finish(`Błąd: ${e.message}`);
    const {text, name} = this.work();
    this.heading = `Ocena: ${name}`;
    this.worker.postMessage({workspace: text, seed, runs, maxSteps});
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
      this.finish(`Błąd: ${data.message}`);
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

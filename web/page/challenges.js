// "Wyzwania": the built-in levels or task files chosen or dropped, each with the stars earned,
// opened as a fresh work; the work checked in a worker, the verdict shown with its stars, failed
// runs and hints; the progress kept in the browser and saved as the file a child hands in.
import {download, fetchText} from './files.js';
import {pageLanguage, pick, word} from './language.js';
import {keep, kept} from './storage.js';
import {startWorker} from './worker-source.js';

const kProgressKey = 'vemrik.challenges.progress';
const isSeriesFile = (file) => file.name.endsWith('.vemrik-task') || file.name.endsWith('.vemrik');

function element(tag, parent, text = '') {
  const el = document.createElement(tag);
  el.textContent = text;
  parent?.appendChild(el);
  return el;
}

export class Challenges {
  // `m` is the module; `form()` the page's form; `act(call)` calls it as an event; `openWork(text)`
  // puts a level's work in as a work without a file; `mayDrop()` asks about unsaved work;
  // `refill()` builds the menus again; `tell(message)` shows an error.
  constructor(m, {form, act, openWork, mayDrop, refill, tell}) {
    Object.assign(this, {m, form, act, openWork, mayDrop, refill, tell});
    this.texts = JSON.parse(m.challengeTexts());
    this.files = [];
    this.worker = null;
    this.judged = null;
    const progress = kept(kProgressKey);
    if (progress) m.challengeTakeProgress(progress);
    this.input = element('input', document.body);
    Object.assign(this.input, {type: 'file', multiple: true, accept: '.vemrik-task,.vemrik', hidden: true});
    this.input.addEventListener('change', () => this.takeFiles([...this.input.files]));
    this.buildDialog();
  }

  buildDialog() {
    this.dialog = element('dialog', document.body);
    this.dialog.id = 'challenge-dialog';
    this.heading = element('p', this.dialog);
    this.stars = element('div', this.dialog);
    this.stars.id = 'challenge-stars';
    Object.assign(this.stars.style, {fontSize: '3em', textAlign: 'center'});
    this.sentence = element('p', this.dialog);
    this.sentence.id = 'challenge-sentence';
    this.failedPart = element('div', this.dialog);
    this.failedCaption = element('p', this.failedPart);
    this.failed = element('select', this.failedPart);
    this.failed.id = 'challenge-failed';
    this.failed.size = 5;
    this.showRunButton = element('button', this.failedPart);
    this.showRunButton.addEventListener('click', () => this.showRun());
    this.failed.addEventListener('change', () => { this.showRunButton.disabled = this.failed.selectedIndex < 0; });
    this.refusal = element('p', this.failedPart);
    this.hints = element('div', this.dialog);
    const close = element('button', element('p', this.dialog));
    close.id = 'challenge-close';
    close.addEventListener('click', () => this.dialog.close());
    this.closeButton = close;
    this.dialog.addEventListener('close', () => this.stopWorker());
  }

  text(name) {
    return pick(this.texts[name]).replace(/&(.)/g, '$1');
  }

  async loadBuiltIn() {
    const names = JSON.parse(await fetchText('challenges/index.json'));
    const files = await Promise.all(names.map(async (path) => ({path, text: await fetchText(`challenges/${path}`)})));
    this.openSeries(files, false);
  }

  openSeries(files, loud = true) {
    const error = this.m.challengeSeries(files);
    if (error) {
      if (loud) this.tell(error);
      return false;
    }
    this.files = files;
    this.refill();
    return true;
  }

  // Task files with their tracks, chosen or dropped; false when none is a task file.
  takeFiles(files) {
    if (!files.some((f) => f.name.endsWith('.vemrik-task'))) return false;
    Promise.all(files.filter(isSeriesFile).map(async (f) => ({path: f.name, text: await f.text()})))
        .then((read) => this.openSeries(read), this.tell);
    return true;
  }

  commands() {
    return {
      'challenges.levels': (entry) => this.openLevel(Number(entry ?? 0)),
      'challenges.check': () => this.check(),
      'challenges.saveProgress': () => download(this.m.challengeProgress(), this.text('progressName')),
      'challenges.openFolder': () => this.input.click(),
    };
  }

  fill(group) {
    const open = this.m.challengeOpenIndex();
    JSON.parse(this.m.challengeLevels()).forEach((caption, i) => {
      const item = element('button', group, caption);
      item.setAttribute('role', 'menuitemradio');
      item.setAttribute('aria-checked', String(i === open));
      item.dataset.entry = String(i);
    });
  }

  async openLevel(index) {
    if (!(await this.mayDrop())) return;
    try {
      this.openWork(this.m.challengeOpen(index));
    } catch (error) {
      this.tell(error.message ?? String(error));
    }
    this.refill();
  }

  check() {
    const level = this.m.challengeLevelFile();
    if (!level) {
      this.show({sentence: this.text('noLevel')});
      return;
    }
    const judged = this.form().save();
    this.show({sentence: this.text('judging')});
    this.stopWorker();
    const started = performance.now();
    this.worker = startWorker('challenge-worker.js');
    this.worker.onmessage = ({data}) => {
      this.stopWorker();
      if (data.kind !== 'done') {
        this.show({sentence: data.message});
        return;
      }
      this.lastJudgeMs = performance.now() - started;
      this.m.challengeRecord(data.verdict, judged);
      const stored = keep(kProgressKey, this.m.challengeProgress());
      this.refill();
      this.judged = {text: judged, verdict: data.verdict};
      this.show(JSON.parse(data.verdict));
      if (!stored) this.tell(word('progressNotKept', this.saveCaption()));
    };
    this.worker.postMessage({language: pageLanguage(), files: this.files, level, workspace: judged});
  }

  // "Zapisz postępy…" as the menu says it.
  saveCaption() {
    const save = JSON.parse(this.m.commands()).find((c) => c.id === 'challenges.saveProgress');
    return pick(save.caption).replace(/&(.)/g, '$1');
  }

  stopWorker() {
    this.worker?.terminate();
    this.worker = null;
  }

  show({stars, sentence, failedRuns = [], hints = []}) {
    this.heading.textContent = this.m.challengeHeading();
    this.stars.textContent = stars === undefined ? '' : '★★★☆☆☆'.slice(3 - stars, 6 - stars);
    this.sentence.textContent = sentence;
    this.failedPart.hidden = failedRuns.length === 0;
    this.failedCaption.textContent = this.text('failedRuns');
    this.failed.replaceChildren(...failedRuns.map((line) => element('option', null, line)));
    this.showRunButton.textContent = this.text('showRun');
    this.showRunButton.disabled = true;
    this.refusal.textContent = '';
    this.hints.replaceChildren();
    if (hints.length > 0) {
      element('p', this.hints, this.text('hints'));
      const list = element('ul', this.hints);
      for (const hint of hints) element('li', list, hint);
    }
    this.closeButton.textContent = word('close');
    if (!this.dialog.open) this.dialog.showModal();
  }

  // "Pokaż przebieg": the failed run chosen made again in the form, and the dialog closed; or why not.
  showRun() {
    const n = this.failed.selectedIndex;
    if (n < 0 || !this.judged) return;
    const {text, verdict} = this.judged;
    const form = this.form();
    let refusal = this.m.challengeRunRefusal(verdict, n, text, form.save());
    if (!refusal) {
      const {seed, steps} = JSON.parse(verdict).failed[n];
      this.act(() => { refusal = form.showEvaluatedRun(text, seed, steps, this.m.challengeNoise()); });
    }
    this.refusal.textContent = refusal;
    if (!refusal) this.dialog.close();
  }
}

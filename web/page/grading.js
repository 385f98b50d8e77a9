// "Oceń klasę": a task file with its tracks, the students' files (a folder, several files or
// dropped ones), graded in a worker; the table shown, the HTML report opened and saved, the CSV in
// both forms saved, each the bytes vemrik-eval grade writes for the same files.
import {download} from './files.js';
import {pageLanguage, pick, say, word} from './language.js';
import {startWorker} from './worker-source.js';

const isWorkspace = (file) => file.name.endsWith('.vemrik');

// As vemrik-eval takes a folder: the .vemrik files directly in it, under the folder's name.
function folderStudents(files) {
  return files.filter((f) => isWorkspace(f) && f.webkitRelativePath.split('/').length === 2)
      .map((f) => ({path: f.webkitRelativePath, file: f}));
}

// The same for a folder dropped on the dialog.
async function folderEntryStudents(folder) {
  const reader = folder.createReader();
  const entries = [];
  for (let batch; (batch = await new Promise((done, fail) => reader.readEntries(done, fail))).length > 0;) {
    entries.push(...batch);
  }
  const files = entries.filter((entry) => entry.isFile && entry.name.endsWith('.vemrik'));
  return Promise.all(files.map(async (entry) => ({
    path: `${folder.name}/${entry.name}`,
    file: await new Promise((done, fail) => entry.file(done, fail)),
  })));
}

async function withBytes({path, file}) {
  return {path, bytes: new Uint8Array(await file.arrayBuffer())};
}

export class GradingDialog {
  // `texts` are the module's gradingTexts(), the window's words for the same dialog.
  constructor(texts) {
    this.texts = texts;
    this.dialog = document.getElementById('grade-dialog');
    this.chosen = document.getElementById('grade-chosen');
    this.progress = document.getElementById('grade-progress');
    this.table = document.getElementById('grade-table');
    this.startButton = document.getElementById('grade-start');
    this.outputs = [...this.dialog.querySelectorAll('[data-output]')];
    this.task = null;
    this.tracks = [];
    this.students = new Map();
    this.worker = null;
    this.result = null;
    this.ranking = [];
    const input = (id, take) => {
      const field = document.getElementById(id);
      field.addEventListener('change', () => take([...field.files]));
    };
    for (const button of this.dialog.querySelectorAll('[data-picks]')) {
      button.addEventListener('click', () => document.getElementById(button.dataset.picks).click());
    }
    input('grade-task', (files) => this.takeTask(files));
    input('grade-folder', (files) => this.takeStudents(folderStudents(files), true));
    input('grade-files', (files) =>
      this.takeStudents(files.filter(isWorkspace).map((f) => ({path: f.name, file: f})), true));
    this.startButton.addEventListener('click', () => this.start());
    document.getElementById('grade-open').addEventListener('click', () => this.openReport());
    for (const button of this.outputs) button.addEventListener('click', () => this.save(button.dataset.output));
    document.getElementById('grade-close').addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => this.stopWorker());
    this.acceptDrops();
  }

  // The words of the page's language, without the window's mnemonics.
  show() {
    for (const el of this.dialog.querySelectorAll('[data-grading]')) {
      el.textContent = this.text(el.dataset.grading);
    }
    this.showChosen();
    this.dialog.showModal();
  }

  text(name) {
    return pick(this.texts[name]).replace(/&(.)/g, '$1');
  }

  // A dropped task file is the task; the workspaces dropped with it, and those directly in a dropped
  // folder, are students.
  acceptDrops() {
    this.dialog.addEventListener('dragover', (e) => e.preventDefault());
    this.dialog.addEventListener('drop', async (e) => {
      e.preventDefault();
      e.stopPropagation();  // not the page's "open this workspace"
      // The entries are only there during the event itself.
      const folders = [...e.dataTransfer.items].map((item) => item.webkitGetAsEntry?.()).filter((entry) => entry?.isDirectory);
      const folderNames = new Set(folders.map((folder) => folder.name));
      const files = [...e.dataTransfer.files].filter((f) => !folderNames.has(f.name));
      const tasks = files.filter((f) => !isWorkspace(f));
      if (tasks.length > 0) this.takeTask([tasks[0]]);
      const students = files.filter(isWorkspace).map((f) => ({path: f.name, file: f}));
      for (const folder of folders) students.push(...await folderEntryStudents(folder));
      this.takeStudents(students, false);
    });
  }

  // The task file, and the track and robot files it names among the others chosen with it.
  takeTask(files) {
    this.task = files.find((f) => !isWorkspace(f)) ?? null;
    this.tracks = files.filter(isWorkspace);
    this.showChosen();
  }

  takeStudents(students, replace) {
    if (replace) this.students.clear();
    for (const s of students) this.students.set(s.path, s);
    this.showChosen();
  }

  showChosen() {
    const names = [...this.students.keys()].sort();
    this.chosen.textContent = say(this.texts.chosen, this.taskShown(), names.join(', ') || '—');
    this.startButton.disabled = !this.task || names.length === 0 || this.worker !== null;
  }

  // The task with the tracks chosen beside it.
  taskShown() {
    if (!this.task) return '—';
    return this.tracks.length ? `${this.task.name} (${this.tracks.map((f) => f.name).join(', ')})` : this.task.name;
  }

  async start() {
    this.stopWorker();
    this.setResult(null);
    this.table.textContent = this.text('grading');
    this.progress.value = 0;
    const students = [...this.students.values()].sort((a, b) => (a.path < b.path ? -1 : a.path > b.path ? 1 : 0));
    const message = {
      language: pageLanguage(),
      task: await withBytes({path: this.task.name, file: this.task}),
      tracks: await Promise.all(this.tracks.map((f) => withBytes({path: f.name, file: f}))),
      students: await Promise.all(students.map(withBytes)),
    };
    this.worker = startWorker('grading-worker.js');
    this.worker.onmessage = ({data}) => this.heard(data);
    this.worker.onerror = (e) => this.finish(`${word('error')}: ${e.message}`);
    this.worker.postMessage(message);
    this.showChosen();
  }

  heard(data) {
    if (data.kind === 'progress') {
      this.progress.max = data.total;
      this.progress.value = data.done;
    } else if (data.kind === 'done') {
      this.setResult(data.result);
      this.finish(data.result.table);
    } else {
      this.finish(`${word('error')}: ${data.message}`);
    }
  }

  setResult(result) {
    this.result = result;
    // The ranking as data, for whatever reads the class's results next.
    this.ranking = result ? JSON.parse(result.ranking) : [];
    for (const button of [document.getElementById('grade-open'), ...this.outputs]) button.disabled = !result;
  }

  finish(text) {
    this.table.textContent = text;
    this.stopWorker();
  }

  stopWorker() {
    if (this.worker) this.worker.terminate();
    this.worker = null;
    this.showChosen();
  }

  baseName() {
    return this.task.name.replace(/\.[^.]*$/, '');
  }

  openReport() {
    const url = URL.createObjectURL(new Blob([this.result.html], {type: 'text/html'}));
    window.open(url, '_blank');
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // `kind` is "html", "csv" or "sheet", the file vemrik-eval's --html, --csv or --csv-format arkusz writes.
  save(kind) {
    const suffix = {html: '.html', csv: '.csv', sheet: '-arkusz.csv'}[kind];
    download(this.result[kind], this.baseName() + suffix);
  }
}

// "Wyścig": two to six workspaces' robots on one track, from the app model's race board, as the
// window's race window shows it: the track of the work or of a file, robots chosen or dropped, the
// run timer's buttons, the picture, the finish order, "Pokaż przebieg", the projector's view
// (the Fullscreen API) and the results as CSV.
import {Clock, runOnBrowserTime} from './clock.js';
import {download} from './files.js';
import {putModulePixels} from './module-pixels.js';

const kSpeeds = ['×1', '×2', '×4'];

function element(tag, attributes = {}, children = []) {
  const el = Object.assign(document.createElement(tag), attributes);
  el.append(...children);
  return el;
}

async function entrantFiles(files) {
  return Promise.all([...files].map(async (file) =>
    ({name: file.name.replace(/\.vemrik$/, ''), text: await file.text()})));
}

export class RaceDialog {
  // `form()` gives the page's form now; `act(call)` runs a call on it as the page's events do;
  // `mayDrop()` asks before a robot's run replaces unsaved work.
  constructor(m, form, act, manualClock, mayDrop) {
    this.m = m;
    this.form = form;
    this.act = act;
    this.mayDrop = mayDrop;
    this.race = new m.WebRace();
    this.selected = -1;
    this.clock = new Clock(() => {}, () => this.tick());
    if (!manualClock) runOnBrowserTime(this.clock);
    this.build();
  }

  build() {
    const button = (name, click) => {
      const b = element('button', {type: 'button'});
      b.dataset.race = name;
      b.addEventListener('click', () => {
        click();
        this.refresh();
      });
      return b;
    };
    const picker = (multiple, take) => {
      const input = element('input', {type: 'file', accept: '.vemrik', multiple, hidden: true});
      input.addEventListener('change', async () => {
        await take([...input.files]);
        input.value = '';
        this.refresh();
      });
      return input;
    };
    const trackInput = picker(false, async ([file]) => {
      this.report(this.race.trackFile(await file.text(), file.name.replace(/\.vemrik$/, '')));
    });
    const robotsInput = picker(true, (files) => this.add(files));
    this.canvas = element('canvas', {width: this.race.width(), height: this.race.height(), id: 'race-canvas'});
    this.summary = element('p', {id: 'race-summary'});
    this.hint = element('p');
    this.table = element('table', {id: 'race-order'});
    this.speed = element('select', {id: 'race-speed'}, kSpeeds.map((s) => element('option', {textContent: s})));
    this.speed.addEventListener('change', () => {
      this.race.setSpeed(this.speed.selectedIndex);
      this.refresh();
    });
    this.buttons = [
      button('currentTrack', () => this.report(this.race.useTrack(this.form()))),
      button('trackFile', () => trackInput.click()),
      button('addRobots', () => robotsInput.click()),
      button('remove', () => this.selected >= 0 && this.race.remove(this.entrants[this.selected])),
      button('start', () => this.report(this.race.start())),
      button('pause', () => this.race.pause()),
      button('step', () => this.race.step()),
      button('reset', () => this.race.reset()),
      button('showRun', () => this.showRun()),
      button('projector', () => this.canvas.requestFullscreen?.()),
      button('saveResults', () => download(this.race.csv(), this.texts.csvName)),
    ];
    const close = element('button', {type: 'button', textContent: '×', id: 'race-close'});
    close.addEventListener('click', () => this.dialog.close());
    const [track, file, robots, remove, ...run] = this.buttons;
    this.dialog = element('dialog', {id: 'race-dialog'}, [
      element('div', {className: 'race-row'}, [track, file, robots, remove, close, trackInput, robotsInput]),
      this.hint, this.summary, this.canvas,
      element('div', {className: 'race-row'}, [...run.slice(0, 4), this.speed, ...run.slice(4)]),
      this.table,
    ]);
    this.dialog.addEventListener('close', () => this.race.pause());
    this.dialog.addEventListener('dragover', (event) => event.preventDefault());
    this.dialog.addEventListener('drop', (event) => {
      event.preventDefault();
      this.add([...event.dataTransfer.files]).then(() => this.refresh());
    });
    document.body.append(this.dialog);
  }

  // "Ścigaj najlepszych" beside the grading dialog's report: the best graded students, up to six,
  // race on the task's first track.
  offerFor(grading) {
    const open = document.getElementById('grade-open');
    const b = element('button', {type: 'button', id: 'grade-race'});
    open.after(b);
    grading.dialog.addEventListener('focusin', () => {
      b.textContent = JSON.parse(this.m.raceTexts()).raceBest.replace(/&(.)/g, '$1');
    });
    b.addEventListener('click', async () => {
      if (!grading.task) return;
      const best = grading.ranking.filter((r) => !r.error).slice(0, 6);
      const text = (file) => file?.text() ?? '';
      const students = await Promise.all(best.map(async (r) =>
        ({name: r.name, text: await text(grading.students.get(r.file)?.file)})));
      const files = await Promise.all(grading.tracks.map(async (f) => ({name: f.name, text: await f.text()})));
      const refusal = this.race.raceTask(await grading.task.text(), files, students);
      if (refusal) return this.report(refusal);
      grading.dialog.close();
      this.show();
    });
  }

  async add(files) {
    if (files.length > 0) this.report(this.race.add(await entrantFiles(files)));
  }

  report(refusal) {
    if (refusal) alert(refusal);
  }

  // The words of the language spoken now, the form's track if it has a start cell.
  show() {
    this.texts = JSON.parse(this.m.raceTexts());
    const plain = (text) => text.replace(/&(.)/g, '$1');
    for (const b of this.buttons) b.textContent = plain(this.texts[b.dataset.race]);
    this.hint.textContent = this.texts.dropHint;
    if (this.race.running() === false && JSON.parse(this.race.view()).size === 0) this.race.useTrack(this.form());
    this.refresh();
    this.dialog.showModal();
  }

  tick() {
    this.race.tick();
    this.refresh();
  }

  async showRun() {
    if (this.selected < 0 || !(await this.mayDrop())) return;
    this.act(() => this.race.showRun(this.form(), this.selected));
    this.dialog.close();
  }

  refresh() {
    const view = JSON.parse(this.race.view());
    this.entrants = view.entrants;
    if (this.selected >= view.size) this.selected = view.size - 1;
    this.summary.textContent = view.summary;
    const row = (cells, tag) => element('tr', {}, cells.map((text) => element(tag, {textContent: text})));
    this.table.replaceChildren(element('thead', {}, [row(view.header, 'th')]),
        element('tbody', {}, view.rows.map((cells, i) => {
          const tr = row(cells, 'td');
          tr.classList.toggle('selected', i === this.selected);
          tr.addEventListener('click', () => {
            this.selected = i;
            this.refresh();
          });
          return tr;
        })));
    const enabled = {start: view.ready && !this.race.running(), pause: this.race.running(),
      step: view.ready && !view.finished, saveResults: view.size > 0 && view.finished,
      showRun: this.selected >= 0, remove: this.selected >= 0};
    for (const b of this.buttons) b.disabled = enabled[b.dataset.race] === false;
    this.clock.setRunTimer(this.race.running() ? this.race.interval() : 0);
    putModulePixels(this.canvas, this.race.imageRGBA());
  }
}

// The form's controls as page elements: the notebook's tabs and pages, every control where the
// program's layout table puts it, each reached by its layout id, its words in the page's
// language; and the state the engine reports mirrored onto them.
import {listenForKeys} from './board-keys.js';
import {drawHeadingArrow} from './heading-mark.js';
import {pick, say} from './language.js';
import {putModulePixels} from './module-pixels.js';

function place(el, c) {
  el.style.left = `${c.left}px`;
  el.style.top = `${c.top}px`;
  if (c.width > 0) el.style.width = `${c.width}px`;
  if (c.height > 0) el.style.height = `${c.height}px`;
  el.id = c.id;
  return el;
}

// Where a caption's "&" marks its letter, the letter underlined, as the window shows it.
function setCaption(el, text) {
  el.replaceChildren();
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length && text[i + 1] !== '&') {
      const u = document.createElement('u');
      u.textContent = text[++i];
      el.append(u);
    } else {
      el.append(text[i] === '&' ? text[++i] : text[i]);
    }
  }
}

function makeImage(c, view) {
  const canvas = place(document.createElement('canvas'), c);
  canvas.className = 'board';
  canvas.width = view.form().imageWidth(c.id);
  canvas.height = view.form().imageHeight(c.id);
  canvas.style.width = `${canvas.width}px`;
  canvas.style.height = `${canvas.height}px`;
  view.canvases[c.id] = {canvas, page: c.page};
  if (c.pointer) {
    listenForDrawing(canvas, c.id, view);
    return [canvas, listenForKeys(canvas, c, view)];
  }
  if (c.id !== 'sim.view') return canvas;
  // What the form says over the simulation's picture, in elements of its own above the canvas.
  const layer = document.createElement('div');
  layer.className = 'notice-layer';
  Object.assign(layer.style, {left: `${c.left}px`, top: `${c.top}px`, width: canvas.style.width,
                              height: canvas.style.height});
  view.noticeLayer = layer;
  return [canvas, layer];
}

// The notice's button `id`: the "Robot" page, a control of the form pressed, or a command run as
// its menu entry runs it (one the page does not do stays greyed).
const formsOwn = (id) => id === 'page.robot' || id.startsWith('sim.');
function pressNotice(view, id) {
  if (id === 'page.robot') view.act(() => view.form().page(0));
  else if (id.startsWith('sim.')) view.act(() => view.form().press(id));
  else view.runCommand(id);
}

function makeNotice(notice, view) {
  const box = document.createElement('div');
  box.className = `notice notice-${notice.place}${notice.large ? ' notice-large' : ''}`;
  box.setAttribute('role', notice.buttons.length ? 'dialog' : 'status');
  for (const line of notice.lines) {
    const p = document.createElement('p');
    p.textContent = line;
    box.append(p);
  }
  const row = document.createElement('div');
  for (const {id, caption} of notice.buttons) {
    const button = document.createElement('button');
    button.type = 'button';
    setCaption(button, caption);
    button.disabled = !formsOwn(id) && !view.canRun(id);
    button.addEventListener('click', () => pressNotice(view, id));
    row.append(button);
  }
  if (notice.buttons.length) box.append(row);
  return box;
}

// A triangle at the map's edge, pointing to the robot beyond it.
function makeEdgeMark(edge) {
  const mark = document.createElement('div');
  mark.className = 'notice-edge';
  const angle = Math.atan2(edge.dy, edge.dx) * 180 / Math.PI;
  Object.assign(mark.style, {left: `${edge.x}px`, top: `${edge.y}px`,
                             transform: `translate(-50%, -50%) rotate(${angle}deg)`});
  return mark;
}

// The boards draw with any pointer (mouse, pen, finger); the pointer is captured while pressed so
// a stroke ends where it is let go, as the window's does, even outside the board.
function listenForDrawing(canvas, id, view) {
  canvas.style.touchAction = 'none';
  const at = (e) => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((e.clientX - box.left) * canvas.width / box.width),
            Math.floor((e.clientY - box.top) * canvas.height / box.height)];
  };
  canvas.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    canvas.setPointerCapture(e.pointerId);
    view.act(() => view.form().mouse(id, 'down', ...at(e)));
  });
  canvas.addEventListener('pointermove', (e) => view.act(() => view.form().mouse(id, 'move', ...at(e))));
  canvas.addEventListener('pointerup', (e) => {
    if (e.button !== 0) return;
    view.act(() => view.form().mouse(id, 'up', ...at(e)));
  });
}

function makeButton(c, view) {
  const button = place(document.createElement('button'), c);
  button.type = 'button';
  // As in the window, a click leaves the keyboard where it was, so the space bar still pauses.
  button.addEventListener('mousedown', (e) => e.preventDefault());
  button.addEventListener('click', () => {
    if (c.command) view.runCommand(c.command);
    else view.act(() => view.form().press(c.id));
  });
  view.captioned.push([button, c]);
  if (c.command) view.commandButtons.push([button, c.command]);
  // A tool's button stays pressed while its tool is chosen.
  if (c.tool) {
    button.setAttribute('aria-pressed', 'false');
    view.toolButtons.push([button, c.id]);
  }
  return button;
}

function makeCheckBox(c, view) {
  const sensor = view.checks.length + 1;
  const box = place(document.createElement('input'), c);
  box.type = 'checkbox';
  box.style.width = box.style.height = '13px';
  box.addEventListener('change', () => view.act(() => view.form().check(c.id, box.checked)));
  view.named.push([box, 'sensorName', sensor]);
  const number = document.createElement('span');
  number.className = 'sensor-number';
  number.textContent = String(sensor);
  number.style.left = `${c.left}px`;
  number.style.top = `${c.top - 15}px`;
  number.setAttribute('aria-hidden', 'true');
  view.checks.push({id: c.id, box, number});
  return [number, box];
}

// The form's two sliders, a rule's angle and the start heading, and what a screen reader calls them.
const kTrackNames = {'rules.angle': 'ruleAngleName', 'sim.heading': 'headingName'};

function makeTrackBar(c, view) {
  const slider = place(document.createElement('input'), c);
  slider.type = 'range';
  slider.min = -360;
  slider.max = 360;
  slider.value = 0;
  slider.addEventListener('input', () => view.act(() => view.form().setTrack(c.id, Number(slider.value))));
  if (c.pageStep) stepByDegrees(slider, c.pageStep);
  view.tracks[c.id] = slider;
  view.named.push([slider, kTrackNames[c.id]]);
  return slider;
}

// A degree for an arrow key, as the browser does, and for a notch of the wheel; `pageStep` for
// Page Up and Down.
function stepByDegrees(slider, pageStep) {
  const move = (by) => {
    slider.value = Number(slider.value) + by;
    slider.dispatchEvent(new Event('input'));
  };
  slider.addEventListener('keydown', (e) => {
    if (e.key !== 'PageUp' && e.key !== 'PageDown') return;
    e.preventDefault();
    move(e.key === 'PageUp' ? pageStep : -pageStep);
  });
  slider.addEventListener('wheel', (e) => {
    if (!e.deltaY) return;
    e.preventDefault();
    move(e.deltaY < 0 ? 1 : -1);
  }, {passive: false});
}

// The run's steps: 0 .. the steps recorded, the one shown.
function makeSlider(c, view) {
  const slider = place(document.createElement('input'), c);
  slider.type = 'range';
  slider.min = 0;
  slider.max = 0;
  slider.value = 0;
  slider.addEventListener('input', () => view.act(() => view.form().showStep(Number(slider.value))));
  view.stepSlider = slider;
  view.named.push([slider, 'stepSliderName']);
  return slider;
}

// Words the page composes from the state: the step shown, the start heading.
function makeCaption(c, view) {
  const caption = place(document.createElement('span'), c);
  caption.className = 'caption';
  view.captions[c.id] = caption;
  return caption;
}

// A fixed note beside a board, its lines as the table breaks them, widening to longer words.
function makeNote(c, view) {
  const note = place(document.createElement('p'), c);
  note.className = c.id === 'robot.front' ? 'note front' : 'note';
  note.style.width = '';
  note.style.minWidth = `${c.width}px`;
  view.notes.push([note, c]);
  return note;
}

// The start heading's arrow, drawn at its size in the middle of its control.
function makeArrow(c, view) {
  const arrow = document.createElement('canvas');
  arrow.width = arrow.height = c.drawn;
  arrow.setAttribute('role', 'img');
  place(arrow, {...c, left: c.left + (c.width - c.drawn) / 2, top: c.top + (c.height - c.drawn) / 2,
                width: c.drawn, height: c.drawn});
  view.arrow = arrow;
  return arrow;
}

function makeLabel(c, view) {
  const label = place(document.createElement('span'), c);
  view.labels[c.id] = label;
  view.captioned.push([label, c]);
  return label;
}

function makeListBox(c, view) {
  const list = place(document.createElement('select'), c);
  list.size = 2;  // a list, not a drop-down; its height comes from the layout
  list.addEventListener('change', () => view.act(() => view.form().selectRule(list.selectedIndex)));
  view.list = list;
  view.named.push([list, 'rulesName']);
  return list;
}

const kMakers = {
  Image: makeImage,
  Button: makeButton,
  BitButton: makeButton,
  CheckBox: makeCheckBox,
  TrackBar: makeTrackBar,
  Label: makeLabel,
  ListBox: makeListBox,
  Slider: makeSlider,
  Caption: makeCaption,
  Note: makeNote,
  Arrow: makeArrow,
};

export class FormView {
  // `form()` gives the engine's form now (it is replaced by "Nowy"); `act` runs a call into it and
  // reports what fails; `runCommand(id)` runs a command of the menus, for the buttons that are one.
  // `texts` are the module's texts(): the page titles and the controls' changing words.
  constructor(layout, texts, form, act, runCommand, canRun = () => true) {
    this.form = form;
    this.canRun = canRun;
    this.noticeLayer = null;
    this.noticeShown = null;
    this.act = act;
    this.runCommand = runCommand;
    this.texts = texts;
    this.canvases = {};
    this.checks = [];
    this.tracks = {};
    this.labels = {};
    this.captions = {};
    this.commandButtons = [];
    this.toolButtons = [];
    this.notes = [];
    this.arrow = null;
    this.captioned = [];
    this.named = [];
    this.list = null;
    this.stepSlider = null;
    this.rulesShown = null;
    this.pageShown = -1;
    this.makeNotebook(texts.pages.length);
    for (const c of layout) {
      if (!c.visible || c.page < 0) continue;
      const make = kMakers[c.kind];
      if (!make) continue;
      const page = this.pages[c.page];
      for (const el of [].concat(make(c, this))) page.appendChild(el);
    }
  }

  makeNotebook(count) {
    const tabs = document.querySelector('.tabs');
    const notebook = document.getElementById('notebook');
    this.tabs = [];
    this.pages = [];
    for (let page = 0; page < count; ++page) {
      const tab = document.createElement('button');
      tab.setAttribute('role', 'tab');
      tab.dataset.page = page;
      tab.addEventListener('click', () => this.act(() => this.form().page(page)));
      const section = document.createElement('section');
      section.className = 'page';
      section.dataset.page = page;
      section.setAttribute('role', 'tabpanel');
      tabs.appendChild(tab);
      notebook.appendChild(section);
      this.tabs.push(tab);
      this.pages.push(section);
    }
  }

  // Every word in the page's language.
  speak() {
    this.noticeShown = null;
    this.tabs.forEach((tab, page) => {
      tab.textContent = pick(this.texts.pages[page]);
      this.pages[page].setAttribute('aria-label', tab.textContent);
    });
    for (const [el, c] of this.captioned) setCaption(el, pick(c.caption));
    const start = document.getElementById('map.start');
    if (start) start.title = pick(this.texts.startCellTip);
    for (const [note, c] of this.notes) {
      const lines = document.createElement('span');
      lines.append(...pick(c.caption).split('\n').flatMap((line, i) => (i ? [document.createElement('br'), line] : [line])));
      note.replaceChildren(lines);
      if (c.id === 'robot.front') note.title = pick(this.texts.frontTip);
    }
    for (const id of ['sim.headingText']) {
      if (this.captions[id]) this.captions[id].title = pick(this.texts.startHeadingTip);
    }
    if (this.arrow) this.arrow.title = pick(this.texts.startHeadingTip);
    for (const [el, key, ...args] of this.named) {
      el.setAttribute('aria-label', say(this.texts[key], ...args));
      el.title = el.getAttribute('aria-label');
    }
    this.headingShown = null;
  }

  shownPage() {
    return this.pageShown < 0 ? 3 : this.pageShown;
  }

  // After "Nowy": the new form's pages are drawn when shown.
  forget() {
    this.pageShown = -1;
  }

  drawImage(id) {
    putModulePixels(this.canvases[id].canvas, this.form().imageRGBA(id));
  }

  drawPage(page) {
    for (const [id, board] of Object.entries(this.canvases)) {
      if (board.page === page) this.drawImage(id);
    }
  }

  drawAll() {
    for (const id of Object.keys(this.canvases)) this.drawImage(id);
  }

  mirror(state) {
    for (const {id, box, number} of this.checks) {
      box.checked = state.values[id];
      box.classList.toggle('missing', !state.sensorPresent[id]);
      number.classList.toggle('missing', !state.sensorPresent[id]);
    }
    for (const [id, slider] of Object.entries(this.tracks)) {
      if (Number(slider.value) !== state.values[id]) slider.value = state.values[id];
    }
    for (const [id, label] of Object.entries(this.labels)) {
      if (id in state.values) label.textContent = state.values[id];
    }
    // A button that is a command can be pressed when the command can be chosen.
    for (const [button, command] of this.commandButtons) button.disabled = !state.commands[command].enabled;
    for (const [button, id] of this.toolButtons) button.setAttribute('aria-pressed', String(state.down.includes(id)));
    this.mirrorRules(state.rules, state.ruleIndex);
    this.mirrorSteps(state);
    this.mirrorHeading(state);
    this.mirrorNotice(state.notice);
    this.showPage(state.page);
  }

  mirrorNotice(notice) {
    const key = JSON.stringify(notice);
    if (!this.noticeLayer || key === this.noticeShown) return;
    this.noticeShown = key;
    const shown = [];
    if (notice.kind) shown.push(makeNotice(notice, this));
    if (notice.edge) shown.push(makeEdgeMark(notice.edge));
    this.noticeLayer.replaceChildren(...shown);
  }

  mirrorRules(rules, index) {
    const text = rules.join('\n');
    if (text !== this.rulesShown) {
      this.list.replaceChildren(...rules.map((line) => new Option(line)));
      this.rulesShown = text;
    }
    if (this.list.selectedIndex !== index) this.list.selectedIndex = index;
  }

  mirrorSteps(state) {
    const {steps, shown} = state.history;
    const slider = this.stepSlider;
    slider.max = steps;
    slider.value = shown;
    slider.disabled = steps === 0;
    this.captions['sim.stepText'].textContent =
        steps === 0 ? pick(this.texts.noStep) : say(this.texts.stepOf, shown, steps);
    // Why the steps counted are one more than those to the stop, where they are.
    this.captions['sim.stepText'].title = state.stepsHint;
  }

  mirrorHeading(state) {
    const heading = state.values['sim.heading'];
    const key = `${heading} ${state.held}`;
    if (key === this.headingShown) return;
    this.headingShown = key;
    const caption = say(this.texts.startHeading, heading);
    this.captions['sim.headingText'].textContent = caption;
    this.captions['sim.headingValue'].style.textAlign = 'center';
    this.captions['sim.headingValue'].textContent = say(this.texts.headingValue, heading);
    this.arrow.setAttribute('aria-label', caption);
    drawHeadingArrow(this.arrow, heading, state.held);
  }

  showPage(page) {
    if (page === this.pageShown) return;
    this.pageShown = page;
    this.pages.forEach((section, n) => section.classList.toggle('shown', n === page));
    this.tabs.forEach((tab, n) => tab.setAttribute('aria-selected', String(n === page)));
    this.drawPage(page);
  }
}

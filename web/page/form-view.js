// The form's controls as page elements, placed from the engine's layout table, and the state
// the engine reports mirrored onto them.

const kPageOfImage = {};

function place(el, c) {
  el.style.left = `${c.left}px`;
  el.style.top = `${c.top}px`;
  if (c.width > 0) el.style.width = `${c.width}px`;
  if (c.height > 0) el.style.height = `${c.height}px`;
  el.id = c.name;
  return el;
}

function imageOf(name) {
  return Number(name.slice('Image'.length));
}

function makeImage(c, view) {
  const n = imageOf(c.name);
  const canvas = place(document.createElement('canvas'), c);
  canvas.className = 'board';
  canvas.width = view.form().imageWidth(n);
  canvas.height = view.form().imageHeight(n);
  canvas.style.width = `${canvas.width}px`;
  canvas.style.height = `${canvas.height}px`;
  kPageOfImage[n] = c.page;
  view.canvases[n] = canvas;
  if (n === 1 || n === 2) listenForDrawing(canvas, n, view);
  return canvas;
}

// The boards draw with any pointer (mouse, pen, finger); the pointer is captured while pressed so
// a stroke ends where it is let go, as the window's does, even outside the board.
function listenForDrawing(canvas, n, view) {
  canvas.style.touchAction = 'none';
  const at = (e) => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((e.clientX - box.left) * canvas.width / box.width),
            Math.floor((e.clientY - box.top) * canvas.height / box.height)];
  };
  canvas.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    canvas.setPointerCapture(e.pointerId);
    view.act(() => view.form().mouse(n, 'down', ...at(e)));
  });
  canvas.addEventListener('pointermove', (e) => view.act(() => view.form().mouse(n, 'move', ...at(e))));
  canvas.addEventListener('pointerup', (e) => {
    if (e.button !== 0) return;
    view.act(() => view.form().mouse(n, 'up', ...at(e)));
  });
}

function makeButton(c, view) {
  const button = place(document.createElement('button'), c);
  button.type = 'button';
  button.textContent = c.caption;
  // As in the window, a click leaves the keyboard where it was, so the space bar still pauses.
  button.addEventListener('mousedown', (e) => e.preventDefault());
  button.addEventListener('click', () => view.act(() => view.form().call(c.name)));
  return button;
}

function makeCheckBox(c, view) {
  const sensor = Number(c.name.slice('CheckBox'.length)) - 1;
  const box = place(document.createElement('input'), c);
  box.type = 'checkbox';
  box.style.width = box.style.height = '13px';
  box.setAttribute('aria-label', `Czujnik ${sensor + 1}`);
  box.title = `Czujnik ${sensor + 1}`;
  box.addEventListener('change', () => view.act(() => view.form().check(sensor, box.checked)));
  view.checks[sensor] = box;
  const number = document.createElement('span');
  number.className = 'sensor-number';
  number.textContent = String(sensor + 1);
  number.style.left = `${c.left}px`;
  number.style.top = `${c.top - 15}px`;
  number.setAttribute('aria-hidden', 'true');
  view.numbers[sensor] = number;
  return [number, box];
}

function makeTrackBar(c, view) {
  const n = Number(c.name.slice('TrackBar'.length));
  const slider = place(document.createElement('input'), c);
  slider.type = 'range';
  slider.min = -360;
  slider.max = 360;
  slider.value = 0;
  slider.setAttribute('aria-label', n === 1 ? 'Kąt reguły' : 'Kierunek startu');
  slider.addEventListener('input', () => view.act(() => view.form().setTrack(n, Number(slider.value))));
  view.tracks[n] = slider;
  return slider;
}

function makeLabel(c, view) {
  const label = place(document.createElement('span'), c);
  label.textContent = c.caption;
  view.labels[c.name] = label;
  return label;
}

function makeListBox(c, view) {
  const list = place(document.createElement('select'), c);
  list.size = 2;  // a list, not a drop-down; its height comes from the layout
  list.setAttribute('aria-label', 'Reguły');
  list.addEventListener('change', () => view.act(() => view.form().selectRule(list.selectedIndex)));
  view.list = list;
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
};

export class FormView {
  // `form` gives the engine's form now (it is replaced by "Nowy"); `act` runs a call into it and
  // reports what fails.
  constructor(layout, form, act) {
    this.form = form;
    this.act = act;
    this.canvases = {};
    this.checks = [];
    this.numbers = [];
    this.tracks = {};
    this.labels = {};
    this.list = null;
    this.rulesShown = null;
    for (const c of layout) {
      if (!c.visible || c.page < 0) continue;
      const make = kMakers[c.kind];
      if (!make) continue;
      const page = document.querySelector(`.page[data-page="${c.page}"]`);
      const made = make(c, this);
      for (const el of [].concat(made)) page.appendChild(el);
    }
  }

  pageOfImage(n) {
    return kPageOfImage[n];
  }

  // Puts image n's pixels on its canvas. The engine's bytes are only valid until the next call
  // into the form; putImageData copies them at once. Seen as clamped bytes in place: converting
  // them into a new array would cost ten times the redraw itself.
  drawImage(n) {
    const canvas = this.canvases[n];
    const view = this.form().imageRGBA(n);
    const pixels = new Uint8ClampedArray(view.buffer, view.byteOffset, view.length);
    canvas.getContext('2d').putImageData(new ImageData(pixels, canvas.width, canvas.height), 0, 0);
  }

  drawPage(page) {
    for (const n of Object.keys(this.canvases).map(Number)) {
      if (kPageOfImage[n] === page) this.drawImage(n);
    }
  }

  drawAll() {
    for (const n of Object.keys(this.canvases).map(Number)) this.drawImage(n);
  }

  mirror(state) {
    state.checks.forEach((on, i) => { this.checks[i].checked = on; });
    state.sensorPresent.forEach((present, i) => {
      this.checks[i].classList.toggle('missing', !present);
      this.numbers[i].classList.toggle('missing', !present);
    });
    this.mirrorTrack(1, state.track1);
    this.mirrorTrack(2, state.track2);
    this.labels.Label1.textContent = state.label1;
    this.labels.Label2.textContent = state.label2;
    this.mirrorRules(state.rules, state.ruleIndex);
  }

  mirrorTrack(n, value) {
    const slider = this.tracks[n];
    if (Number(slider.value) !== value) slider.value = value;
  }

  mirrorRules(rules, index) {
    const text = rules.join('\n');
    if (text !== this.rulesShown) {
      this.list.replaceChildren(...rules.map((line) => new Option(line)));
      this.rulesShown = text;
    }
    if (this.list.selectedIndex !== index) this.list.selectedIndex = index;
  }
}

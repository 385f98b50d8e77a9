// "Przebieg w czasie" on the page: the core's chart of the form's run under the form, its row
// names, heading scale and step axis beside it, the legend, and saving it as PNG or SVG. The wheel
// zooms about the pointer, a drag pans, a click on a column shows its step, as in the window. It
// can show a robot's log instead, until "Start" or "Wróć do symulacji" takes it back to the run.
import {download} from './files.js';
import {pick} from './language.js';
import {putModulePixels} from './module-pixels.js';

const kFont = '10px sans-serif';
const kLabelColour = '#3c3c3c';
// A move shorter than this is a click, not a drag; a wheel notch zooms by this.
const kDragSlack = 3;
const kWheelZoom = 1.25;
const kAxisHeight = 16;

function element(tag, attributes = {}, parent = null) {
  const e = document.createElement(tag);
  Object.assign(e, attributes);
  parent?.appendChild(e);
  return e;
}

function swatches(parent, entries) {
  entries.forEach(({colour, text}, i) => {
    if (i > 0) parent.append('; ');
    element('span', {className: 'swatch', textContent: '■'}, parent).style.color = colour;
    parent.append(text);
  });
}

// Writing and ruling on a canvas, as paintInto asks.
function canvasPen(context) {
  return {
    text(t, x, y, align, base) {
      context.textAlign = align;
      context.textBaseline = base;
      context.fillText(t, x, y);
    },
    line(x0, y0, x1, y1) {
      context.fillRect(Math.min(x0, x1), Math.min(y0, y1), Math.abs(x1 - x0) || 1, Math.abs(y1 - y0) || 1);
    },
  };
}

const escapeXml = (text) => text.replace(/[&<>"]/g, (c) => ({'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'}[c]));

export class TimelinePanel {
  // `module` the engine's module, `form()` the form followed, `showStep(step)` what a click does;
  // the page puts `section` where it shows.
  constructor(module, form, showStep) {
    this.timeline = new module.WebTimeline();
    this.texts = JSON.parse(module.timelineTexts());
    this.form = form;
    this.showStep = showStep;
    this.section = element('section', {id: 'timeline', hidden: true});
    const buttons = element('div', {className: 'timeline-buttons'}, this.section);
    this.fit = element('button', {id: 'timeline-fit'}, buttons);
    this.save = element('button', {id: 'timeline-save'}, buttons);
    this.back = element('button', {id: 'timeline-back', hidden: true}, buttons);
    const turns = element('label', {}, buttons);
    this.turns = element('input', {type: 'checkbox', id: 'timeline-turns'}, turns);
    this.turnsText = element('span', {}, turns);
    this.source = element('p', {id: 'timeline-source', hidden: true}, this.section);
    this.canvas = element('canvas', {id: 'timeline-chart'}, this.section);
    this.plot = element('canvas', {id: 'timeline-plot'});
    this.legend = element('p', {id: 'timeline-legend'}, this.section);
    this.fit.addEventListener('click', () => this.redraw(() => this.timeline.fitAll()));
    this.save.addEventListener('click', () => this.saveChart());
    this.back.addEventListener('click', () => this.followForm());
    this.turns.addEventListener('change', () => this.redraw(() => this.timeline.setHeadingWrapped(!this.turns.checked)));
    this.takePointer();
    this.speak();
  }

  get shown() {
    return !this.section.hidden;
  }

  toggle() {
    this.section.hidden = !this.section.hidden;
    if (this.shown) this.refresh(true);
  }

  // The robot's log `text` from the file `name` in place of the run; throws what the module refuses.
  showLog(text, name) {
    this.timeline.showLog(text, name);
    this.section.hidden = false;
    this.showSource();
    this.draw();
  }

  // "Wróć do symulacji", and "Start": the form's run again.
  followForm() {
    if (!this.timeline.showingLog()) return;
    this.timeline.leaveLog();
    this.showSource();
    this.refresh(true);
  }

  showSource() {
    const log = this.timeline.showingLog();
    this.back.hidden = !log;
    this.source.hidden = !log;
    this.source.textContent = log ? this.timeline.source() : '';
    this.legendRules = -1;
  }

  // A new form: its run is not the one followed.
  forget() {
    this.timeline.clear();
    if (this.shown) this.refresh(true);
  }

  speak() {
    this.fit.textContent = pick(this.texts.fit);
    this.fit.title = pick(this.texts.fitTip);
    this.save.textContent = pick(this.texts.save);
    this.back.textContent = pick(this.texts.back);
    this.back.title = pick(this.texts.backTip);
    this.showSource();
    this.turnsText.textContent = pick(this.texts.turns);
    this.turns.parentElement.title = pick(this.texts.turnsTip);
    this.canvas.setAttribute('aria-label', pick(this.texts.chartName));
    this.legendRules = -1;
    if (this.shown) this.refresh(true);
  }

  // Follows the form's run; draws only when the chart changed.
  refresh(always = false) {
    if (!this.shown) return;
    if (this.timeline.follow(this.form()) || always) this.draw();
  }

  redraw(change) {
    change();
    this.draw();
  }

  labelWidth(context) {
    context.font = kFont;
    const labels = JSON.parse(this.timeline.labels());
    const widest = Math.max(context.measureText('−1440°').width, ...labels.rows.map((r) => context.measureText(r.text).width));
    return Math.ceil(widest) + 8;
  }

  draw() {
    const context = this.canvas.getContext('2d');
    const left = this.labelWidth(context);
    const width = Math.max(0, this.section.clientWidth - left);
    if (width !== this.timeline.width()) this.timeline.setWidth(width);
    const rgba = this.timeline.rgba();
    const height = this.timeline.height();
    this.plot.width = width;
    this.plot.height = height;
    if (width > 0) putModulePixels(this.plot, rgba);
    this.canvas.width = left + width;
    this.canvas.height = height + kAxisHeight;
    this.left = left;
    const labels = JSON.parse(this.timeline.labels());
    this.paintInto(context, left, labels, canvasPen(context));
    if (width > 0) context.drawImage(this.plot, left, 0);
    this.paintOver(context, left, labels, canvasPen(context));
    this.showLegend();
  }

  // The row names, the heading scale and the step axis, on white, with `text` and `line`; the plot
  // is put beside them.
  paintInto(context, left, labels, {text, line}) {
    const width = this.timeline.width();
    const height = this.timeline.height();
    context.fillStyle = '#fff';
    context.fillRect(0, 0, left + width, height + kAxisHeight);
    context.font = kFont;
    context.fillStyle = kLabelColour;
    const right = left - 4;
    for (const row of labels.rows) text(row.text, right, row.top + row.height / 2, 'right', 'middle');
    const [highRow, , lowRow] = labels.scale;
    if (labels.headingKnown) {
      for (const y of labels.scale) line(left - 3, y, left - 1, y);
      text(`${labels.high}°`, right, highRow, 'right', 'top');
      text(`${labels.low}°`, right, lowRow + 1, 'right', 'bottom');
    }
    for (const {column, step} of labels.axis) {
      line(left + column, height, left + column, height + 2);
      const at = Math.min(Math.max(left + column, left + 12), left + width - 12);
      text(String(step), at, height + 2, 'center', 'top');
    }
    text(labels.step, right, height + 2, 'right', 'top');
  }

  // Written on the plot: why its heading row is empty.
  paintOver(context, left, labels, {text}) {
    if (labels.headingKnown) return;
    context.font = kFont;
    context.fillStyle = kLabelColour;
    const heading = labels.rows[labels.rows.length - 1];
    text(labels.headingUnknown, left + 4, heading.top + heading.height / 2, 'left', 'middle');
  }

  showLegend() {
    const legend = JSON.parse(this.timeline.legend(this.form()));
    if (legend.rules.entries.length === this.legendRules) return;
    this.legendRules = legend.rules.entries.length;
    this.legend.replaceChildren(legend.rules.heading);
    if (legend.rules.entries.length === 0) this.legend.append(legend.rules.none);
    swatches(this.legend, legend.rules.entries);
    element('br', {}, this.legend);
    this.legend.append(legend.marks.heading);
    swatches(this.legend, legend.marks.entries);
    element('br', {}, this.legend);
    this.legend.append(legend.sensors);
  }

  columnAt(event) {
    const box = this.canvas.getBoundingClientRect();
    const column = Math.floor((event.clientX - box.left) * (this.canvas.width / box.width)) - this.left;
    return column >= 0 && column < this.timeline.width() ? column : -1;
  }

  takePointer() {
    let press = null;
    this.canvas.addEventListener('wheel', (event) => {
      event.preventDefault();
      if (event.deltaY === 0) return;
      this.redraw(() => this.timeline.zoom(kWheelZoom ** Math.sign(event.deltaY), Math.max(this.columnAt(event), 0)));
    });
    this.canvas.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      press = {x: event.clientX, last: event.clientX, dragging: false};
      this.canvas.setPointerCapture(event.pointerId);
    });
    this.canvas.addEventListener('pointermove', (event) => {
      if (press) {
        if (!press.dragging && Math.abs(event.clientX - press.x) <= kDragSlack) return;
        press.dragging = true;
        const last = press.last;
        press.last = event.clientX;
        this.redraw(() => this.timeline.pan(Math.round(last - event.clientX)));
        return;
      }
      this.canvas.title = this.timeline.tooltip(this.form(), this.columnAt(event));
    });
    this.canvas.addEventListener('pointerup', (event) => {
      const clicked = press && !press.dragging;
      press = null;
      if (!clicked) return;
      const step = this.timeline.stepAt(this.columnAt(event));
      if (step >= 0) this.showStep(step);
    });
  }

  saveChart() {
    const suggested = `${pick(this.texts.fileName)}.png`;
    let name = prompt(pick(this.texts.save).replace(/…$/, ''), suggested)?.trim();
    if (!name) return;
    if (!/\.[^/\\]*$/.test(name)) name += '.png';
    if (/\.svg$/i.test(name)) download(this.svg(), name);
    else this.canvas.toBlob((blob) => download(blob, name), 'image/png');
  }

  // The same chart as shapes: the core's rectangles of one colour, the words as text.
  svg() {
    const width = this.canvas.width;
    const height = this.canvas.height;
    const parts = [];
    const text = (t, x, y, align, base) => {
      const anchor = {left: 'start', center: 'middle', right: 'end'}[align];
      const baseline = {top: 'hanging', middle: 'central', bottom: 'text-after-edge'}[base];
      parts.push(`<text x="${x}" y="${y}" text-anchor="${anchor}" dominant-baseline="${baseline}">${escapeXml(t)}</text>`);
    };
    const line = (x0, y0, x1, y1) => parts.push(`<line x1="${x0}" y1="${y0}" x2="${x1}" y2="${y1}" stroke="${kLabelColour}"/>`);
    const sink = {fillRect() {}, set font(_) {}, set fillStyle(_) {}};
    const labels = JSON.parse(this.timeline.labels());
    this.paintInto(sink, this.left, labels, {text, line});
    const shapes = JSON.parse(this.timeline.shapes())
        .map(([x, y, w, h, c]) => `<rect x="${x + this.left}" y="${y}" width="${w}" height="${h}" fill="${c}"/>`);
    const under = parts.length;
    this.paintOver(sink, this.left, labels, {text, line});
    const over = parts.splice(under);
    return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">` +
        `<title>${escapeXml(pick(this.texts.title))}</title><rect width="${width}" height="${height}" fill="#fff"/>` +
        `<g font-family="sans-serif" font-size="10" fill="${kLabelColour}">${parts.join('')}</g>${shapes.join('')}` +
        `<g font-family="sans-serif" font-size="10" fill="${kLabelColour}">${over.join('')}</g></svg>`;
  }
}

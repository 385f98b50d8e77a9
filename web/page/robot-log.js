// "Otwórz przebieg robota…": a robot's log beside a run of the form's rules, the report the core
// makes, laid out as the window's dialog lays it out.

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function table(headings, rows) {
  const t = element('table', 'report-table');
  const head = t.createTHead().insertRow();
  for (const h of headings) head.appendChild(element('th', '', h));
  const body = t.createTBody();
  for (const row of rows) {
    const tr = body.insertRow();
    for (const cell of row) tr.appendChild(element('td', cell.number ? 'number' : '', cell.text));
  }
  return t;
}

function group(title, content) {
  const box = element('fieldset');
  box.append(element('legend', '', title), content);
  return box;
}

export class RobotLogDialog {
  // `report(text, fileName)` is the module's report as JSON; `showError(message)` a refusal;
  // `onTimeline(text, fileName)` puts the log on the time line; `words()` is {close, showLog, showLogTip}.
  constructor(report, showError, onTimeline, words) {
    this.report = report;
    this.showError = showError;
    this.onTimeline = onTimeline;
    this.words = words;
    this.input = element('input');
    Object.assign(this.input, {type: 'file', accept: '.csv,.txt,.log', hidden: true, id: 'open-robot-log'});
    this.input.addEventListener('change', () => {
      const file = this.input.files[0];
      this.input.value = '';
      if (file) file.text().then((text) => this.open(text, file.name), showError);
    });
    this.dialog = element('dialog');
    this.dialog.id = 'robot-log-dialog';
    document.body.append(this.input, this.dialog);
  }

  choose() {
    this.input.click();
  }

  // The report of the log `text`, named `fileName`, in the dialog; a log that cannot be read is
  // shown as an error and the dialog stays as it was.
  open(text, fileName) {
    let r;
    try {
      r = JSON.parse(this.report(text, fileName));
    } catch (error) {
      this.showError(error);
      return;
    }
    this.shown = [text, fileName];
    const h = r.headings;
    const body = element('div', 'report-body');
    body.append(element('p', 'headline', r.headline), element('p', 'summary', r.summary),
                group(h.lines, table([h.line, h.rule, h.robot, h.simulation], r.lines)),
                group(h.uncovered, element('p', 'uncovered', r.uncovered)),
                group(h.patterns, table([h.pattern, h.robot, h.simulation], r.patterns)));
    const close = element('form');
    close.method = 'dialog';
    const words = this.words();
    const timeline = element('button', '', words.showLog);
    Object.assign(timeline, {type: 'button', id: 'robot-log-timeline', title: words.showLogTip});
    timeline.addEventListener('click', () => {
      this.dialog.close();
      this.onTimeline(text, fileName);
    });
    close.append(timeline, ' ', element('button', '', words.close));
    this.dialog.replaceChildren(element('h2', '', h.title), body, close);
    if (!this.dialog.open) this.dialog.showModal();
  }

  // The report shown made again in the language just chosen.
  speak() {
    if (this.dialog.open) this.open(...this.shown);
  }
}

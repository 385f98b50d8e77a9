// Vemrik in a browser: the engine's form behind the page's controls, its menus and its controls
// both from the program's own tables.
import {useCellCursors} from './board-keys.js';
import {Clock, runOnBrowserTime} from './clock.js';
import {engineOptions} from './carried-files.js';
import {Challenges} from './challenges.js';
import {EvaluationDialog} from './evaluation.js';
import {acceptDrops, decodePicture, download, fetchText, isPicture} from './files.js';
import {FileCommands} from './file-commands.js';
import {FormView} from './form-view.js';
import {GradingDialog} from './grading.js';
import {RaceDialog} from './race.js';
import {HelpDialog} from './help.js';
import {fillWords, firstLanguage, keepLanguage, pageLanguage, pick, setPageLanguage, word} from './language.js';
import {MenuBar} from './menu.js';
import {RobotLogDialog} from './robot-log.js';
import {SketchDownload} from './sketch-download.js';
import {TrackPrintDialog} from './track-print.js';
import {keepForOffline} from './offline.js';
import {TimelinePanel} from './timeline.js';
import {UnsavedWork} from './unsaved-work.js';
import {PageZoom} from './zoom.js';

const params = new URLSearchParams(location.search);
// The example asked for in the address and the examples' list load while the module compiles.
const firstExample = params.get('przyklad');
const firstText = firstExample ? fetchText(`examples/${firstExample}.vemrik`) : null;
const exampleList = fetchText('examples/index.json');
firstText?.catch(() => {});
exampleList.catch(() => {});
setPageLanguage(firstLanguage());

async function loadEngine() {
  try {
    return await createVemrik(engineOptions());
  } catch (error) {
    document.getElementById('status').textContent = word('cannotStart', error.message ?? error);
    throw error;
  }
}

const m = await loadEngine();
m.setLanguage(pageLanguage());
let form = new m.WebForm();
let state = null;
// The file's name the form keeps, "bez nazwy.vemrik" in the page's language until it has one.
const nameOfFile = () => state.document.file || word('untitled');
// Opening a file leaves the images blank until the refresh cycle draws them; the first drawing
// after start-up is when the page has shown its first example.
let awaitingFirstDraw = false;

const commands = JSON.parse(m.commands());
const caption = (id) => pick(commands.find((c) => c.id === id).caption).replace(/&(.)/g, '$1');
const title = (id) => caption(id).replace(/…$/, '');
const textDialog = document.getElementById('text-dialog');
const statusLine = document.getElementById('status');

function showText(kind, heading, text) {
  textDialog.querySelector('h2').textContent = heading;
  textDialog.querySelector('pre').textContent = text;
  textDialog.dataset.kind = kind;
  if (!textDialog.open) textDialog.showModal();
}

function showError(error) {
  showText('error', word('error'), error.message ?? String(error));
}

// Every call into the form goes through here: a refusal is shown, the form keeps its state, and
// the page shows whatever the call changed.
function act(call) {
  try {
    call();
  } catch (error) {
    showError(error);
  }
  update();
}

// Whether the page does a command at all: the form's, the page's own, an example when there is one.
const canRun = (id) =>
  commands.find((c) => c.id === id)?.form || id in pageCommands || (id === 'file.examples' && examples.length > 0);
useCellCursors((width, height) => new m.CellCursor(width, height));
const view = new FormView(JSON.parse(m.layout()), JSON.parse(m.texts()), () => form, act, (id) => runCommand(id),
                          canRun);

const timeline = new TimelinePanel(m, () => form, (step) => act(() => form.showStep(step)));
document.getElementById('form').after(timeline.section);
// "Start" begins a run of the form's own: that is what the chart shows from then on.
document.getElementById('sim.start').addEventListener('click', () => timeline.followForm());

// The ticks only the page knows: the zoom, the language, the inspector's dialog.
function pageStates() {
  const ticked = (on) => ({enabled: true, checked: on});
  return {
    ...pageZoom.states(),
    'view.polish': ticked(pageLanguage() === 'pl'), 'view.english': ticked(pageLanguage() === 'en'),
    'run.inspector': ticked(textDialog.open && textDialog.dataset.kind === 'inspector'),
    'run.timeline': ticked(timeline.shown),
  };
}

function update() {
  state = JSON.parse(form.controls());
  view.mirror(state);
  statusLine.textContent = state.status;
  statusLine.title = state.stepsHint;
  document.title = state.document.title;
  clock.setRunTimer(state.runTimer.enabled ? state.runTimer.interval : 0);
  menuBar.mirror({...state.commands, ...pageStates()});
  if (textDialog.open && textDialog.dataset.kind === 'inspector') {
    textDialog.querySelector('pre').textContent = form.inspect();
  }
  timeline.refresh();
}

const clock = new Clock(
    () => {
      // Drawing only the page in front keeps a redraw of the busy map within a frame.
      if (form.tick()) {
        view.drawPage(view.shownPage());
        update();
        if (awaitingFirstDraw) {
          awaitingFirstDraw = false;
          window.vemrikPage.shownAt = performance.now();
        }
      }
    },
    () => act(() => form.runTick()));

function replaceForm(next) {
  form.delete();
  form = next;
  view.forget();
  timeline.forget();
  update();
}

function openText(text, name) {
  try {
    form.open(text);
    form.keep(name);
    files.used(name, text);
  } catch (error) {
    showText('error', word('error'), word('cannotOpen', name, error.message ?? error));
  }
  update();
}

async function openExample(name, text = fetchText(`examples/${name}.vemrik`)) {
  try {
    openText(await text, `${name}.vemrik`);
  } catch (error) {
    showError(error);
  }
}

async function importPicture(file) {
  try {
    const {rgba, width, height} = await decodePicture(file, m.fittedPicture);
    act(() => form.importPicture(rgba, width, height));
  } catch (error) {
    showError(error);
  }
}

function openFile(file) {
  file.text().then((text) => openText(text, file.name), showError);
}

// A picture is imported into the work, which "Cofnij importu" takes back; a workspace replaces it.
function takeDropped(file) {
  if (isPicture(file)) importPicture(file);
  else unsaved.guarded(openFile)(file);
}

const evaluation = new EvaluationDialog(() => ({text: form.save(), name: nameOfFile()}),
                                        JSON.parse(m.evaluationSettings()), {
  texts: JSON.parse(m.evaluationTexts()),
  merge: (job, shares) => m.evaluationResult(job, shares),
  showRun: (text, seed, steps, noise) => {
    let refusal = '';
    act(() => { refusal = form.showEvaluatedRun(text, seed, steps, noise); });
    return refusal;
  },
});
const grading = new GradingDialog(JSON.parse(m.gradingTexts()));
const mayDrop = () => unsaved.mayDrop();
const race = new RaceDialog(m, () => form, act, params.get('zegar') === 'reczny', mayDrop);
race.offerFor(grading);
const challenges = new Challenges(m, {form: () => form, act, mayDrop, refill: () => menuBar.render(), tell: showError,
                                      openWork: (text) => act(() => { form.open(text); form.keep(''); })});
const trackPrint = new TrackPrintDialog(m, () => form, (text) => showText('print', title('file.print'), text));
const robotLog = new RobotLogDialog((text, name) => m.robotLogReport(form, text, name), showError, (text, name) => {
  try {
    timeline.showLog(text, name);
  } catch (error) {
    showError(error);
  }
  update();
  timeline.section.scrollIntoView({block: 'nearest'});
}, () => ({close: word('close'), showLog: pick(timeline.texts.showLog), showLogTip: pick(timeline.texts.showLogTip)}));
const sketch = new SketchDownload(m, () => form, () => state.document.file, showError,
                                  {save: () => word('download'), cancel: () => word('cancel')});
const openInput = document.getElementById('open-file');
const pictureInput = document.getElementById('open-picture');
openInput.addEventListener('change', () => {
  if (openInput.files[0]) openFile(openInput.files[0]);
  openInput.value = '';
});
pictureInput.addEventListener('change', () => {
  if (pictureInput.files[0]) importPicture(pictureInput.files[0]);
  pictureInput.value = '';
});

function saveTo(name) {
  const text = form.save();
  download(text, name);
  form.keep(name);
  files.used(name, text);
  update();
}

const files = new FileCommands(m, {form: () => form, state: () => state, saveTo, openText, act, title, mayDrop,
                                   tell: (message) => showText('recent', title('file.recent'), message),
                                   refill: () => menuBar.render()});

const unsaved = new UnsavedWork(files.texts, {document: () => state.document, save: () => saveTo(nameOfFile()),
                                           tell: (message) => showText('quit', title('file.quit'), message)});

const pageZoom = new PageZoom(m.zoomShown, document.getElementById('form'),
                              [document.querySelector('.menubar'), statusLine], () => update());
const help = new HelpDialog(document.getElementById('help-dialog'), JSON.parse(m.helpTexts()));

function toggleInspector() {
  if (textDialog.open && textDialog.dataset.kind === 'inspector') textDialog.close();
  else showText('inspector', title('run.inspector'), form.inspect());
  update();
}

function setLanguage(code) {
  setPageLanguage(code);
  keepLanguage(code);
  m.setLanguage(code);
  speak();
  help.speak();
  robotLog.speak();
  closeUnspoken();
}

// A dialog whose words were made in the language left (a report, a refusal, a question) closes.
function closeUnspoken() {
  const speaking = ['help-dialog', 'robot-log-dialog'];
  for (const dialog of document.querySelectorAll('dialog[open]')) if (!speaking.includes(dialog.id)) dialog.close();
}

// What the page does itself; the form's own commands go to the form.
const pageCommands = {
  'file.new': unsaved.guarded(() => replaceForm(new m.WebForm())),
  'file.open': unsaved.guarded(() => openInput.click()),
  'file.save': () => saveTo(nameOfFile()),
  ...files.commands(),
  'file.importTrack': () => pictureInput.click(),
  'file.print': () => trackPrint.show(),
  'file.arduino': () => sketch.show(title('file.arduino')),
  'file.robotLog': () => robotLog.choose(),
  'file.quit': () => unsaved.quit(),
  ...Object.fromEntries(pageZoom.commands().map((id) => [id, () => pageZoom.choose(id)])),
  'view.polish': () => setLanguage('pl'),
  'view.english': () => setLanguage('en'),
  'run.inspector': toggleInspector,
  'run.ruleCheck': () => showText('ruleCheck', title('run.ruleCheck'), form.ruleCheck()),
  'run.evaluate': () => evaluation.show(title('run.evaluate')),
  'run.grade': () => grading.show(),
  'run.race': () => race.show(),
  ...challenges.commands(),
  'run.timeline': () => {
    act(() => timeline.toggle());
    // Below the form its chart may start under the status line on a small screen: brought into view.
    const hidden = timeline.canvas.getBoundingClientRect().top >= statusLine.getBoundingClientRect().top;
    if (timeline.shown && hidden) timeline.section.scrollIntoView({block: 'nearest'});
  },
  'help.guide': () => help.showGuide(),
  'help.about': () => help.showAbout(),
};

function runCommand(id, example) {
  // Without a name, the first example: the list is easiest first.
  if (id === 'file.examples') unsaved.guarded(openExample)(example ?? examples[0]?.name);
  else if (pageCommands[id]) pageCommands[id](example);
  else act(() => form.command(id));
}

let examples = [];
function fillExamples(command, group) {
  for (const {name, title, titleEn, description, descriptionEn} of examples) {
    const item = document.createElement('button');
    item.setAttribute('role', 'menuitem');
    item.dataset.example = name;
    const shown = pick({pl: title, en: titleEn || title}) || name;
    item.textContent = `${shown} — ${pick({pl: description, en: descriptionEn || description})}`;
    group.appendChild(item);
  }
}

const menuBar = new MenuBar(document.querySelector('.menubar'), JSON.parse(m.menus()), commands, {
  run: runCommand,
  fill: (command, group) => {
    if (command.id === 'challenges.levels') challenges.fill(group);
    else if (command.id === 'file.recent') files.fillRecent(group);
    else fillExamples(command, group);
  },
  usable: (c) => canRun(c.id),
});

// Every word on the page in its language: the menus, the controls, the dialogs, the core's texts.
function speak() {
  fillWords();
  menuBar.render();
  view.speak();
  timeline.speak();
  update();
}

textDialog.addEventListener('close', update);
acceptDrops(document.getElementById('drop-hint'), (file, all) => challenges.takeFiles(all) || takeDropped(file));

// For tests and measurements: the form, and the clock when the address asks for a manual one.
window.vemrikPage = {form: () => form, fileName: nameOfFile, clock, update, timeline, race, layout: m.layout(),
                     commands: m.commands(), texts: m.texts()};

try {
  examples = JSON.parse(await exampleList).sort((a, b) => a.order - b.order);
} catch {
  examples = [];  // served without its examples; the rest of the page works
}
// Served without its levels the rest of the page works; awaited so the menus are whole before the page says it is ready.
const levelsLoaded = challenges.loadBuiltIn().catch(() => {});
pageZoom.follow();
speak();
view.drawAll();
if (firstExample) {
  awaitingFirstDraw = true;
  await openExample(firstExample, firstText);
}
await levelsLoaded;
if (params.get('zegar') !== 'reczny') runOnBrowserTime(clock);
document.body.dataset.ready = 'true';
keepForOffline();

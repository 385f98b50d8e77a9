// Vemrik in a browser: the engine's form behind the page's controls.
import {Clock, runOnBrowserTime} from './clock.js';
import {EvaluationDialog} from './evaluation.js';
import {acceptDrops, decodePicture, download, fetchText, isPicture} from './files.js';
import {FormView} from './form-view.js';
import {HeadingMark} from './heading-mark.js';
import {listenToMenus} from './menu.js';

const kUntitled = 'bez nazwy.vemrik';

const params = new URLSearchParams(location.search);
// The example asked for in the address and the examples' list load while the module compiles.
const firstExample = params.get('przyklad');
const firstText = firstExample ? fetchText(`examples/${firstExample}.vemrik`) : null;
const exampleList = fetchText('examples/index.json');
firstText?.catch(() => {});
exampleList.catch(() => {});

async function loadEngine() {
  try {
    return await createVemrik();
  } catch (error) {
    document.getElementById('status').textContent = `Nie można uruchomić programu: ${error.message ?? error}`;
    throw error;
  }
}

const m = await loadEngine();
let form = new m.WebForm();
let fileName = kUntitled;
let state = null;
// Opening a file leaves the images blank until the refresh cycle draws them; the first drawing
// after start-up is when the page has shown its first example.
let awaitingFirstDraw = false;

const textDialog = document.getElementById('text-dialog');
const statusLine = document.getElementById('status');
const stepSlider = document.getElementById('step-slider');
const stepLabel = document.getElementById('step-label');
const stepBackButton = document.getElementById('step-back');

function showText(title, text) {
  textDialog.querySelector('h2').textContent = title;
  textDialog.querySelector('pre').textContent = text;
  textDialog.dataset.kind = title;
  if (!textDialog.open) textDialog.showModal();
}

function showError(error) {
  showText('Błąd', error.message ?? String(error));
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

const view = new FormView(JSON.parse(m.layout()), () => form, act);
const headingMark = new HeadingMark(document.getElementById('heading-caption'),
                                    document.getElementById('heading-arrow'));

function shownPage() {
  return state ? state.page : 3;
}

function update() {
  state = JSON.parse(form.controls());
  view.mirror(state);
  showPage(state.page);
  statusLine.textContent = state.status;
  clock.setRunTimer(state.runTimer.enabled ? state.runTimer.interval : 0);
  mirrorSteps();
  headingMark.show(state.track2, state.held);
  if (textDialog.open && textDialog.dataset.kind === 'Inspektor reguł') {
    textDialog.querySelector('pre').textContent = form.inspect();
  }
}

function mirrorSteps() {
  const {steps, shown} = state.history;
  stepSlider.max = steps;
  stepSlider.value = shown;
  stepSlider.disabled = steps === 0;
  stepLabel.textContent = steps === 0 ? 'Krok: brak' : `Krok ${shown} z ${steps}`;
  stepBackButton.disabled = !state.canStepBack;
}

let pageShown = -1;
function showPage(page) {
  if (page === pageShown) return;
  pageShown = page;
  for (const section of document.querySelectorAll('.page')) {
    section.classList.toggle('shown', Number(section.dataset.page) === page);
  }
  for (const tab of document.querySelectorAll('[role="tab"]')) {
    const selected = Number(tab.dataset.page) === page;
    tab.setAttribute('aria-selected', String(selected));
  }
  view.drawPage(page);
}

const clock = new Clock(
    () => {
      // Drawing only the page in front keeps a redraw of the busy map within a frame.
      if (form.tick()) {
        view.drawPage(shownPage());
        update();
        if (awaitingFirstDraw) {
          awaitingFirstDraw = false;
          window.vemrikPage.shownAt = performance.now();
        }
      }
    },
    () => act(() => form.runTick()));

function replaceForm(next, name) {
  form.delete();
  form = next;
  fileName = name;
  pageShown = -1;
  update();
}

function openText(text, name) {
  try {
    form.open(text);
    fileName = name;
  } catch (error) {
    showText('Błąd', `Nie można otworzyć „${name}”:\n${error.message ?? error}`);
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
    const {rgba, width, height} = await decodePicture(file);
    act(() => form.importPicture(rgba, width, height));
  } catch (error) {
    showError(error);
  }
}

function openFile(file) {
  if (isPicture(file)) {
    importPicture(file);
    return;
  }
  file.text().then((text) => openText(text, file.name), showError);
}

const evaluation =
    new EvaluationDialog(() => ({text: form.save(), name: fileName}), JSON.parse(m.evaluationSettings()));
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

const actions = {
  new: () => replaceForm(new m.WebForm(), kUntitled),
  open: () => openInput.click(),
  save: () => download(form.save(), fileName),
  import: () => pictureInput.click(),
  pause: () => act(() => form.pause()),
  stepBack: () => act(() => form.stepBack()),
  inspect: () => showText('Inspektor reguł', form.inspect()),
  ruleCheck: () => showText('Sprawdź reguły', form.ruleCheck()),
  evaluate: () => evaluation.show(),
};

async function listExamples() {
  const group = document.getElementById('examples');
  try {
    for (const {name, description} of JSON.parse(await exampleList)) {
      const item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.dataset.example = name;
      item.textContent = `${name}: ${description}`;
      group.appendChild(item);
    }
  } catch {
    group.hidden = true;  // served without its examples; the rest of the page works
  }
}

listenToMenus((item) => {
  if (item.dataset.example) openExample(item.dataset.example);
  else actions[item.dataset.action]?.();
});
document.getElementById('rule-check-button').addEventListener('click', actions.ruleCheck);
stepBackButton.addEventListener('click', actions.stepBack);
stepSlider.addEventListener('input', () => act(() => form.showStep(Number(stepSlider.value))));
for (const tab of document.querySelectorAll('[role="tab"]')) {
  tab.addEventListener('click', () => act(() => form.page(Number(tab.dataset.page))));
}
document.addEventListener('keydown', (e) => {
  // The space bar pauses a run on "Symulacja", unless a control has the keyboard.
  if (e.key === ' ' && shownPage() === 3 && e.target === document.body) {
    e.preventDefault();
    actions.pause();
  }
});
acceptDrops(document.getElementById('drop-hint'), openFile);

// For tests and measurements: the form, and the clock when the address asks for a manual one.
window.vemrikPage = {form: () => form, fileName: () => fileName, clock, update, layout: m.layout()};

update();
view.drawAll();
await listExamples();
if (firstExample) {
  awaitingFirstDraw = true;
  await openExample(firstExample, firstText);
}
if (params.get('zegar') !== 'reczny') runOnBrowserTime(clock);
document.body.dataset.ready = 'true';

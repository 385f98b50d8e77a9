// The page's language: the one chosen in "Widok" → "Język", kept for the next visit; on a first
// visit the browser's first choice: Polish where it is Polish, English for any other.
// Texts of the core come from the module as {pl, en}; this table holds only the words the
// desktop program never says.

import {keep, kept} from './storage.js';

const kKey = 'vemrik.language';

export function firstLanguage() {
  const chosen = kept(kKey);
  if (chosen === 'pl' || chosen === 'en') return chosen;
  const preferred = navigator.languages?.[0] ?? navigator.language ?? '';
  return preferred.toLowerCase().startsWith('pl') ? 'pl' : 'en';
}

export function keepLanguage(code) {
  keep(kKey, code);
}

const kWords = {
  cannotStart: ['Nie można uruchomić programu: {1}', 'The program cannot start: {1}'],
  untitled: ['bez nazwy.vemrik', 'untitled.vemrik'],
  error: ['Błąd', 'Error'],
  cannotOpen: ['Nie można otworzyć „{1}”:\n{2}', 'Cannot open “{1}”:\n{2}'],
  close: ['Zamknij', 'Close'],
  dropHint: ['Upuść plik .vemrik, aby go otworzyć', 'Drop a .vemrik file to open it'],
  desktopOnly: ['Na razie tylko w programie na komputer', 'For now only in the desktop program'],
  firstSeed: ['Pierwsze ziarno', 'First seed'],
  runs: ['Liczba przebiegów', 'Number of runs'],
  maxSteps: ['Najwięcej kroków', 'Most steps'],
  evaluate: ['Oceń', 'Evaluate'],
  cancel: ['Anuluj', 'Cancel'],
  evaluating: ['Ocenianie…', 'Evaluating…'],
  cancelled: ['Anulowano.', 'Cancelled.'],
  badSettings: ['Podaj całkowite ziarno ({1} … {2}), liczbę przebiegów ({3} … {4}) i kroków ({5} … {6}).',
                'Give a whole seed ({1} … {2}), number of runs ({3} … {4}) and of steps ({5} … {6}).'],
  evaluationHeading: ['Ocena: {1}', 'Evaluation: {1}'],
  stepsToFinish: ['kroki do mety', 'steps to the finish'],
  numberOfRuns: ['liczba prób', 'number of runs'],
  cannotFetch: ['Nie można wczytać „{1}” ({2}).', 'Cannot load “{1}” ({2}).'],
  notAPicture: ['Plik „{1}” nie jest obrazem, który przeglądarka umie odczytać.',
                'The file “{1}” is not a picture the browser can read.'],
  noPixels: ['Obraz „{1}” nie ma żadnych pikseli.', 'The picture “{1}” has no pixels.'],
  fileName: ['Nazwa pliku', 'File name'],
  tooBigToKeep: ['Plik „{1}” jest za duży, by przeglądarka zapamiętała go na liście „Ostatnio otwierane” (najwyżej {2} KiB).',
                 'The file “{1}” is too big for the browser to keep in “Recent files” (at most {2} KiB).'],
  download: ['Pobierz', 'Download'],
  progressNotKept: ['Przeglądarka nie zapamiętała postępów (jej pamięć jest wyłączona albo pełna). Zapisz je w pliku: „{1}”.',
                    'The browser did not keep the progress (its storage is off or full). Save it to a file: “{1}”.'],
};

let current = 'pl';

export function setPageLanguage(code) {
  current = code;
  document.documentElement.lang = code;
}

export function pageLanguage() {
  return current;
}

// `text` ({pl, en}, as the module gives the core's texts) in the page's language.
export function pick(text) {
  return text[current];
}

function filled(text, args) {
  return text.replace(/\{(\d)\}/g, (_, n) => String(args[Number(n) - 1]));
}

// A page's word, its {1}, {2}… replaced by `args`.
export function word(key, ...args) {
  return filled(kWords[key][current === 'en' ? 1 : 0], args);
}

// A core text ({pl, en}) with its {1}, {2}… replaced.
export function say(text, ...args) {
  return filled(pick(text), args);
}

// Fills every element marked data-word with its word: the dialogs' fixed words.
export function fillWords(root = document) {
  for (const el of root.querySelectorAll('[data-word]')) el.textContent = word(el.dataset.word);
}

// A small dialog that asks for one line of text (a file's name, the seed), and for a saved run
// which kind of file to write: the page's stand-in for the window's save and input dialogs.
import {word} from './language.js';

let dialog = null;

function build() {
  dialog = document.createElement('dialog');
  dialog.id = 'name-dialog';
  dialog.innerHTML = `<form method="dialog">
    <h2></h2>
    <label><span></span><input id="name-text" autocomplete="off" spellcheck="false"></label>
    <select id="name-kind"></select>
    <p><button value="ok" id="name-ok">OK</button> <button value="cancel" id="name-cancel" formnovalidate></button></p>
  </form>`;
  document.body.appendChild(dialog);
}

// Resolves to {text, kind} (kind: the chosen option's place) when confirmed, null when cancelled.
// `kinds`: the captions of the kinds to offer, none for no choice.
export function askText({heading, label, value, kinds = []}) {
  if (!dialog) build();
  dialog.querySelector('h2').textContent = heading;
  dialog.querySelector('label span').textContent = label;
  dialog.querySelector('#name-cancel').textContent = word('cancel');
  const input = dialog.querySelector('#name-text');
  input.value = value;
  const select = dialog.querySelector('#name-kind');
  select.replaceChildren(...kinds.map((caption, i) => new Option(caption, String(i))));
  select.hidden = kinds.length === 0;
  dialog.returnValue = '';
  dialog.showModal();
  input.select();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      resolve(dialog.returnValue === 'ok' ? {text: input.value, kind: Number(select.value || 0)} : null);
    }, {once: true});
  });
}

// The window's question before unsaved work would be dropped, asked by every command that replaces
// the work and by "Zakończ", after which the tab closes where the browser lets a page close it and
// is left to the user where it does not. Leaving the page any other way gets the browser's warning.
import {pick, say, word} from './language.js';

let dialog = null;

function build() {
  dialog = document.createElement('dialog');
  dialog.id = 'save-question';
  dialog.innerHTML = `<form method="dialog">
    <h2></h2>
    <p></p>
    <div class="buttons"><button value="save"></button> <button value="discard"></button>
      <button value="cancel"></button></div>
  </form>`;
  document.body.appendChild(dialog);
}

// Resolves to 'save', 'discard' or 'cancel', as the window's three buttons; Escape cancels.
function askToSave(texts, fileName) {
  if (!dialog) build();
  dialog.querySelector('h2').textContent = pick(texts.saveChanges);
  dialog.querySelector('p').textContent = fileName ? say(texts.notSavedIn, fileName) : pick(texts.notSaved);
  const [save, discard, cancel] = dialog.querySelectorAll('button');
  save.textContent = pick(texts.yes);
  discard.textContent = pick(texts.no);
  cancel.textContent = word('cancel');
  dialog.returnValue = 'cancel';
  dialog.showModal();
  save.focus();
  return new Promise((resolve) => dialog.addEventListener('close', () => resolve(dialog.returnValue), {once: true}));
}

export class UnsavedWork {
  // `page`: {document() (the form's {file, modified}), save(), tell(message)}.
  constructor(texts, page) {
    this.texts = texts;
    this.page = page;
    this.leaving = false;
    window.addEventListener('beforeunload', (e) => {
      if (this.leaving || !this.page.document().modified) return;
      e.preventDefault();
      e.returnValue = '';
    });
  }

  // True when the work may go: nothing unsaved, saved now, or the user let it go.
  async mayDrop() {
    const {file, modified} = this.page.document();
    if (!modified) return true;
    const answer = await askToSave(this.texts, file);
    if (answer === 'save') this.page.save();
    return answer !== 'cancel';
  }

  // `call` only once the unsaved work, if any, is saved or let go.
  guarded(call) {
    return async (...args) => {
      if (await this.mayDrop()) call(...args);
    };
  }

  async quit() {
    if (!(await this.mayDrop())) return;
    this.leaving = true;  // asked already: the browser's warning would ask again
    window.close();
    // Still open: the browser keeps tabs the user opened for the user to close.
    setTimeout(() => {
      this.leaving = false;
      if (!window.closed) this.page.tell(pick(this.texts.closeTab));
    });
  }
}

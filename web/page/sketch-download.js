// "Eksportuj na Arduino…": what the export makes said first, as the window's folder picker says
// it, then the sketch folder downloaded as a ZIP of the files vemrik-eval arduino writes.
import {download} from './files.js';

export class SketchDownload {
  // `fileName()` the name the form keeps ("" for none); `showError(error)` a refusal.
  constructor(m, form, fileName, showError, words) {
    Object.assign(this, {m, form, fileName, showError, words});
    this.dialog = document.createElement('dialog');
    this.dialog.id = 'sketch-dialog';
    document.body.appendChild(this.dialog);
  }

  show(heading) {
    const note = document.createElement('p');
    note.textContent = this.m.sketchNote(this.fileName());
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const save = document.createElement('button');
    save.id = 'sketch-save';
    save.textContent = this.words.save();
    save.addEventListener('click', () => {
      this.dialog.close();
      this.save();
    });
    const cancel = document.createElement('button');
    cancel.textContent = this.words.cancel();
    cancel.addEventListener('click', () => this.dialog.close());
    buttons.append(save, cancel);
    const title = document.createElement('h2');
    title.textContent = heading;
    this.dialog.replaceChildren(title, note, buttons);
    this.dialog.showModal();
  }

  save() {
    try {
      const {name, bytes} = this.m.sketchDownload(this.form(), this.fileName());
      download(bytes, name);
    } catch (error) {
      this.showError(error);
    }
  }
}

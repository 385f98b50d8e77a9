// "Pomoc": the guide the window shows, made HTML when the page was built, with its pictures, and
// "O programie", both in the page's language, in a dialog of their own that Escape closes.
import {carriedPicture} from './carried-files.js';
import {fetchText} from './files.js';
import {pageLanguage, pick} from './language.js';

export class HelpDialog {
  // `texts`: the module's helpTexts().
  constructor(dialog, texts) {
    this.dialog = dialog;
    this.texts = texts;
    this.body = dialog.querySelector('.help-body');
    this.heading = dialog.querySelector('h2');
  }

  async showGuide() {
    this.open('guide', this.texts.guideTitle);
    const language = pageLanguage();
    const base = new URL('.', location.href).href;
    const folder = new URL(`help/${language}/`, base);
    let html;
    try {
      html = await fetchText(`help/${language}/guide.html`);
    } catch {
      html = null;
    }
    if (this.dialog.dataset.kind !== 'guide' || language !== pageLanguage()) return;  // moved on meanwhile
    if (html === null) {
      this.body.textContent = pick(this.texts.noGuide);
      return;
    }
    this.body.innerHTML = html;
    // The guide names its pictures as the repository holds them, beside its own folder; the one
    // file carries them by their place in the folder.
    for (const img of this.body.querySelectorAll('img')) {
      const address = new URL(img.getAttribute('src'), folder);
      img.src = carriedPicture(address.href.slice(base.length)) ?? address.href;
    }
  }

  showAbout() {
    this.open('about', this.texts.aboutTitle);
    this.body.innerHTML = pick(this.texts.about);
  }

  open(kind, title) {
    this.dialog.dataset.kind = kind;
    this.heading.textContent = pick(title);
    this.body.replaceChildren();
    this.body.scrollTop = 0;
    if (!this.dialog.open) this.dialog.showModal();
  }

  // The guide shown again in the language just chosen.
  speak() {
    if (!this.dialog.open) return;
    if (this.dialog.dataset.kind === 'guide') this.showGuide();
    else this.showAbout();
  }
}

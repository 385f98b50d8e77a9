// "Plik" → "Ostatnio otwierane" in the page: the files opened or saved last, with their text, kept
// in the browser's storage. Which names and in what order is the module's (m.recentWith), as in
// the window.
import {pick, word} from './language.js';
import {forget, keep, kept, usable} from './storage.js';

const kKey = 'vemrik.recent';
// Eight files of this size stay within what a browser keeps for a site (about 5 M characters).
export const kMostCharacters = 512 * 1024;

export class RecentFiles {
  // `m`: the module; `tell(message)`: shows why a file was not kept.
  constructor(m, tell) {
    this.m = m;
    this.tell = tell;
    this.clearCaption = JSON.parse(m.fileTexts()).clearRecent;
  }

  kept() {
    try {
      const {names, texts} = JSON.parse(kept(kKey) ?? '{}');
      return {names: names ?? [], texts: texts ?? {}};
    } catch {
      return {names: [], texts: {}};
    }
  }

  // Stores the list, dropping the oldest files while the browser will not take it all.
  store(names, texts) {
    for (let n = names.length; n > 0; --n) {
      const shown = names.slice(0, n);
      // Too much for the browser's storage: one file fewer.
      if (keep(kKey, JSON.stringify({names: shown, texts: Object.fromEntries(shown.map((k) => [k, texts[k]]))}))) return true;
    }
    forget(kKey);
    return names.length === 0;
  }

  // A file just opened or saved; false when it cannot be kept, and the user is told why unless the
  // browser keeps nothing for the page at all, when the list just stays empty.
  remember(name, text) {
    if (text.length > kMostCharacters) {
      this.tell(word('tooBigToKeep', name, kMostCharacters / 1024));
      return false;
    }
    const {names, texts} = this.kept();
    const stored = this.store(JSON.parse(this.m.recentWith(JSON.stringify(names), name)), {...texts, [name]: text});
    if (!stored && usable()) this.tell(word('tooBigToKeep', name, kMostCharacters / 1024));
    return stored;
  }

  clear() {
    forget(kKey);
  }

  // {name, text} of entry `index`, null when it is no longer there.
  entry(index) {
    const {names, texts} = this.kept();
    const name = names[index];
    return name !== undefined && typeof texts[name] === 'string' ? {name, text: texts[name]} : null;
  }

  // The submenu's entries: "&1 oval.vemrik"…, then "Wyczyść listę" below a line.
  fill(group) {
    const entry = (caption, key) => {
      const item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.dataset.command = 'file.recent';
      item.dataset.entry = key;
      item.dataset.mnemonic = caption.match(/&(.)/)?.[1].toLowerCase() ?? '';
      item.textContent = caption.replace(/&(.)/g, '$1');
      group.appendChild(item);
      return item;
    };
    const {names} = this.kept();
    names.forEach((name, i) => entry(this.m.recentCaption(i, name), String(i)));
    if (names.length > 0) entry(pick(this.clearCaption), 'clear').classList.add('separated');
  }
}

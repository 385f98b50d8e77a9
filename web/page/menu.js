// The menu bar, built from the program's command table (the module's menus() and commands()): a
// title opens its menu, a click elsewhere or Escape closes it, Alt and a title's underlined letter
// opens it, an entry's underlined letter chooses it, and each command's key runs it.
import {pick, word} from './language.js';

// "&Otwórz…" as its words with the letter after "&" underlined; "&&" is a plain "&".
function captionNodes(text) {
  const nodes = [];
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&') {
        const u = document.createElement('u');
        u.textContent = text[i];
        nodes.push(u);
        continue;
      }
    }
    nodes.push(text[i]);
  }
  return nodes;
}

function mnemonic(text) {
  const at = text.replace(/&&/g, '').indexOf('&');
  return at < 0 ? '' : text.replace(/&&/g, '')[at + 1].toLowerCase();
}

const kRoles = {Action: 'menuitem', Toggle: 'menuitemcheckbox', Choice: 'menuitemradio'};

// The key a command's shortcut names, as a keydown tells it: "Ctrl+Shift+S", "F1", "Space".
function keyOf(e) {
  const key = e.key === ' ' ? 'Space' : e.key.length === 1 ? e.key.toUpperCase() : e.key;
  return [e.ctrlKey || e.metaKey ? 'Ctrl' : '', e.shiftKey ? 'Shift' : '', e.altKey ? 'Alt' : '', key]
      .filter(Boolean).join('+');
}

export class MenuBar {
  // `run(command)` runs a chosen command; `fill(command, group)` fills a Filled command's group
  // (the examples); `usable(command)` tells whether the page does it at all.
  constructor(nav, menus, commands, {run, fill, usable}) {
    this.nav = nav;
    this.menus = menus;
    this.commands = commands;
    this.run = run;
    this.fill = fill;
    this.usable = usable;
    this.items = {};
    this.states = {};
    document.addEventListener('click', () => this.close());
    document.addEventListener('keydown', (e) => this.key(e));
  }

  // Builds the bar anew in the page's language.
  render() {
    this.items = {};
    this.nav.replaceChildren(...this.menus.map((menu) => this.menu(menu)));
    this.mirror(this.states);
  }

  menu(heading) {
    const box = document.createElement('div');
    box.className = 'menu';
    box.dataset.menu = heading.name;
    const title = document.createElement('button');
    title.className = 'menu-title';
    title.setAttribute('aria-haspopup', 'true');
    title.setAttribute('aria-expanded', 'false');
    title.dataset.mnemonic = mnemonic(pick(heading.caption));
    title.append(...captionNodes(pick(heading.caption)));
    const items = document.createElement('div');
    items.className = 'menu-items';
    items.setAttribute('role', 'menu');
    items.hidden = true;
    let group = null;
    for (const command of this.commands.filter((c) => c.menu === heading.name)) {
      const submenu = pick(command.submenu);
      if (!submenu) group = null;
      else if (group?.dataset.submenu !== submenu) group = this.group(items, submenu, command.separator);
      (group ?? items).appendChild(this.entry(command, !group && command.separator));
    }
    title.addEventListener('click', (e) => {
      e.stopPropagation();
      const wasOpen = title.getAttribute('aria-expanded') === 'true';
      this.close();
      if (!wasOpen) this.open(title);
    });
    items.addEventListener('click', (e) => {
      const item = e.target.closest('button[data-command], button[data-example], button[data-entry]');
      if (!item || item.disabled) return;
      e.stopPropagation();
      this.close();
      // A dialog the entry opens gives the focus back to where it was before the menu.
      this.returnFocus?.focus();
      // An entry of a filled submenu without a command of its own is its group's.
      const command = item.dataset.command ?? item.closest('.menu-group')?.dataset.command ?? 'file.examples';
      this.run(command, item.dataset.example ?? item.dataset.entry);
    });
    box.append(title, items);
    return box;
  }

  group(items, caption, separator) {
    const group = document.createElement('div');
    group.className = 'menu-group';
    group.setAttribute('role', 'group');
    group.dataset.submenu = caption;
    group.setAttribute('aria-label', caption.replace(/&(.)/g, '$1'));
    if (separator) group.classList.add('separated');
    const heading = document.createElement('span');
    heading.className = 'menu-heading';
    heading.append(...captionNodes(caption));
    group.appendChild(heading);
    items.appendChild(group);
    return group;
  }

  entry(command, separator) {
    if (command.kind === 'Filled') {
      const group = this.group(document.createDocumentFragment(), pick(command.caption), separator);
      group.dataset.command = command.id;
      if (this.usable(command)) this.fill(command, group);
      else this.markDesktopOnly(group);
      return group;
    }
    const item = document.createElement('button');
    item.setAttribute('role', kRoles[command.kind]);
    item.dataset.command = command.id;
    item.dataset.mnemonic = mnemonic(pick(command.caption));
    if (separator) item.classList.add('separated');
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.append(...captionNodes(pick(command.caption)));
    const shortcut = document.createElement('span');
    shortcut.className = 'shortcut';
    shortcut.textContent = command.shortcut;
    item.append(caption, shortcut);
    if (!this.usable(command)) this.markDesktopOnly(item);
    this.items[command.id] = item;
    return item;
  }

  markDesktopOnly(el) {
    el.classList.add('desktop-only');
    el.title = word('desktopOnly');
    if (el.tagName === 'BUTTON') el.disabled = true;
  }

  // Enabled and ticked as the form decides ({id: {enabled, checked}}), and the page's own ticks.
  mirror(states) {
    this.states = states;
    for (const [id, item] of Object.entries(this.items)) {
      const state = states[id];
      if (!state) continue;
      if (!item.classList.contains('desktop-only')) item.disabled = !state.enabled;
      if (item.getAttribute('role') !== 'menuitem') item.setAttribute('aria-checked', String(state.checked));
    }
  }

  open(title) {
    // Opened from the keyboard (Alt and a letter) the focus was elsewhere: it goes back there.
    this.returnFocus = this.nav.contains(document.activeElement) ? null : document.activeElement;
    title.setAttribute('aria-expanded', 'true');
    title.nextElementSibling.hidden = false;
    title.nextElementSibling.querySelector('button:not(:disabled)')?.focus();
  }

  close() {
    for (const title of this.nav.querySelectorAll('.menu-title')) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
  }

  key(e) {
    const openMenu = this.nav.querySelector('.menu-items:not([hidden])');
    if (e.key === 'Escape' && openMenu) {
      this.close();
      this.returnFocus?.focus();
    }
    if (openMenu && ['ArrowDown', 'ArrowUp'].includes(e.key)) {
      e.preventDefault();
      const all = [...openMenu.querySelectorAll('button:not(:disabled)')];
      const next = all.indexOf(document.activeElement) + (e.key === 'ArrowDown' ? 1 : -1);
      all[(next + all.length) % all.length]?.focus();
      return;
    }
    const letter = e.key.length === 1 ? e.key.toLowerCase() : '';
    if (e.altKey && !e.ctrlKey && letter) {
      const title = this.nav.querySelector(`.menu-title[data-mnemonic="${CSS.escape(letter)}"]`);
      if (title) {
        e.preventDefault();
        this.close();
        this.open(title);
        return;
      }
    }
    if (openMenu && letter && !e.ctrlKey && !e.altKey) {
      const item = openMenu.querySelector(`[data-mnemonic="${CSS.escape(letter)}"]:not(:disabled)`);
      if (item) {
        e.preventDefault();
        item.click();
      }
      return;
    }
    this.shortcut(e);
  }

  // A command's key runs it, in place of what the browser would do with it (Ctrl+S, Ctrl+O…),
  // unless a dialog is open; the space bar only when no control has the keyboard.
  shortcut(e) {
    const key = keyOf(e);
    const command = this.commands.find((c) => c.shortcut === key || c.otherShortcut === key);
    const item = command && this.items[command.id];
    if (!item || item.disabled || this.states[command.id]?.keyWorks === false) return;
    if (document.querySelector('dialog[open]')) return;
    if (key === 'Space' && e.target !== document.body) return;
    e.preventDefault();
    this.run(command.id);
  }
}

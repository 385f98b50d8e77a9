// The form's zoom: "Widok"'s steps and "Dopasuj do ekranu", offered and ticked as the window does
// (the module's zoomShown over the form's size and the browser window's), the choice kept for the
// next visit, and the fit following the browser window's size.

import {keep, kept} from './storage.js';

const kKey = 'vemrik.zoom';
const kCommands = ['view.zoom100', 'view.zoom150', 'view.zoom200', 'view.zoomFit'];
const kPercents = {'view.zoom100': 100, 'view.zoom150': 150, 'view.zoom200': 200, 'view.zoomFit': 0};

export class PageZoom {
  // `zoomShown` is the module's; `form` the element that grows; `bars` those that do not (the menu
  // bar, the status line); `changed()` is called after the zoom is shown anew.
  constructor(zoomShown, form, bars, changed) {
    this.zoomShown = zoomShown;
    this.form = form;
    this.bars = bars;
    this.changed = changed;
    const chosen = Number(kept(kKey) ?? 100);
    this.percent = Number.isInteger(chosen) ? chosen : 100;
    const box = form.getBoundingClientRect();
    this.grows = [Math.ceil(box.width), Math.ceil(box.height)];
    this.shown = null;
    addEventListener('resize', () => this.follow());
  }

  commands() {
    return kCommands;
  }

  choose(command) {
    this.percent = kPercents[command];
    keep(kKey, String(this.percent));
    this.follow();
  }

  follow() {
    const fixed = this.bars.reduce((sum, bar) => sum + bar.getBoundingClientRect().height, 0);
    this.shown = JSON.parse(this.zoomShown(this.percent, ...this.grows, 0, Math.ceil(fixed),
                                           document.documentElement.clientWidth, innerHeight));
    this.form.style.zoom = String(this.shown.num / this.shown.den);
    this.changed();
  }

  // {command: {enabled, checked}} for the menu.
  states() {
    const states = {};
    if (!this.shown) return states;
    for (const command of kCommands) {
      states[command] = {enabled: this.shown.offered[command] ?? true, checked: this.shown.ticked === command};
    }
    return states;
  }
}

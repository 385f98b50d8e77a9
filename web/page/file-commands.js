// The page's commands that write a file or ask for a setting: "Zapisz jako…", "Ostatnio
// otwierane", "Eksportuj obraz…", "Zapisz przebieg…" and "Ziarno losowania…". Names, pictures,
// the run's CSV and the seed's check are the module's, as the window has them.
import {download} from './files.js';
import {pick, say, word} from './language.js';
import {askText} from './name-dialog.js';
import {RecentFiles} from './recent-files.js';

function pngOf({width, height, rgba}) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

export class FileCommands {
  // `page`: {form(), state(), saveTo(name), openText(text, name), act(call), tell(message),
  // title(id), refill(), mayDrop()} from the page's main script.
  constructor(m, page) {
    this.m = m;
    this.page = page;
    this.texts = JSON.parse(m.fileTexts());
    this.pageTitles = JSON.parse(m.texts()).pages;
    this.recent = new RecentFiles(m, page.tell);
  }

  commands() {
    return {
      'file.saveAs': () => this.saveAs(),
      'file.recent': (entry) => this.openRecent(entry),
      'file.exportImage': () => this.exportImage(),
      'run.saveRun': () => this.saveRun(),
      'run.seed': () => this.chooseSeed(),
    };
  }

  // A workspace file just opened or saved goes first in "Ostatnio otwierane".
  used(name, text) {
    if (this.recent.remember(name, text)) this.page.refill();
  }

  fillRecent(group) {
    this.recent.fill(group);
  }

  async openRecent(entry) {
    if (entry === 'clear') {
      this.recent.clear();
      this.page.refill();
      return;
    }
    const file = this.recent.entry(Number(entry ?? 0));
    if (file && (await this.page.mayDrop())) this.page.openText(file.text, file.name);
  }

  // The name typed in the dialog with its suffix, or nothing when cancelled or left empty.
  async askName(id, value, suffix, kinds) {
    const answer = await askText({heading: this.page.title(id), label: word('fileName'), value, kinds});
    const name = answer ? this.m.savedFileName(answer.text, suffix) : '';
    return name ? {name, kind: answer.kind} : null;
  }

  async saveAs() {
    const chosen = await this.askName('file.saveAs', this.page.state().document.file || word('untitled'), 'vemrik');
    if (chosen) this.page.saveTo(chosen.name);
  }

  // The window's two kinds of CSV file, without their "(*.csv)".
  async saveRun() {
    const kinds = pick(this.texts.csvKinds).split(';;').slice(0, 2).map((k) => k.replace(/\s*\(.*\)$/, ''));
    const chosen = await this.askName('run.saveRun', say(this.texts.runFile), 'csv', kinds);
    if (chosen) this.page.act(() => download(this.m.runCsv(this.page.form(), chosen.kind === 1 ? 'sheet' : 'plain'), chosen.name));
  }

  async exportImage() {
    const shown = this.page.state().page;
    const suggested = this.m.pictureFileName(this.page.state().document.file, pick(this.pageTitles[shown]).toLowerCase());
    const chosen = await this.askName('file.exportImage', suggested, 'png');
    if (chosen) download(await pngOf(this.m.pagePicture(this.page.form(), shown)), chosen.name);
  }

  async chooseSeed() {
    const answer = await askText({heading: say(this.texts.seedTitle), label: say(this.texts.seedPrompt),
                                  value: String(this.m.seed(this.page.form()))});
    if (answer) this.page.act(() => this.m.setSeed(this.page.form(), answer.text));
  }
}

// "Drukuj trasę…": the core's sheets laid out for the browser's print dialog, each sheet's
// printable area an image sized in millimetres so the track comes out at real size (the chosen
// millimetres a cell) whether printed or saved as PDF. Nothing but the sheets is printed. First the
// window's dialog asks the scale, the paper and the look, and says how many sheets they take.
import {pick, word} from './language.js';

// Sheet pixels across a map pixel: 80 across a cell, about 100 dots per inch on paper at 20 mm a
// cell; more at a larger scale, up to what a browser's canvas holds.
export const sheetScale = (mmPerCell) => Math.min(16, Math.max(8, Math.ceil(mmPerCell * 8 / 20)));

const kStyle = `
#print-sheets { display: none; }
@media print {
  body > :not(#print-sheets) { display: none !important; }
  #print-sheets { display: block; }
  .print-sheet { position: relative; overflow: hidden; break-after: page; }
  .print-sheet:last-child { break-after: auto; }
  .print-sheet img { position: absolute; image-rendering: pixelated; }
  .print-guide { position: absolute; border: 0 dashed #000; }
}`;

function sheetImage(rgba, width, height) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
  const img = document.createElement('img');
  img.src = canvas.toDataURL('image/png');
  return img;
}

const mm = (n) => `${n}mm`;

// A dashed line where the next sheet to the right or below is laid over this one.
function guide(page, sheet, across) {
  const line = document.createElement('div');
  line.className = 'print-guide';
  const {margin, overlap} = page;
  if (across) {
    Object.assign(line.style, {left: mm(margin + sheet.widthMm - overlap), top: mm(margin), height: mm(sheet.heightMm),
                               borderLeftWidth: '0.2mm'});
  } else {
    Object.assign(line.style, {top: mm(margin + sheet.heightMm - overlap), left: mm(margin), width: mm(sheet.widthMm),
                               borderTopWidth: '0.2mm'});
  }
  return line;
}

function sheetElement(page, sheet, img) {
  const element = document.createElement('div');
  element.className = 'print-sheet';
  element.dataset.name = sheet.name;
  Object.assign(element.style, {width: mm(page.width), height: mm(page.height)});
  Object.assign(img.style, {left: mm(page.margin), top: mm(page.margin), width: mm(sheet.widthMm),
                            height: mm(sheet.heightMm)});
  element.appendChild(img);
  if (!sheet.lastColumn) element.appendChild(guide(page, sheet, true));
  if (!sheet.lastRow) element.appendChild(guide(page, sheet, false));
  return element;
}

function pageStyle(page) {
  let style = document.getElementById('print-style');
  if (!style) {
    style = document.createElement('style');
    style.id = 'print-style';
    document.head.appendChild(style);
  }
  style.textContent = `${kStyle}\n@page { size: ${mm(page.width)} ${mm(page.height)}; margin: 0; }`;
}

const plain = (caption) => caption.replace(/&(.)/g, '$1');

// The form's track laid out for `choice` ({mmPerCell, paper, look}), as the module's JSON.
const sheetsFor = (m, form, {mmPerCell, paper, look}) =>
  JSON.parse(m.printSheets(form, sheetScale(mmPerCell), mmPerCell, paper, look));

// Lays out the form's track and opens the browser's print dialog. The sheets stay in the page,
// ready (data-ready), until the next print.
async function printSheets(m, form, choice) {
  const layout = sheetsFor(m, form, choice);
  if (layout.message) return;
  const scale = sheetScale(choice.mmPerCell);
  document.getElementById('print-sheets')?.remove();
  const holder = document.createElement('div');
  holder.id = 'print-sheets';
  pageStyle(layout.page);
  const images = layout.sheets.map((sheet, i) => {
    const img = sheetImage(m.printSheetRGBA(form, i, scale, choice.mmPerCell, choice.paper, choice.look),
                           sheet.width, sheet.height);
    holder.appendChild(sheetElement(layout.page, sheet, img));
    return img;
  });
  document.body.appendChild(holder);
  await Promise.all(images.map((img) => img.decode()));
  holder.dataset.ready = 'true';
  window.print();
}

// "Drukuj trasę…": the window's dialog of the scale, the paper and the look, the sheets they take
// said as they change, then the browser's print dialog. The choice is kept while the page is open.
export class TrackPrintDialog {
  // `tell(text)` says why there is nothing to print.
  constructor(m, form, tell) {
    Object.assign(this, {m, form, tell, texts: JSON.parse(m.printTexts())});
    this.choice = {mmPerCell: this.texts.first, paper: 0, look: 0};
    this.dialog = null;
  }

  build() {
    this.dialog = document.createElement('dialog');
    this.dialog.id = 'print-dialog';
    this.dialog.innerHTML = `<form method="dialog">
      <h2></h2>
      <p><label><span></span> <input type="number" id="print-scale" step="1" required> mm</label></p>
      <p><label><span></span> <select id="print-paper"></select></label></p>
      <p><label><span></span> <select id="print-look"><option value="0"></option><option value="1"></option></select></label></p>
      <p id="print-summary" style="white-space: pre-line"></p>
      <div class="buttons"><button value="ok" id="print-ok"></button> <button value="cancel" id="print-cancel"></button></div>
    </form>`;
    document.body.appendChild(this.dialog);
    const scale = this.dialog.querySelector('#print-scale');
    Object.assign(scale, {min: this.texts.least, max: this.texts.most});
    for (const name of this.texts.papers) this.dialog.querySelector('#print-paper').append(new Option(name, name));
    for (const field of this.dialog.querySelectorAll('input, select')) field.addEventListener('input', () => this.showSummary());
    this.dialog.addEventListener('close', () => {
      if (this.dialog.returnValue === 'ok' && this.read()) printSheets(this.m, this.form(), this.choice);
    });
  }

  // The fields' choice, kept when the scale is a whole number in range; false when it is not.
  read() {
    const scale = this.dialog.querySelector('#print-scale');
    const mmPerCell = Number(scale.value);
    if (!Number.isInteger(mmPerCell) || mmPerCell < this.texts.least || mmPerCell > this.texts.most) return false;
    this.choice = {mmPerCell, paper: this.dialog.querySelector('#print-paper').selectedIndex,
                   look: Number(this.dialog.querySelector('#print-look').value)};
    return true;
  }

  showSummary() {
    const usable = this.read();
    this.dialog.querySelector('#print-ok').disabled = !usable;
    if (usable) this.dialog.querySelector('#print-summary').textContent = sheetsFor(this.m, this.form(), this.choice).summary;
  }

  show() {
    const first = sheetsFor(this.m, this.form(), this.choice);
    if (first.message) {
      this.tell(first.message);
      return;
    }
    if (!this.dialog) this.build();
    const t = this.texts;
    const [scale, paper, look] = this.dialog.querySelectorAll('label > span');
    this.dialog.querySelector('h2').textContent = pick(t.title);
    scale.textContent = plain(pick(t.scale));
    paper.textContent = plain(pick(t.paper));
    look.textContent = plain(pick(t.look));
    const [blackLine, asOnScreen] = this.dialog.querySelectorAll('#print-look option');
    blackLine.textContent = pick(t.blackLine);
    asOnScreen.textContent = pick(t.asOnScreen);
    this.dialog.querySelector('#print-ok').textContent = plain(pick(t.preview));
    this.dialog.querySelector('#print-cancel').textContent = word('cancel');
    this.dialog.querySelector('#print-scale').value = String(this.choice.mmPerCell);
    this.dialog.querySelector('#print-paper').selectedIndex = this.choice.paper;
    this.dialog.querySelector('#print-look').value = String(this.choice.look);
    this.dialog.returnValue = 'cancel';
    this.dialog.showModal();
    this.showSummary();
  }
}

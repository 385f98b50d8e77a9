// "Drukuj trasę…": the core's sheets laid out for the browser's print dialog, each sheet's
// printable area an image sized in millimetres so the track comes out at real size (20 mm a cell)
// whether printed or saved as PDF. Nothing but the sheets is printed.

// Sheet pixels across a map pixel: 80 across a cell, about 100 dots per inch on paper.
export const kSheetScale = 8;

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

// Lays out the form's track and opens the print dialog; `tell(text)` says why there is nothing
// to print. The sheets stay in the page, ready (data-ready), until the next print.
export async function printTrack(m, form, tell) {
  const layout = JSON.parse(m.printSheets(form, kSheetScale));
  if (layout.message) {
    tell(layout.message);
    return;
  }
  document.getElementById('print-sheets')?.remove();
  const holder = document.createElement('div');
  holder.id = 'print-sheets';
  pageStyle(layout.page);
  const images = layout.sheets.map((sheet, i) => {
    const img = sheetImage(m.printSheetRGBA(form, i, kSheetScale), sheet.width, sheet.height);
    holder.appendChild(sheetElement(layout.page, sheet, img));
    return img;
  });
  document.body.appendChild(holder);
  await Promise.all(images.map((img) => img.decode()));
  holder.dataset.ready = 'true';
  window.print();
}

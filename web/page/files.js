// Workspace files in and out of the page: the file picker, dropping a file on the page, the
// examples served beside it (examples/index.json lists them), a download for "Zapisz", and a picture made into the track.
import {carried} from './carried-files.js';
import {word} from './language.js';

export async function fetchText(url) {
  const inside = await carried(url);
  if (inside !== undefined) return inside;
  const response = await fetch(url);
  if (!response.ok) throw new Error(word('cannotFetch', url, response.status));
  return response.text();
}

export function download(text, fileName) {
  const url = URL.createObjectURL(new Blob([text], {type: 'application/octet-stream'}));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The picture's pixels as the engine takes them: fitted to the map's image on white floor (so
// transparent parts are no line), RGBA, top row first. `fit(width, height)` gives its size on
// the map, the module's fittedPicture.
export async function decodePicture(file, fit) {
  let bitmap;
  try {
    // The file's own pixels, as the desktop reads them: no colour profile, no premultiplied alpha.
    bitmap = await createImageBitmap(file, {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
  } catch {
    throw new Error(word('notAPicture', file.name));
  }
  const [width, height] = fit(bitmap.width, bitmap.height);
  if (width < 1 || height < 1) throw new Error(word('noPixels', file.name));
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d', {willReadFrequently: true});
  context.fillStyle = '#fff';
  context.fillRect(0, 0, width, height);
  context.imageSmoothingQuality = 'high';
  context.drawImage(bitmap, 0, 0, width, height);
  bitmap.close();
  const data = context.getImageData(0, 0, width, height).data;
  return {rgba: new Uint8Array(data.buffer), width, height};
}

export function isPicture(file) {
  return file.type.startsWith('image/');
}

// Dropping files anywhere on the page hands them to `onFile(first, all)`; the hint shows while one
// is dragged.
export function acceptDrops(hint, onFile) {
  let depth = 0;
  const carriesFile = (e) => [...e.dataTransfer.types].includes('Files');
  document.addEventListener('dragenter', (e) => {
    if (!carriesFile(e)) return;
    depth += 1;
    hint.hidden = false;
  });
  document.addEventListener('dragleave', () => {
    depth = Math.max(0, depth - 1);
    if (depth === 0) hint.hidden = true;
  });
  document.addEventListener('dragover', (e) => {
    if (carriesFile(e)) e.preventDefault();
  });
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    depth = 0;
    hint.hidden = true;
    const file = e.dataTransfer.files[0];
    if (file) onFile(file, [...e.dataTransfer.files]);
  });
}

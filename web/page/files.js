// Workspace files in and out of the page: the file picker, dropping a file on the page, the
// examples served beside it, a download for "Zapisz", and a picture made into the track.

// The examples' list: `name="one line about it"` under [General] of descriptions.ini.
export function parseExampleList(ini) {
  const examples = [];
  let inGeneral = false;
  for (const raw of ini.split(/\r?\n/)) {
    const line = raw.trim();
    if (line.startsWith('[')) {
      inGeneral = line === '[General]';
    } else if (inGeneral && !line.startsWith(';')) {
      const match = /^([\w-]+)\s*=\s*"?(.*?)"?$/.exec(line);
      if (match) examples.push({name: match[1], about: match[2]});
    }
  }
  return examples;
}

export async function fetchText(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`Nie można wczytać „${url}” (${response.status}).`);
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

// The picture's pixels as the engine takes them: RGBA, top row first.
export async function decodePicture(file) {
  let bitmap;
  try {
    // The file's own pixels, as the desktop reads them: no colour profile, no premultiplied alpha.
    bitmap = await createImageBitmap(file, {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
  } catch {
    throw new Error(`„${file.name}” nie jest obrazem, który przeglądarka umie odczytać.`);
  }
  const canvas = document.createElement('canvas');
  canvas.width = bitmap.width;
  canvas.height = bitmap.height;
  const context = canvas.getContext('2d', {willReadFrequently: true});
  context.drawImage(bitmap, 0, 0);
  bitmap.close();
  const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
  return {rgba: new Uint8Array(data.buffer), width: canvas.width, height: canvas.height};
}

export function isPicture(file) {
  return file.type.startsWith('image/');
}

// Dropping a file anywhere on the page hands it to `onFile`; the hint shows while one is dragged.
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
    if (file) onFile(file);
  });
}

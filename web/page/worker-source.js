// Workers of the page. Served, a worker loads its script beside the page; the one-file page
// opened from disk cannot load a worker script, so the worker runs the carried module and script
// from a Blob, with the carried wasm handed over as `self.vemrikOptions`.
import {carried, carriedBase64, fromBase64} from './carried-files.js';

const blobUrls = new Map();

function carriedWorkerUrl(script) {
  if (!blobUrls.has(script)) {
    const options = `self.vemrikOptions = {wasmBinary: (${fromBase64})(${JSON.stringify(carriedBase64('vemrik.wasm'))})};\n`;
    const blob = new Blob([carried('vemrik.js'), '\n', options, carried(script)], {type: 'text/javascript'});
    // Kept for the page's life: each evaluation starts a worker from it again.
    blobUrls.set(script, URL.createObjectURL(blob));
  }
  return blobUrls.get(script);
}

// A worker running `script`, e.g. 'evaluation-worker.js', which loads the module with
// `importScripts('vemrik.js')` unless createVemrik is already there and calls
// `createVemrik(self.vemrikOptions)`.
export function startWorker(script) {
  return new Worker(carried(script) === undefined ? script : carriedWorkerUrl(script));
}

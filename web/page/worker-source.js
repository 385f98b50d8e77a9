// Workers of the page. Served, a worker loads its script beside the page; the one-file page
// opened from disk cannot load a worker script, so the worker runs the carried module and script
// from a Blob, with options that compile the carried wasm as `self.vemrikOptions`.
import {carriedAsIs, carriedWasmOptions} from './carried-files.js';

const blobUrls = new Map();

function carriedWorkerUrl(script) {
  if (!blobUrls.has(script)) {
    const options = `self.vemrikOptions = (${carriedWasmOptions})(${JSON.stringify(carriedAsIs('vemrik.wasm'))});\n`;
    const blob = new Blob([carriedAsIs('vemrik.js'), '\n', options, carriedAsIs(script)], {type: 'text/javascript'});
    // Kept for the page's life: each evaluation starts a worker from it again.
    blobUrls.set(script, URL.createObjectURL(blob));
  }
  return blobUrls.get(script);
}

// A worker running `script`, e.g. 'evaluation-worker.js', which loads the module with
// `importScripts('vemrik.js')` unless createVemrik is already there and calls
// `createVemrik(self.vemrikOptions)`.
export function startWorker(script) {
  return new Worker(carriedAsIs(script) === undefined ? script : carriedWorkerUrl(script));
}

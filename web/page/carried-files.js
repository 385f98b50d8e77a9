// The files the one-file page (vemrik.html) carries inside itself, since a page opened from disk
// can fetch nothing: each in a <script data-file="NAME">. The module runs there as it is, the
// workers' scripts are text/plain, pictures are in base64 and everything else is gzipped in base64
// (application/gzip), which the browser unpacks as it streams. A served page carries none.
const element = (name) => globalThis.document?.querySelector(`script[data-file="${name}"]`);

// A carried file as it lies in the page (a script's source, or base64), or undefined.
export const carriedAsIs = (name) => element(name)?.textContent;

// createVemrik()'s options that compile the gzipped wasm in `base64` as it is unpacked, as a served
// vemrik.wasm compiles as it arrives. Free of outer names so that a worker can run its source.
export function carriedWasmOptions(base64) {
  return {
    instantiateWasm(imports, receive) {
      fetch(`data:application/gzip;base64,${base64}`)
          .then(({body}) => new Response(body.pipeThrough(new DecompressionStream('gzip')),
                                         {headers: {'Content-Type': 'application/wasm'}}))
          .then((wasm) => WebAssembly.instantiateStreaming(wasm, imports))
          .then(({instance, module}) => receive(instance, module), (error) => console.error(error));
      return {};
    },
  };
}

// A carried file's text, or undefined when the page does not carry it.
export async function carried(name) {
  const script = element(name);
  if (!script) return undefined;
  if (script.type !== 'application/gzip') return script.textContent;
  const {body} = await fetch(`data:application/gzip;base64,${script.textContent}`);
  return new Response(body.pipeThrough(new DecompressionStream('gzip'))).text();
}

// A carried picture as an address to show it by, or undefined.
export function carriedPicture(name) {
  const script = element(name);
  return script && `data:${script.type};base64,${script.textContent}`;
}

// What createVemrik() takes: the carried wasm, or nothing, so the module fetches vemrik.wasm.
export function engineOptions() {
  const wasm = carriedAsIs('vemrik.wasm');
  return wasm === undefined ? {} : carriedWasmOptions(wasm);
}

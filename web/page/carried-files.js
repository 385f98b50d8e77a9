// The files the one-file page (vemrik.html) carries inside itself, since a page opened from disk
// can fetch nothing: each in a <script data-file="NAME">, in base64 as text/plain, unless it is the
// module, which runs there as it is. A served page carries none.
const element = (name) => globalThis.document?.querySelector(`script[data-file="${name}"]`);

// Bytes from base64; kept as source of its own so a worker can run the same function.
export const fromBase64 = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));

// A carried file's base64, or undefined.
export const carriedBase64 = (name) => element(name)?.textContent;

// A carried file's text, or undefined when the page does not carry it.
export function carried(name) {
  const script = element(name);
  if (!script) return undefined;
  return script.type === 'text/plain' ? new TextDecoder().decode(fromBase64(script.textContent)) : script.textContent;
}

// What createVemrik() takes: the carried wasm, decoded and compiled by the browser as its bytes
// come, as a served vemrik.wasm is; or nothing, so the module fetches vemrik.wasm.
export function engineOptions() {
  const wasm = carriedBase64('vemrik.wasm');
  if (wasm === undefined) return {};
  return {
    instantiateWasm(imports, receive) {
      WebAssembly.instantiateStreaming(fetch(`data:application/wasm;base64,${wasm}`), imports)
          .then(({instance, module}) => receive(instance, module), (error) => console.error(error));
      return {};
    },
  };
}

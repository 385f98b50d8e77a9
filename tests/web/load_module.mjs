// Loads the page's module under node: the loader's own fetch cannot read a file path.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

export async function loadVemrik(buildDir) {
  const require = createRequire(import.meta.url);
  const createVemrik = require(path.resolve(buildDir, 'vemrik.js'));
  return createVemrik({ wasmBinary: readFileSync(path.resolve(buildDir, 'vemrik.wasm')) });
}

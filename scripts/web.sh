#!/usr/bin/env bash
# Builds the page (the wasm preset) and serves its folder, build/wasm/site, on the port given
# (8000 unless one is): open http://localhost:PORT/ in a browser.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8000}
# Debian's emcc finds its JavaScript helpers (acorn) only here.
export NODE_PATH=/usr/share/nodejs
cmake --preset wasm
cmake --build --preset wasm
echo "Vemrik: http://localhost:$port/"
exec python3 -m http.server "$port" --directory build/wasm/site

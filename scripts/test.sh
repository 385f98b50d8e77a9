#!/usr/bin/env bash
# Installs what is missing, checks the layout of the C++ files, builds everything and runs every
# test: once optimised, once under the address and undefined-behaviour sanitizers; then the tests
# of work on other threads under the thread sanitizer, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
for preset in release asan tsan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# The page's module (Emscripten): its bindings, and the same runs as the desktop's vemrik-eval.
if command -v emcc >/dev/null; then
  export NODE_PATH=/usr/share/nodejs
  cmake --preset wasm
  cmake --build --preset wasm
  VEMRIK_WASM_DIR=build/wasm node --test tests/web/web_form_test.mjs
  node tests/web/same_runs.mjs build/wasm build/release/vemrik-eval
  # The page in headless Chromium against the desktop build, when the browser can be driven.
  if command -v chromium >/dev/null && command -v chromedriver >/dev/null && /usr/bin/python3 -c 'import selenium' 2>/dev/null; then
    /usr/bin/python3 tests/web/page_test.py
  else
    echo "SKIPPED: the browser tests (tests/web/page_test.py) need chromium, chromium-driver and python3-selenium."
  fi
else
  echo "emcc not found: the page's module is neither built nor tested, nor the page in a browser (apt-get install emscripten)"
fi

# Short runs of the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers),
# starting from the seed files; new inputs go to a throw-away folder.
cmake --preset fuzz
cmake --build --preset fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/workspace" "$scratch/rules" "$scratch/run_log"
build/fuzz/fuzz/workspace_reader_fuzz -max_total_time=20 -dict=fuzz/workspace.dict \
  -artifact_prefix=build/fuzz/ "$scratch/workspace" fuzz/corpus
build/fuzz/fuzz/rule_text_fuzz -max_total_time=20 -artifact_prefix=build/fuzz/ "$scratch/rules" fuzz/rule_corpus
build/fuzz/fuzz/run_log_reader_fuzz -max_total_time=20 -dict=fuzz/run_log.dict \
  -artifact_prefix=build/fuzz/ "$scratch/run_log" fuzz/run_log_corpus

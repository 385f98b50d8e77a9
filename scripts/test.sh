#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release
cmake --build --preset release
ctest --preset release

# A short run of the workspace reader's fuzz target (clang, libFuzzer, address and undefined-
# behaviour sanitizers), starting from the seed files; new inputs go to a throw-away folder.
cmake --preset fuzz
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/workspace_reader_fuzz -max_total_time=20 -dict=fuzz/workspace.dict \
  -artifact_prefix=build/fuzz/ "$corpus" fuzz/corpus

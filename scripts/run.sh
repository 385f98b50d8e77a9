#!/usr/bin/env bash
# Installs what is missing, builds Vemrik and opens it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vemrik
exec build/release/vemrik "$@"

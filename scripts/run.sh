#!/usr/bin/env bash
# Installs what is missing, builds Vemrik and opens it. Arguments go to the program, so a
# workspace path is taken relative to where this was called from.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target vemrik)
exec "$root/build/release/vemrik" "$@"

#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (.clang-format); with --fix,
# formats them in place. The version is pinned: another one lays out some lines differently.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 "${mode[@]}"

#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vemrik need, if missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev qt6-l10n-tools libgtest-dev libbenchmark-dev
          nlohmann-json3-dev qt6-translations-l10n xvfb xdotool imagemagick
          desktop-file-utils appstream dpkg-dev file libx11-dev clang-format-14
          gcc-avr avr-libc arduino-core-avr libsimavr-dev simavr
          emscripten chromium chromium-driver python3-selenium python3-markdown esbuild poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"

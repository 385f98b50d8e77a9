#!/usr/bin/env bash
# Builds exported sketches for the Uno as the Arduino IDE would (avr-g++, the Arduino core alone)
# and checks each fits the board; the one named first must fit in half of its flash and RAM. With a
# simulated board (tests/simavr) the first sketch and that one also run there, their sensors driven,
# and must choose as the engine (NAME.expected beside the folder) for the first steps. None may
# take more than the export reckoned (NAME.size).
# Usage: arduino_board_test.sh HALF_SKETCH SIMULATED_BOARD|"" SKETCH_FOLDER...
set -euo pipefail
core=/usr/share/arduino/hardware/arduino/avr/cores/arduino
variant=/usr/share/arduino/hardware/arduino/avr/variants/standard
if ! command -v avr-g++ >/dev/null || [ ! -d "$core" ] || [ ! -d "$variant" ]; then
  echo "SKIP: avr-g++ or the Arduino core missing (Debian: gcc-avr avr-libc arduino-core-avr)"
  exit 77
fi
half=$1
board=$2
shift 2
# Simulated time costs real time: 200 steps of 60 ms take simavr about ten seconds.
board_steps=200
first=$1
[ -n "$board" ] || echo "simavr's library missing (Debian: libsimavr-dev): no run on a simulated board"
# The Uno's flash less its 512-byte boot loader, and its RAM.
flash_limit=32256
ram_limit=2048
flags=(-mmcu=atmega328p -DF_CPU=16000000L -DARDUINO=10807 -DARDUINO_AVR_UNO -DARDUINO_ARCH_AVR -Os
       -ffunction-sections -fdata-sections -I"$core" -I"$variant")
cxx=(avr-g++ -std=gnu++11 -fno-exceptions -fno-threadsafe-statics "${flags[@]}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for f in "$core"/*.c; do avr-gcc -std=gnu11 "${flags[@]}" -c "$f" -o "$work/$(basename "$f").o"; done
# WString.cpp needs a newer avr-libc than Debian's, and no sketch of ours uses String.
for f in "$core"/*.cpp; do
  [ "$(basename "$f")" = WString.cpp ] || "${cxx[@]}" -c "$f" -o "$work/$(basename "$f").o"
done
for f in "$core"/*.S; do avr-gcc -x assembler-with-cpp "${flags[@]}" -c "$f" -o "$work/$(basename "$f").o"; done
avr-gcc-ar rcs "$work/core.a" "$work"/*.o

failed=0
for folder in "$@"; do
  name=$(basename "$folder")
  "${cxx[@]}" -Wall -Wextra -Werror -x c++ -c "$folder/$name.ino" -o "$work/$name.o"
  avr-gcc -mmcu=atmega328p -Os -Wl,--gc-sections -o "$work/$name.elf" "$work/$name.o" "$work/core.a" -lm
  read -r text data bss < <(avr-size "$work/$name.elf" | awk 'NR == 2 { print $1, $2, $3 }')
  flash=$((text + data))
  ram=$((data + bss))
  limit_f=$flash_limit
  limit_r=$ram_limit
  if [ "$name" = "$half" ]; then
    limit_f=16384
    limit_r=1024
  fi
  echo "$name: flash $flash B (at most $limit_f), RAM $ram B (at most $limit_r)"
  if [ "$flash" -gt "$limit_f" ] || [ "$ram" -gt "$limit_r" ]; then
    echo "$name: too large for the Uno"
    failed=1
  fi
  read -r reckoned_f reckoned_r < "$folder.size"
  if [ "$flash" -gt "$reckoned_f" ] || [ "$ram" -gt "$reckoned_r" ]; then
    echo "$name: larger than the export reckoned ($reckoned_f B flash, $reckoned_r B RAM): it may let through what cannot fit"
    failed=1
  fi
  if [ -n "$board" ] && { [ "$name" = "$half" ] || [ "$folder" = "$first" ]; }; then
    # simavr keeps its board to the end of the process; a sanitized build must not call that a leak.
    if ASAN_OPTIONS=detect_leaks=0 "$board" "$work/$name.elf" "$folder.expected" "$board_steps" > "$work/$name.log"; then
      echo "$name: $(tail -n 1 "$work/$name.log") on the simulated Uno"
    else
      cat "$work/$name.log"
      failed=1
    fi
  fi
done
exit $failed

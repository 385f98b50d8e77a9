#!/usr/bin/env bash
# A fresh window on a real X server without a window manager closes on the first request: Ctrl+Q
# typed straight away, and the close message a window manager's × sends. Without a window manager
# nobody hands out the keyboard focus, so the window must take it itself.
#   window_close_test.sh VEMRIK SEND_CLOSE     (exit 77: skipped, no Xvfb or xdotool)
set -uo pipefail
vemrik=$1 send_close=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb or xdotool"; exit 77; }
home=$(mktemp -d)
trap 'kill ${churn1:-} ${churn2:-} ${xvfb:-} 2>/dev/null; rm -rf "$home"' EXIT
# The server picks a free display and names it once it takes connections: no guessing either.
# Without -noreset the server resets whenever its last client leaves (each xdotool call below),
# and a client that connects during a reset is turned away: on a busy machine, the program itself.
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$home/display" >"$home/xvfb.log" 2>&1 & xvfb=$!
for _ in $(seq 600); do [ -s "$home/display" ] && break; kill -0 $xvfb 2>/dev/null || break; sleep 0.1; done
n=$(head -1 "$home/display")
[ -n "$n" ] || { echo "Xvfb did not start:"; cat "$home/xvfb.log"; exit 77; }
export DISPLAY=:$n HOME=$home QT_QPA_PLATFORM=xcb
# On a real display Qt talks to D-Bus, whose library keeps a buffer to the end: not ours to mend.
printf 'leak:libdbus-1.so\n' > "$home/leaks.supp"
export LSAN_OPTIONS=suppressions=$home/leaks.supp

# Other clients come and go while the program connects, as on a busy desktop.
churn() { while :; do xdotool getdisplaygeometry >/dev/null 2>&1; done; }

# Starts the program and prints its window once it is on the screen.
start() {
  churn & churn1=$!; churn & churn2=$!
  "$vemrik" >/dev/null 2>"$home/vemrik.log" & app=$!
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --class vemrik 2>/dev/null | head -1)
    [ -n "$window" ] && { kill $churn1 $churn2; wait $churn1 $churn2 2>/dev/null; return 0; }
    kill -0 $app 2>/dev/null || break
    sleep 0.1
  done
  echo "the window did not appear; the program said:"; cat "$home/vemrik.log"
  kill -0 $xvfb 2>/dev/null || { echo "and the X server had ended:"; cat "$home/xvfb.log"; }
  exit 1
}

# Fails unless the program ends by itself with exit code 0.
ends() {
  for _ in $(seq 100); do kill -0 $app 2>/dev/null || { wait $app; return $?; }; sleep 0.1; done
  kill $app; echo "$1 was ignored"; exit 1
}

start
sleep 1.5  # left alone as a user would, while the idle window sleeps
[ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] || { kill $app; echo "the window has no focus"; exit 1; }
xdotool key --window "$window" ctrl+q 2>/dev/null  # the key's release may find the window gone
ends "Ctrl+Q" || { echo "exit code not 0"; exit 1; }
# A release sent to the gone window fails, and a server that never resets would keep Ctrl and Q
# held, repeating into the next window.
xdotool keyup ctrl q 2>/dev/null

start
sleep 1.5
"$send_close" "$window"
ends "the close message" || { echo "exit code not 0"; exit 1; }
echo "closed on the first request, twice"

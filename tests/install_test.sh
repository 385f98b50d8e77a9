#!/usr/bin/env bash
# Installs a build into a throw-away prefix and checks what lands there: every file, the
# command-line program running on an installed example, and the desktop files by the
# validators that a desktop uses, each when it is present.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

id=org.example.Vemrik
expected=(
  bin/vemrik
  bin/vemrik-eval
  share/applications/$id.desktop
  share/icons/hicolor/scalable/apps/$id.svg
  share/doc/vemrik/copyright
  share/man/man1/vemrik-eval.1.gz
  share/man/man1/vemrik.1.gz
  share/man/en/man1/vemrik-eval.1.gz
  share/man/en/man1/vemrik.1.gz
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
  share/vemrik/examples/descriptions.ini
  share/vemrik/examples/figure-eight.vemrik
  share/vemrik/examples/grading/laps.vemrik-task
  share/vemrik/examples/grading/students/ania.vemrik
  share/vemrik/examples/grading/students/bartek.vemrik
  share/vemrik/examples/grading/students/celina.vemrik
  share/vemrik/examples/oval-robot.csv
  share/vemrik/examples/oval.vemrik
  share/vemrik/examples/tape-loop.vemrik
  share/vemrik/examples/track-picture.png
  share/vemrik/examples/zigzag.vemrik
)
for level in 01-straight 02-gentle-curve 03-sharp-corner 04-crossing 05-gap 06-figure-eight 07-zigzag 08-noise 09-four-rules 10-two-sensors 11-picture 12-fast-lap; do
  expected+=("share/vemrik/challenges/$level.vemrik" "share/vemrik/challenges/$level.vemrik-task")
done
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
# The page is there when the wasm build was: the one file and the folder with its module.
if [ -e share/vemrik/web ]; then
  expected+=(share/vemrik/web/vemrik.html)
  for file in index.html main.js vemrik.js vemrik.wasm service-worker.js site-files.js examples/oval.vemrik; do
    test -f "share/vemrik/web/site/$file"
  done
fi
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -not -path './share/vemrik/web/site/*' -printf '%P\n' | sort)
test -x bin/vemrik && test -x bin/vemrik-eval

# Every example the package offers must run headless from the installed program.
for example in share/vemrik/examples/*.vemrik; do
  bin/vemrik-eval "$example" --runs 2 >/dev/null
done
# The task finds its tracks beside itself, wherever it was installed and whatever the folder.
(cd / && "$prefix/bin/vemrik-eval" grade "$prefix/share/vemrik/examples/grading/laps.vemrik-task" \
  "$prefix/share/vemrik/examples/grading/students" >/dev/null)
# The levels find their tracks too; a track's own empty rules drive straight, so only the first
# level's goal is met (exit code 5).
rc=0
bin/vemrik-eval challenge share/vemrik/challenges share/vemrik/challenges/01-straight.vemrik >/dev/null || rc=$?
test "$rc" = 5

if command -v file >/dev/null; then
  for size in 16 32 48 64 128 256; do
    file -b "share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size,"
  done
fi
command -v desktop-file-validate >/dev/null && desktop-file-validate --no-hints "share/applications/$id.desktop"
command -v appstreamcli >/dev/null && appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml" >/dev/null
if command -v update-mime-database >/dev/null; then
  XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"
  grep -qx 'application/x-vemrik:\*\.vemrik' share/mime/globs
  grep -qx 'application/x-vemrik-task:\*\.vemrik-task' share/mime/globs
fi
if command -v groff >/dev/null; then
  for page in man1/vemrik man1/vemrik-eval en/man1/vemrik en/man1/vemrik-eval; do
    warnings=$(gzip -dc "share/man/$page.1.gz" | groff -k -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
  done
fi
echo "installed and checked: ${#expected[@]} files"

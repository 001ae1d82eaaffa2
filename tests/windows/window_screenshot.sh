#!/usr/bin/env bash
# Starts Vandrelle.exe under Wine on the test run's display, waits until its window is mapped,
# optionally fills its preview with a staging program, photographs the screen into the given
# PNG and closes the program again.
# With --dpi, the Wine prefix's screen DPI is set for this run and put back to 96 at the end.
# Usage: window_screenshot.sh [--dpi N] <Vandrelle.exe> <screenshot.png> [<stage.exe> [stage arguments...]]
set -euo pipefail
dpi=96
if [ "${1:-}" = --dpi ]; then dpi=$2; shift 2; fi
program=$1
output=$2
shift 2
: "${DISPLAY:?a display is needed (scripts/test starts Xvfb)}"

set_screen_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
program_pid=""
finish() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
  if [ "$dpi" != 96 ]; then set_screen_dpi 96; fi
}
trap finish EXIT
if [ "$dpi" != 96 ]; then set_screen_dpi "$dpi"; fi

wine "$program" &
program_pid=$!

# Up to 30 s for the window, checked five times a second.
for _ in $(seq 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Vandrelle By: Brasketh"'; then break; fi
  if ! kill -0 "$program_pid" 2>/dev/null; then echo "Vandrelle.exe ended before showing its window" >&2; exit 1; fi
  sleep 0.2
done
xwininfo -root -tree | grep -q '"Vandrelle By: Brasketh"' || { echo "no Vandrelle window after 30 s" >&2; exit 1; }
if [ $# -gt 0 ]; then wine "$@"; fi
sleep 1  # let the controls paint
# Only the window, as a person would crop it. With SCREENSHOT_BESIDE set, the screen around it
# too, for a menu or popup that reaches past its right edge.
info=$(xwininfo -name "Vandrelle By: Brasketh")
window_id=$(awk '/Window id:/ {print $4}' <<<"$info")
if [ -n "${SCREENSHOT_BESIDE:-}" ]; then
  read -r x y w h < <(awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}' <<<"$info")
  import -window root -crop "$((w + 520))x$((h + 20))+$x+$y" +repage "$output"
else
  import -window "${window_id:-root}" "$output"
fi
echo "screenshot: $output"

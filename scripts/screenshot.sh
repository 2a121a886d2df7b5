#!/usr/bin/env bash
# Takes a screenshot of the editor on the demo image under Xvfb.
#
#   screenshot.sh <builddir> [zoom] [output.png]
#
# zoom is one of 4 8 12 16 24 32 64 (default 16); the picture goes to
# screenshot.png unless another file is named.
set -euo pipefail

BUILD=${1:?usage: screenshot.sh <builddir> [zoom] [output.png]}
ZOOM=${2:-16}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${3:-$ROOT/screenshot.png}
BIN=$(cd "$BUILD/bin" && pwd)

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is not installed (make deps)"; exit 1; }
done

source "$ROOT/scripts/xvfb-session.sh"

"$BIN/tarnloft_demogen" "$WORK/demo.smc"

start_display || { echo "screenshot: Xvfb did not start"; exit 1; }

"$BIN/tarnloft" >"$WORK/app.log" 2>&1 &
APP_PID=$!
focus_keys "$(find_window '^Tarnloft - RTFM$')" Return
focus_keys "$(find_window '^Open$')"
xdotool type --delay 20 "$WORK/demo.smc"
xdotool key Return
MAIN=$(find_window '^Level 0 demo\.smc - Tarnloft$')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
CY=$((Y + HEIGHT - 504))

if [ "$ZOOM" != 16 ]; then
    # Tarnloft > View > Zoom > entry, by keyboard.
    declare -A ROW=([4]=0 [8]=1 [12]=2 [16]=3 [24]=4 [32]=5 [64]=6)
    xdotool mousemove $((X + 30)) $((Y + 8)) click 1
    sleep 0.4
    xdotool key v
    sleep 0.3
    # "Zoom" is the last entry of View: Up wraps round to it.
    xdotool key --delay 150 Up Right
    sleep 0.3
    for _ in $(seq "${ROW[$ZOOM]}"); do xdotool key --delay 100 Down; done
    xdotool key Return
    sleep 0.5
fi

# Hover over the middle of the view so that the label shows, then select
# what lies there.
xdotool mousemove $((X + 208 + 150)) $((CY + 240))
sleep 0.3
xdotool click 1
sleep 0.3
xdotool mousemove $((X + 208 + 160)) $((CY + 244))
sleep 0.5

mkdir -p "$(dirname "$OUT")"
import -window "$MAIN" "$OUT"
echo "screenshot: $OUT"

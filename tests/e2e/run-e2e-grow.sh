#!/usr/bin/env bash
# End-to-end test of a level that grows: on the demo image, drops a copy of
# an object into level 1 (which has no room to spare), saves with Ctrl+Shift+S
# and answers Yes, then starts the editor again on the saved image, loads
# level 1 and finds the copy drawn where it was dropped. tarnloft-defs check
# must still pass on the image.
#
#   run-e2e-grow.sh <tarnloft> <tarnloft_demogen> <tarnloft-defs> <data folder>
set -uo pipefail

TARNLOFT=${1:?usage: run-e2e-grow.sh <tarnloft> <demogen> <tarnloft-defs> <data>}
DEMOGEN=${2:?}
DEFS=${3:?}
DATA=${4:?}

source "$(dirname "$0")/e2e-lib.sh"

DEMO="$WORK/demo.smc"
"$DEMOGEN" "$DEMO" "$DATA" || fail "cannot write the demo image"

# The colour of the surface's pixel (x, y), as "r,g,b".
pixel() {
    import -window root -crop "1x1+$((SX + $1))+$((SY + $2))" txt:- 2>/dev/null |
        sed -n 's/.*srgb(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p;s/.*(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p' | head -n1
}

# Starts the editor on the demo image and shows level 1; sets main, SX, SY.
open_level_1() {
    "$TARNLOFT" "$DEMO" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    keys "$(window '^Tarnloft - RTFM$')" Return
    main=$(window '^Level 0 demo\.smc - Tarnloft$')
    keys "$main" ctrl+l
    keys "$(window '^Select Level$')" 1 Return
    main=$(window '^Level 1 demo\.smc - Tarnloft$')
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    SX=$((X + 208))
    SY=$((Y + HEIGHT - 504))
    xdotool mousemove $((SX + 600)) $((SY + 490))  # off the level, no hover label
    sleep 0.5
}

# Tile (20, 10) at 16x: the copy lands there; its inside is sampled.
DROP_X=328 DROP_Y=168
open_level_1
empty=$(pixel $((DROP_X + 8)) $((DROP_Y + 8)))
xdotool mousemove $((SX + DROP_X)) $((SY + DROP_Y))
sleep 0.3
xdotool click 2
sleep 0.5
xdotool mousemove $((SX + 600)) $((SY + 490))
sleep 0.5
copy=$(pixel $((DROP_X + 8)) $((DROP_Y + 8)))
[ -n "$copy" ] && [ "$copy" != "$empty" ] || fail "the copy was not drawn ($copy on $empty)"

keys "$main" ctrl+shift+s
keys "$(window '^Tarnloft - Move level data$')" Return
keys "$(window '^Tarnloft$')" Return
quit

"$DEFS" check "$DEMO" --data "$DATA" >"$WORK/check.log" 2>&1 || {
    cat "$WORK/check.log"
    fail "tarnloft-defs check does not pass on the saved image"
}

open_level_1
again=$(pixel $((DROP_X + 8)) $((DROP_Y + 8)))
[ "$again" = "$copy" ] || fail "after a restart the copy is not there ($again, expected $copy)"
quit

echo "e2e passed: grew level 1, moved it to free space, found the copy after a restart"
echo "1 passed, 0 failed"

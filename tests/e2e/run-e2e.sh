#!/usr/bin/env bash
# End-to-end test: drives the real editor under Xvfb with xdotool as a user
# would (answers the warning, types the image path into the file dialog,
# moves an object, undoes the move and saves, redoes it, widens the object
# by its handle, creates one from the catalogue list, saves, adds a screen
# exit and types its destination, saves again) and checks the saved bytes
# of the image after each save.
#
#   run-e2e.sh <tarnloft> <tarnloft_testimage>
set -uo pipefail

TARNLOFT=${1:?usage: run-e2e.sh <tarnloft> <testimage>}
TESTIMAGE=${2:?usage: run-e2e.sh <tarnloft> <testimage>}

for tool in Xvfb xdotool cmp; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "e2e skipped: $tool is not installed"
        exit 0
    fi
done

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb-session.sh"

fail() {
    echo "e2e FAILED: $*"
    [ -f "$WORK/app.log" ] && sed 's/^/  app: /' "$WORK/app.log" | tail -20
    exit 1
}

# The image (tests/support/testimage.h): level 0 holds one five-byte object
# 01 at (2,3), 4 x 2, and no exits or sprites.
IMAGE="$WORK/e2e.smc"
"$TESTIMAGE" "$IMAGE" || fail "cannot write the image"

# Fails unless the image holds what the builder says a stage of the script leaves.
expect_image() {
    "$TESTIMAGE" "$WORK/expected.smc" "$1" || fail "cannot write the expected image"
    local differences
    differences=$(cmp -l "$WORK/expected.smc" "$IMAGE" | head -n 8 | tr '\n' ' ')
    [ -z "$differences" ] || fail "the image is not as expected at '$1' (byte, expected, saved, octal): $differences"
}

start_display || fail "Xvfb did not start"

# Focuses the window whose title matches the pattern and types keys into it.
keys() {
    local id
    id=$(window "$1")
    [ -n "$id" ] || fail "no window named '$1'"
    shift
    focus_keys "$id" "$@"
}

# Waits for the main window showing level 0; sets main, its client area's
# corner CX, CY and the drawing surface's corner SX, SY.
find_main_window() {
    main=$(window '^Level 0 e2e\.smc - Tarnloft$')
    [ -n "$main" ] || fail "no main window showing level 0"
    sleep 1
    # Under load the first match can be a window that is replaced a moment
    # later; look it up again until its geometry can be read.
    local geometry=""
    for _ in $(seq 20); do
        geometry=$(xdotool getwindowgeometry --shell "$main" 2>/dev/null) && break
        geometry=""
        sleep 0.5
        main=$(window '^Level 0 e2e\.smc - Tarnloft$')
    done
    [ -n "$geometry" ] || fail "cannot read the main window's geometry"
    eval "$geometry"
    # Without a window manager the window is undecorated: its client area is
    # the 845 x 504 design area below the menu bar.
    CX=$X
    CY=$((Y + HEIGHT - 504))
    SX=$((CX + 208))
    SY=$CY
}

# Presses at (x1, y1) of the surface, moves in steps to (x2, y2), releases.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    xdotool mousemove $((SX + x1)) $((SY + y1)) sleep 0.2 mousedown 1 sleep 0.2
    for i in 1 2 3 4; do
        xdotool mousemove $((SX + x1 + (x2 - x1) * i / 4)) $((SY + y1 + (y2 - y1) * i / 4)) sleep 0.1
    done
    xdotool mouseup 1 sleep 0.3
}

click() { xdotool mousemove "$1" "$2" sleep 0.2 click 1 sleep 0.3; }

# Ctrl+S, then answers the save report.
save() {
    focus_keys "$main" ctrl+s
    keys '^Tarnloft$' Return
    sleep 0.5
}

# Ctrl+Q must end the program at once.
quit() {
    focus_keys "$main" ctrl+q
    wait_for_editor 50
    [ $? -eq 124 ] && fail "Ctrl+Q did not end the program"
}

"$TARNLOFT" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# 1. The version warning, then the file dialog, whose name box has the focus.
keys '^Tarnloft - RTFM$' Return
keys '^Open$'
sleep 0.2
xdotool type --delay 20 "$IMAGE"
sleep 0.3
xdotool key Return

# 2. The main window shows level 0.
find_main_window

# 4. Select the object (box from (32,48) to (96,80) at 16x) and move it
#    two columns right and one row down.
drag 50 60 82 76
# 5. Undo the move and save: the image is as it was. Then redo the move.
focus_keys "$main" ctrl+z
sleep 0.3
save
expect_image start
focus_keys "$main" ctrl+y
sleep 0.3
# 6. Its width handle is now at x = 128: drag it three columns right.
drag 128 80 176 80
# 7. Create object 02 from the catalogue list: filter, pick, create.
click $((CX + 72 + 60)) $((CY + 25 + 10))
xdotool type --delay 60 "02: "
sleep 0.5
click $((CX + 8 + 60)) $((CY + 81 + 9))
click $((CX + 16 + 39)) $((CY + 448 + 18 + 12))

# 8. Save, and answer the report.
save

# The bytes: moved and widened object 01 at (4,4), 7 x 2; new object 02 at (0,0).
expect_image saved

# 9. Screen Exit mode: create an exit on the screen in view (0,0), type its
#    destination, save again.
focus_keys "$main" ctrl+e
sleep 0.5
click $((CX + 16 + 39)) $((CY + 448 + 18 + 12))
FX=$((CX + 645))  # the Screen Exit Editor frame
FY=$((CY + 8))
click $((FX + 96 + 44)) $((FY + 97 + 10))
xdotool key ctrl+a
xdotool type --delay 80 "2C"
sleep 0.3
save

expect_image exit

quit

echo "e2e passed: moved, undid, redid, resized, created, added a screen exit and saved; the image holds the expected bytes"
echo "1 passed, 0 failed"

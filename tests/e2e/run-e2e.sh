#!/usr/bin/env bash
# End-to-end test: drives the real editor under Xvfb with xdotool as a user
# would (answers the warning, types the image path into the file dialog,
# moves an object, undoes the move and saves, redoes it, widens the object
# by its handle, creates one from the catalogue list, saves, adds a screen
# exit and types its destination, saves again, moves two objects and a
# sprite caught by a rubber band, copies an object into another level)
# and checks the saved bytes of the image after each save.
#
#   run-e2e.sh <tarnloft> <tarnloft_testimage>
set -uo pipefail

TARNLOFT=${1:?usage: run-e2e.sh <tarnloft> <testimage>}
TESTIMAGE=${2:?usage: run-e2e.sh <tarnloft> <testimage>}

source "$(dirname "$0")/e2e-lib.sh"

# The image (tests/support/testimage.h): level 0 holds one five-byte object
# 01 at (2,3), 4 x 2, a sprite at (10,8) and no exits; level 1 is empty.
IMAGE="$WORK/e2e.smc"
"$TESTIMAGE" "$IMAGE" || fail "cannot write the image"

# Fails unless the image holds what the builder says a stage of the script leaves.
expect_image() {
    "$TESTIMAGE" "$WORK/expected.smc" "$1" || fail "cannot write the expected image"
    local differences
    differences=$(cmp -l "$WORK/expected.smc" "$IMAGE" | head -n 8 | tr '\n' ' ')
    [ -z "$differences" ] || fail "the image is not as expected at '$1' (byte, expected, saved, octal): $differences"
}

"$TARNLOFT" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# 1. The version warning, then the file dialog, whose name box has the focus.
keys "$(window '^Tarnloft - RTFM$')" Return
keys "$(window '^Open$')"
sleep 0.2
xdotool type --delay 20 "$IMAGE"
sleep 0.3
xdotool key Return

# 2. The main window shows level 0.
find_main_window

# 3. Select the object (box from (32,48) to (96,80) at 16x) and move it
#    two columns right and one row down.
drag 50 60 82 76
# 4. Undo the move and save: the image is as it was. Then redo the move.
keys "$main" ctrl+z
sleep 0.3
save
expect_image start
keys "$main" ctrl+y
sleep 0.3
# 5. Its width handle is now at x = 128: drag it three columns right.
drag 128 80 176 80
# 6. Create object 02 from the catalogue list: filter, pick, create.
click $((CX + 72 + 60)) $((CY + 25 + 10))
xdotool type --delay 60 "02: "
sleep 0.5
click $((CX + 8 + 60)) $((CY + 81 + 9))
click $((CX + 16 + 39)) $((CY + 448 + 18 + 12))

# 7. Save, and answer the report.
save

# The bytes: moved and widened object 01 at (4,4), 7 x 2; new object 02 at (0,0).
expect_image saved

# 8. Screen Exit mode: create an exit on the screen in view (0,0), type its
#    destination, save again.
keys "$main" ctrl+e
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

# 9. Leave Screen Exit mode; a band from empty space up to the corner takes
#    02 (0,0), 01 (4,4) and the sprite (10,8); dragging 01 moves all three
#    two columns right and one row down.
keys "$main" ctrl+e
drag 200 160 0 0
drag 100 80 132 96
save
expect_image band

# 10. A click on 01 alone, copy it, load level 1 and paste it at tile (20,10).
click $((SX + 100 + 32)) $((SY + 80 + 16))
keys "$main" ctrl+shift+c
keys "$main" ctrl+l
keys "$(window '^Select Level$')" 1 Return
main=$(window '^Level 1 e2e\.smc - Tarnloft$')
xdotool mousemove $((SX + 20 * 16 + 8)) $((SY + 10 * 16 + 8)) sleep 0.2
keys "$main" ctrl+v
sleep 0.3
save
expect_image paste

quit

echo "e2e passed: moved, undid, redid, resized, created, added a screen exit, moved a band's group, pasted into another level and saved; the image holds the expected bytes"
echo "1 passed, 0 failed"

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

source "$(dirname "$0")/e2e-lib.sh"

"$TARNLOFT" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# 1. The version warning.
warning=$(window '^Tarnloft - RTFM$')
keys "$warning" Return

# 2. The file dialog: the name box has the focus.
dialog=$(window '^Open$')
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool type --delay 20 "$IMAGE"
sleep 0.3
xdotool key Return

# 3. The main window shows level 0.
find_main_window

# 4. Select the object (box from (32,48) to (96,80) at 16x) and move it
#    two columns right and one row down.
drag 50 60 82 76
# 5. Undo the move and save: the image is as it was. Then redo the move.
keys "$main" ctrl+z
sleep 0.3
save
expect_image start
keys "$main" ctrl+y
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

quit

echo "e2e passed: moved, undid, redid, resized, created, added a screen exit and saved; the image holds the expected bytes"
echo "1 passed, 0 failed"

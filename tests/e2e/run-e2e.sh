#!/usr/bin/env bash
# End-to-end test: drives the real editor under Xvfb with xdotool as a user
# would (answers the warning, types the image path into the file dialog,
# moves an object, widens it by its handle, creates one from the catalogue
# list, saves, adds a screen exit and types its destination, saves again)
# and then checks the saved bytes of the image.
#
#   run-e2e.sh <tarnloft> <tarnloft_demogen>
#
# The image is written here byte by byte, so its level 0 is known exactly.
set -uo pipefail

TARNLOFT=${1:?usage: run-e2e.sh <tarnloft> <demogen>}

for tool in Xvfb xdotool python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "e2e skipped: $tool is not installed"
        exit 0
    fi
done

source "$(dirname "$0")/../../scripts/xvfb-session.sh"

fail() {
    echo "e2e FAILED: $*"
    [ -f "$WORK/app.log" ] && sed 's/^/  app: /' "$WORK/app.log" | tail -20
    exit 1
}

IMAGE="$WORK/e2e.smc"

# --- The image: level 0 holds one five-byte object and no exits or sprites.
python3 - "$IMAGE" <<'EOF' || fail "cannot write the image"
import sys
image = bytearray(0x200 + 0x200000)
table = 0xBF9C3
# Level 0: object data at 18:8000 (file 0xC0200), sprites at 18:8100 (file 0xC0300).
image[table:table + 6] = bytes([0x00, 0x80, 0x18, 0x00, 0x81, 0x18])
objects = 0xC0200
image[objects:objects + 10] = bytes(range(0x11, 0x1B))          # header
image[objects + 10:objects + 17] = bytes([0x01, 0x00, 0x32, 0x03, 0x01,  # object 01 at (2,3), 4 x 2
                                          0xFF, 0xFF])           # no exits
image[objects + 0x60] = 0xEA                                     # ends the free room
sprites = 0xC0300
image[sprites:sprites + 2] = bytes([0xFF, 0xFF])
image[sprites + 0x40] = 0xEA
open(sys.argv[1], "wb").write(image)
EOF
cp "$IMAGE" "$WORK/original.smc"

# --- A display of our own.
start_display || fail "Xvfb did not start"

WAIT=60  # seconds for any window to appear

# Waits for a window whose title matches the pattern; prints its id.
window() {
    local id
    id=$(timeout "$WAIT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}

# Focuses a window and types keys into it.
keys() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.3
    xdotool key --delay 60 "$@"
}

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
main=$(window '^Level 0 e2e\.smc - Tarnloft$')
sleep 1
# Under load the first match can be a window that is replaced a moment
# later; look it up again until its geometry can be read.
geometry=""
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
SX=$((CX + 208))  # the drawing surface
SY=$CY

# Presses at (x1, y1) of the surface, moves in steps to (x2, y2), releases.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    xdotool mousemove $((SX + x1)) $((SY + y1))
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    for i in 1 2 3 4; do
        xdotool mousemove $((SX + x1 + (x2 - x1) * i / 4)) $((SY + y1 + (y2 - y1) * i / 4))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.3
}

click() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep 0.3
}

# 4. Select the object (box from (32,48) to (96,80) at 16x) and move it
#    two columns right and one row down.
drag 50 60 82 76
# 5. Its width handle is now at x = 128: drag it three columns right.
drag 128 80 176 80
# 6. Create object 02 from the catalogue list: filter, pick, create.
click $((CX + 72 + 60)) $((CY + 25 + 10))
xdotool type --delay 60 "02: "
sleep 0.5
click $((CX + 8 + 60)) $((CY + 81 + 9))
click $((CX + 16 + 39)) $((CY + 448 + 18 + 12))

# 7. Save, and answer the report.
keys "$main" ctrl+s
report=$(window '^Tarnloft$')
keys "$report" Return
sleep 0.5

# --- The bytes: moved and widened object 01 at (4,4), 7 x 2; new object 02 at (0,0).
python3 - "$IMAGE" "$WORK/original.smc" <<'EOF' || fail "the saved image is not as expected"
import sys
saved = open(sys.argv[1], "rb").read()
original = open(sys.argv[2], "rb").read()
objects = 0xC0200
expected = bytearray(original)
stream = bytes([0x01, 0x00, 0x44, 0x06, 0x01,
                0x02, 0x00, 0x00, 0x00, 0x00,
                0xFF, 0xFF])
expected[objects + 10:objects + 10 + len(stream)] = stream
if saved != bytes(expected):
    diffs = [i for i in range(len(saved)) if saved[i] != expected[i]]
    print("first differences:", ", ".join("%X: %02X (expected %02X)" % (i, saved[i], expected[i]) for i in diffs[:8]))
    print("object stream:", saved[objects + 10:objects + 30].hex(" "))
    sys.exit(1)
EOF

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
keys "$main" ctrl+s
report=$(window '^Tarnloft$')
keys "$report" Return
sleep 0.5

python3 - "$IMAGE" <<'EOF' || fail "the saved exit is not as expected"
import sys
saved = open(sys.argv[1], "rb").read()
objects = 0xC0200
stream = bytes([0x01, 0x00, 0x44, 0x06, 0x01,
                0x02, 0x00, 0x00, 0x00, 0x00,
                0xFF,
                0x00, 0x2C, 0x00, 0x00, 0x00,  # exit on screen 0,0 to level 2C
                0xFF])
got = saved[objects + 10:objects + 10 + len(stream)]
if got != stream:
    print("object stream:", got.hex(" "))
    sys.exit(1)
rest = saved[objects + 10 + len(stream):objects + 0x60]
if any(rest):
    print("free room not zero:", rest.hex(" "))
    sys.exit(1)
EOF

# Ctrl+Q ends the program at once.
keys "$main" ctrl+q
wait_for_editor 50
[ $? -eq 124 ] && fail "Ctrl+Q did not end the program"

echo "e2e passed: moved, resized, created, added a screen exit and saved; the image holds the expected bytes"
echo "1 passed, 0 failed"

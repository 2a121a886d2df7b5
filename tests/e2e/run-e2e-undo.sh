#!/usr/bin/env bash
# End-to-end test of undo and redo: starts the real editor with the image on
# the command line, drags an object, undoes the drag with Ctrl+Z and saves
# (the image must be as it was), then redoes it with Ctrl+Y and saves (the
# image must hold the move).
#
#   run-e2e-undo.sh <tarnloft>
set -uo pipefail

TARNLOFT=${1:?usage: run-e2e-undo.sh <tarnloft>}

source "$(dirname "$0")/e2e-lib.sh"

"$TARNLOFT" "$IMAGE" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# The version warning, then straight into the image's level 0.
warning=$(window '^Tarnloft - RTFM$')
keys "$warning" Return
find_main_window

# Move the object (box from (32,48) to (96,80) at 16x) two columns right and
# one row down, undo, save.
drag 50 60 82 76
keys "$main" ctrl+z
sleep 0.3
save
cmp -s "$IMAGE" "$WORK/original.smc" || fail "after undo and save the image is not as it was"

# Redo, save: object 01 now at (4,4).
keys "$main" ctrl+y
sleep 0.3
save
python3 - "$IMAGE" "$WORK/original.smc" <<'PY' || fail "after redo and save the image does not hold the move"
import sys
saved = open(sys.argv[1], "rb").read()
expected = bytearray(open(sys.argv[2], "rb").read())
objects = 0xC0200
expected[objects + 10:objects + 17] = bytes([0x01, 0x00, 0x44, 0x03, 0x01, 0xFF, 0xFF])
if saved != bytes(expected):
    print("object stream:", saved[objects + 10:objects + 20].hex(" "))
    sys.exit(1)
PY

quit

echo "e2e passed: moved, undid, saved the image unchanged, redid and saved the move"
echo "1 passed, 0 failed"

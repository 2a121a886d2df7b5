# Sourced by the end-to-end scripts: skips when the tools are missing, a
# scratch folder and display of our own, and xdotool helpers that find
# windows, type keys and drag on the drawing surface.

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

start_display || fail "Xvfb did not start"

# Waits for a window whose title matches the pattern; prints its id.
window() {
    local id
    id=$(find_window "$1")
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}

# Focuses a window and types keys into it.
keys() { focus_keys "$@"; }

# Waits for the main window showing level 0; sets main, its client area's
# corner CX, CY and the drawing surface's corner SX, SY.
find_main_window() {
    main=$(window '^Level 0 e2e\.smc - Tarnloft$')
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
    keys "$main" ctrl+s
    keys "$(window '^Tarnloft$')" Return
    sleep 0.5
}

# Ctrl+Q must end the program at once.
quit() {
    keys "$main" ctrl+q
    wait_for_editor 50
    [ $? -eq 124 ] && fail "Ctrl+Q did not end the program"
}


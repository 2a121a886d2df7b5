# Sourced by the scripts that drive the real editor: a scratch folder, a
# display of our own, settings of our own, clean-up of all (and of the
# editor) on exit, and finding and typing into its windows. Sets WORK and
# DISPLAY; the caller stores the editor's pid in APP_PID.

WORK=$(mktemp -d)
# The editor keeps its recent images in the user's settings; a scripted run
# keeps its own, so that it neither reads nor changes the real ones.
export XDG_CONFIG_HOME="$WORK/config"
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb and exports its DISPLAY; returns non-zero when it does not start.
start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
        [ -s "$WORK/display" ] && break
        sleep 0.2
    done
    [ -s "$WORK/display" ] || return 1
    export DISPLAY=":$(head -n1 "$WORK/display")"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# Waits up to <tenths> tenths of a second for the editor (APP_PID) to end.
# Returns its exit status, or 124 when it is still running.
wait_for_editor() {
    local tenths=${1:-50}
    for _ in $(seq "$tenths"); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && return 124
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=""
    return $status
}

# Prints the id of the first visible window whose title matches the pattern,
# waiting up to WINDOW_WAIT seconds (60); prints nothing when none shows.
find_window() {
    timeout "${WINDOW_WAIT:-60}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Focuses a window, waits FOCUS_PAUSE seconds (0.3), then types the keys
# with KEY_DELAY milliseconds (60) between them.
focus_keys() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id" 2>/dev/null
    sleep "${FOCUS_PAUSE:-0.3}"
    [ $# -eq 0 ] || xdotool key --delay "${KEY_DELAY:-60}" "$@" 2>/dev/null
}

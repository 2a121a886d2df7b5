#!/usr/bin/env bash
# Monkey run: drives the real editor, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, under Xvfb with seeded random clicks (some
# with Ctrl), drags (left ones on empty space draw rubber bands, some with
# Ctrl or Shift), wheel turns, keys, the clipboard's shortcuts, menu choices
# and dialog input on a copy of the demo image, saving now and then. It
# leaves out the hex editor's Put and everything that ends the program, and
# dismisses every dialog that opens.
#
# Passes when no sanitizer reports, the editor never crashes, it is idle
# again (its event loop waiting) within PING_SECONDS after every step, and
# after a last save the image differs from the original only inside the
# extents of the levels that were saved.
#
#   run-monkey.sh <bindir> [seconds] [seed]
#
# <bindir> holds tarnloft, tarnloft_demogen, tarnloft_monkeycheck and the
# definition files. The seed is printed; the same seed replays the same
# sequence of actions (MONKEY_STEPS=n stops after n steps instead of after
# the time). MONKEY_LOG=file keeps the list of actions.
set -uo pipefail

BIN=$(cd "${1:?usage: run-monkey.sh <bindir> [seconds] [seed]}" && pwd)
SECONDS_TO_RUN=${2:-60}
SEED=${3:-}
[ -n "$SEED" ] || SEED=$(( ($(date +%s%N) / 1000) % 2147483647 ))
MAX_STEPS=${MONKEY_STEPS:-0}
PING_SECONDS=${PING_SECONDS:-5}
HERE=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "monkey: $tool is not installed" >&2
        exit 1
    fi
done

source "$HERE/../../scripts/xvfb-session.sh"

if [ "$MAX_STEPS" -gt 0 ]; then
    echo "monkey: seed $SEED, $MAX_STEPS steps"
else
    echo "monkey: seed $SEED, ${SECONDS_TO_RUN}s"
fi

fail() {
    echo "monkey FAILED (seed $SEED, step ${STEP:-0}, last action: ${ACTION:-none}): $*" >&2
    for log in "$WORK"/asan* "$WORK"/ubsan*; do
        [ -f "$log" ] && { echo "--- $log" >&2; head -n 60 "$log" >&2; }
    done
    [ -f "$WORK/app.log" ] && tail -n 30 "$WORK/app.log" | sed 's/^/  app: /' >&2
    [ -f "$WORK/actions.log" ] && cp "$WORK/actions.log" "${MONKEY_LOG:-/tmp/monkey-$SEED.actions}" &&
        echo "monkey: actions kept in ${MONKEY_LOG:-/tmp/monkey-$SEED.actions}" >&2
    exit 1
}

# A 31-bit linear congruential generator: the same numbers for a seed on every machine.
STATE=$SEED
R=0
rnd() {  # R = 0..$1-1
    STATE=$(( (STATE * 1103515245 + 12345) % 2147483648 ))
    R=$(( (STATE >> 8) % $1 ))
}

IMAGE="$WORK/demo.smc"
"$BIN/tarnloft_demogen" "$IMAGE" "$BIN" || fail "cannot generate the demo image"
cp "$IMAGE" "$WORK/original.smc"

start_display || fail "Xvfb did not start"

# Leaks are not looked for here: the toolkit keeps caches until exit.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:log_path=$WORK/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$WORK/ubsan"
# The image is named on the command line: after the start-up warning the
# editor opens it without the file dialog, so no typed path can go astray.
"$BIN/tarnloft" "$IMAGE" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# Keys go in quickly: every step waits for the editor anyway.
export FOCUS_PAUSE=0 KEY_DELAY=20

warning=$(find_window '^Tarnloft - RTFM$')
[ -n "$warning" ] || fail "no start-up warning"
focus_keys "$warning" Return
MAIN=$(find_window '^Level 0 demo\.smc - Tarnloft$')
[ -n "$MAIN" ] || fail "the main window did not show level 0"
sleep 1

# Client area: the window is undecorated; the menu bar is what lies above
# the 504 pixels of the design area.
geometry() {
    local g
    g=$(xdotool getwindowgeometry --shell "$MAIN" 2>/dev/null) || return 1
    eval "$g"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}
geometry || fail "cannot read the main window's geometry"
MENU_H=$((WH - 504))
[ "$MENU_H" -ge 0 ] || MENU_H=0

# CPU time the editor has used so far, in clock ticks.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$APP_PID/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    set -- $stat
    echo $(( ${12} + ${13} ))
}

# The editor answers when its event loop is back to waiting: its CPU time
# stands still for a moment within PING_SECONDS, and its window still exists.
alive() {
    local start=$SECONDS before after
    while :; do
        kill -0 "$APP_PID" 2>/dev/null || fail "the editor ended (crash or sanitizer report)"
        before=$(cpu_ticks) || fail "the editor ended (crash or sanitizer report)"
        sleep 0.15
        after=$(cpu_ticks) || fail "the editor ended (crash or sanitizer report)"
        [ $((after - before)) -le 1 ] && break
        [ $((SECONDS - start)) -ge "$PING_SECONDS" ] && fail "the editor stayed busy for ${PING_SECONDS}s"
    done
    timeout "$PING_SECONDS" xdotool getwindowname "$MAIN" >/dev/null 2>&1 || fail "the main window is gone"
}

# Closes every window other than the main window and the object list:
# Esc cancels dialogs and message boxes; the About box closes with Enter.
dismiss() {
    local round id name found
    for round in $(seq 12); do
        found=0
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            [ "$id" = "$MAIN" ] && continue
            name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
            case "$name" in
                "Objects list" | *"demo.smc - Tarnloft") continue ;;
                About) focus_keys "$id" Return ;;
                *) focus_keys "$id" Escape ;;
            esac
            found=1
            sleep 0.1
        done
        [ $found -eq 0 ] && return 0
    done
    fail "a dialog does not go away"
}

# The level on screen, for the final check: an index in hex, or two offsets.
SAVED_LEVELS=()
note_level() {
    local name
    name=$(xdotool getwindowname "$MAIN" 2>/dev/null)
    if [[ $name =~ ^Level\ ([0-9A-F]+)\  ]]; then
        SAVED_LEVELS+=("${BASH_REMATCH[1]}")
    elif [[ $name =~ ^0x([0-9A-F]+),\ 0x([0-9A-F]+)\  ]]; then
        SAVED_LEVELS+=("0x${BASH_REMATCH[1]},0x${BASH_REMATCH[2]}")
    fi
}

SAVES=0
save() {
    dismiss
    note_level
    focus_keys "$MAIN" ctrl+s
    sleep 0.2
    SAVES=$((SAVES + 1))
    dismiss
}

# Waits briefly for a dialog by name; prints its id.
dialog_named() {
    timeout 5 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}

point() {  # PX, PY: a random point of the client area below the menu bar
    rnd "$WW"; PX=$((WX + R))
    rnd $((WH - MENU_H)); PY=$((WY + MENU_H + R))
}
surface_point() {  # a random point on or around the drawing surface
    rnd $((WW - 200 + 64)); PX=$((WX + 176 + R))
    rnd $((WH - MENU_H + 32)); PY=$((WY + MENU_H - 16 + R))
}
pick() {  # PICKED = one of the arguments
    rnd $#
    shift "$R"
    PICKED=$1
}

TYPABLE=(0 1 2 3 5 7 8 9 a b c d e f A F x z space minus period)
KEYS=(Delete Left Right Up Down Tab shift+Tab Return space BackSpace Home End Prior Next Escape)
# Select All, Cut, Copy (both keys), Paste (both keys) and Escape, which keeps only the primary.
EDIT_KEYS=(ctrl+a ctrl+x ctrl+shift+c ctrl+Insert ctrl+v shift+Insert Escape)

# holding <key or ""> <xdotool commands>: runs the commands with the key held throughout.
holding() {
    local key=$1
    shift
    [ -z "$key" ] || xdotool keydown "$key"
    xdotool "$@"
    [ -z "$key" ] || xdotool keyup "$key"
}

step() {
    rnd 100
    local roll=$R
    if [ $roll -lt 18 ]; then
        point
        pick 1 1 1 1 1 1 1 3 3 2
        ACTION="click $PICKED at $PX,$PY"
        xdotool mousemove "$PX" "$PY" click "$PICKED"
    elif [ $roll -lt 23 ]; then
        surface_point
        ACTION="ctrl+click at $PX,$PY"
        holding ctrl mousemove "$PX" "$PY" click 1
    elif [ $roll -lt 37 ]; then
        # Left drags move what they start on, or draw a band from empty space.
        surface_point
        local x1=$PX y1=$PY i
        surface_point
        pick 1 1 1 1 1 2 3
        local button=$PICKED key=""
        [ "$button" -eq 1 ] && pick "" "" "" ctrl shift shift && key=$PICKED
        ACTION="drag $button ${key:+with $key }from $x1,$y1 to $PX,$PY"
        local path=(mousemove "$x1" "$y1" mousedown "$button")
        for i in 1 2 3; do
            path+=(mousemove $((x1 + (PX - x1) * i / 3)) $((y1 + (PY - y1) * i / 3)))
        done
        holding "$key" "${path[@]}" mouseup "$button"
    elif [ $roll -lt 43 ]; then
        point
        pick 4 5 4 5 6 7
        local button=$PICKED
        pick "" "" "" ctrl shift
        ACTION="wheel $button ${PICKED:+with $PICKED }at $PX,$PY"
        xdotool mousemove "$PX" "$PY"
        if [ -n "$PICKED" ]; then
            xdotool keydown "$PICKED" click "$button" keyup "$PICKED"
        else
            xdotool click "$button"
        fi
    elif [ $roll -lt 54 ]; then
        pick "${KEYS[@]}"
        ACTION="key $PICKED"
        xdotool key "$PICKED"
    elif [ $roll -lt 60 ]; then
        local text=() n
        rnd 3
        for n in $(seq $((R + 1))); do
            pick "${TYPABLE[@]}"
            text+=("$PICKED")
        done
        ACTION="type ${text[*]}"
        xdotool key --delay 10 "${text[@]}"
    elif [ $roll -lt 69 ]; then
        # A menu by keyboard: open it, walk down, maybe into a submenu, choose.
        pick alt+l alt+v alt+r alt+h
        local keys=("$PICKED") n
        rnd 9
        for n in $(seq "$R"); do keys+=(Down); done
        rnd 3
        if [ "$R" -eq 0 ]; then
            keys+=(Right)
            rnd 8
            for n in $(seq "$R"); do keys+=(Down); done
        fi
        keys+=(Return)
        ACTION="menu ${keys[*]}"
        focus_keys "$MAIN" "${keys[@]}"
    elif [ $roll -lt 75 ]; then
        rnd 256
        local index
        index=$(printf '%X' "$R")
        ACTION="load level $index"
        focus_keys "$MAIN" ctrl+l
        local d
        d=$(dialog_named '^Select Level$')
        if [ -n "$d" ]; then
            focus_keys "$d" ctrl+a
            xdotool type --delay 10 "$index"
            xdotool key Return
        fi
    elif [ $roll -lt 79 ]; then
        ACTION="header"
        focus_keys "$MAIN" ctrl+h
        local d n field
        d=$(dialog_named '^Header Properties$')
        if [ -n "$d" ]; then
            rnd 17
            field=$R
            focus_keys "$d" ctrl+a
            for n in $(seq "$field"); do xdotool key Tab; done
            rnd 40
            ACTION="header: box $field, $R"
            xdotool key ctrl+a
            xdotool type --delay 10 "$R"
            pick Return Escape
            xdotool key "$PICKED"
        fi
    elif [ $roll -lt 84 ]; then
        ACTION="save"
        save
    elif [ $roll -lt 88 ]; then
        pick ctrl+c ctrl+e ctrl+g ctrl+w ctrl+t ctrl+o ctrl+z ctrl+z ctrl+y ctrl+shift+z ctrl+b
        ACTION="shortcut $PICKED"
        focus_keys "$MAIN" "$PICKED"
    elif [ $roll -lt 97 ]; then
        pick "${EDIT_KEYS[@]}"
        ACTION="edit key $PICKED"
        focus_keys "$MAIN" "$PICKED"
    else
        rnd 900; local w=$((450 + R))
        rnd 700; local h=$((300 + R))
        ACTION="resize to ${w}x$h"
        xdotool windowsize "$MAIN" "$w" "$h"
    fi
    echo "$STEP $ACTION" >>"$WORK/actions.log"
    dismiss
    alive
    geometry || fail "the main window is gone"
}

START=$(date +%s)
STEP=0
ACTION=""
while :; do
    if [ "$MAX_STEPS" -gt 0 ]; then
        [ "$STEP" -ge "$MAX_STEPS" ] && break
    elif [ $(($(date +%s) - START)) -ge "$SECONDS_TO_RUN" ]; then
        break
    fi
    STEP=$((STEP + 1))
    step
done

ACTION="last save"
save
alive
focus_keys "$MAIN" ctrl+q
wait_for_editor 100
status=$?
[ "$status" -eq 124 ] && fail "Ctrl+Q did not end the editor"
[ "$status" -eq 0 ] || fail "the editor ended with status $status"
ls "$WORK"/asan* "$WORK"/ubsan* >/dev/null 2>&1 && fail "a sanitizer reported"

"$BIN/tarnloft_monkeycheck" "$WORK/original.smc" "$IMAGE" "$BIN" "${SAVED_LEVELS[@]}" ||
    fail "the image changed outside the saved levels (${SAVED_LEVELS[*]})"
[ -n "${MONKEY_LOG:-}" ] && cp "$WORK/actions.log" "$MONKEY_LOG"
echo "monkey passed: seed $SEED, $STEP steps in $(($(date +%s) - START))s, $SAVES saves (levels ${SAVED_LEVELS[*]})"

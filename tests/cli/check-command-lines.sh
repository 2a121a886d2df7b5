#!/usr/bin/env bash
# The installed programs' command lines, run as they are and without a
# display: the exit status and the whole of what each prints, on which stream.
#
#   check-command-lines.sh <tarnloft> <tarnloft-defs> <version>
set -uo pipefail
tarnloft=${1:?usage: check-command-lines.sh <tarnloft> <tarnloft-defs> <version>}
defs=${2:?}
version=${3:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The X11 platform without a display aborts the editor if the toolkit starts.
export QT_QPA_PLATFORM=xcb
unset DISPLAY WAYLAND_DISPLAY
printf 'twenty-two bytes long\n' >"$work/notes.txt"
failed=0

# expect <status> <stdout|stderr> <text> <command>...: the command ends with
# <status>, prints <text> on that stream and nothing on the other.
expect() {
    local status=$1 stream=$2 text=$3 other=stdout
    shift 3
    [ "$stream" = stdout ] && other=stderr
    "$@" >"$work/stdout" 2>"$work/stderr"
    local got=$?
    if [ "$got" != "$status" ] || [ "$(cat "$work/$stream")" != "$text" ] || [ -s "$work/$other" ]; then
        echo "FAILED: ${*#"$work/"} ended with $got (not $status); stdout, then stderr:"
        cat "$work/stdout" "$work/stderr"
        failed=1
    fi
}

help=$("$tarnloft" --help)
defs_help=$("$defs" --help)
[[ $help == "Usage: tarnloft [OPTION]... [IMAGE]"* ]] || { echo "FAILED: tarnloft --help: $help"; failed=1; }
[[ $defs_help == "Usage: tarnloft-defs check IMAGE"* ]] || { echo "FAILED: tarnloft-defs --help"; failed=1; }

expect 0 stdout "tarnloft $version" "$tarnloft" -platform xcb --version
expect 0 stdout "$help" "$tarnloft" -h
expect 2 stderr "tarnloft: unknown option '--bogus'"$'\n'"$help" "$tarnloft" --bogus
expect 2 stderr "tarnloft: unknown option '-x'"$'\n'"$help" "$tarnloft" -style fusion -x level.smc
expect 0 stdout "tarnloft-defs $version" "$defs" --version
expect 0 stdout "$defs_help" "$defs" -h
not_an_image="tarnloft-defs: $work/notes.txt is not a cartridge image: 22 bytes"
expect 2 stderr "$not_an_image" "$defs" check "$work/notes.txt"
expect 2 stderr "$not_an_image" "$defs" infer "$work/notes.txt" --levels 1 --out "$work"
exit $failed

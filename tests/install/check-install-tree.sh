#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR with the prefix /usr and checks
# that exactly the expected files arrive: nothing missing, nothing extra, and
# a manual page for every program.
#
#   check-install-tree.sh <build-folder> <expected-list> [more expected paths]...
set -euo pipefail

build=${1:?usage: check-install-tree.sh <build-folder> <expected-list> [path]...}
expected=${2:?usage: check-install-tree.sh <build-folder> <expected-list> [path]...}
shift 2
source_root=$(cd "$(dirname "$0")/../.." && pwd)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

wanted=$({ cat "$expected"; printf '%s\n' "$@"; } | sed '/^$/d' | LC_ALL=C sort)
actual=$(cd "$root" && find . -mindepth 1 ! -type d -printf '%P\n' | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    echo "The installed tree differs from the expected one (< expected, > installed):"
    diff <(echo "$wanted") <(echo "$actual") || true
    exit 1
fi
empty=$(cd "$root" && find . -mindepth 1 -type d -empty -printf '%P\n')
[ -z "$empty" ] || { echo "Empty folders installed: $empty"; exit 1; }

for program in "$root"/usr/bin/*; do
    [ -x "$program" ] || { echo "Not executable: ${program#"$root"/}"; exit 1; }
    page="$root/usr/share/man/man1/$(basename "$program").1.gz"
    [ -f "$page" ] || { echo "No manual page for ${program#"$root"/}"; exit 1; }
done
for data in "$source_root"/data/*.dat; do
    cmp -s "$data" "$root/usr/share/tarnloft/$(basename "$data")" ||
        { echo "Installed $(basename "$data") differs from data/"; exit 1; }
done
echo "Installed tree: $(echo "$actual" | wc -l) files as expected"

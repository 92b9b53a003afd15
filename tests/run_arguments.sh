#!/usr/bin/env bash
# scripts/run.sh starts the launcher in the demo folder, so it makes a ROM path
# given relative to the caller's folder absolute first; Qt options and their
# values pass unchanged.
# Usage: run_arguments.sh path/to/scripts/run.sh
set -euo pipefail
script="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/roms" "$work/-odd"
touch "$work/roms/Tetris (World).gb" "$work/fusion" "$work/-odd/x.gb"
cd "$work"
# shellcheck source=/dev/null
source "$script"
failures=0
check() {
    local expected="$1" actual
    shift
    actual="$(absolute_arguments "$@" | tr '\0' '\n')"
    if [ "$actual" != "$expected" ]; then
        printf 'FAIL: %s\n  gave     %s\n  expected %s\n' "$*" "${actual//$'\n'/ | }" "${expected//$'\n'/ | }"
        failures=$((failures + 1))
    fi
}
check "$work/roms/Tetris (World).gb" "roms/Tetris (World).gb"
check "$work/roms/Tetris (World).gb" "./roms/Tetris (World).gb"
check "/elsewhere/x.gb" "/elsewhere/x.gb"
# A Qt option's value is not a path, even where a file of that name exists.
check $'-style\nfusion' -style fusion
check $'--style\nfusion\n'"$work/fusion" --style fusion fusion
check $'--data-folder\n-platform\noffscreen\n'"$work/roms/Tetris (World).gb" \
    --data-folder -platform offscreen "roms/Tetris (World).gb"
# After "--" every argument is a path, dash or not.
check $'--\n'"$work/-odd/x.gb" -- "-odd/x.gb"
check $'--\n'"$work/-style" -- -style
# A missing file is passed as given: the launcher reports it.
check "missing.gb" "missing.gb"
[ "$failures" -eq 0 ] || exit 1
echo "PASS: relative ROM paths are made absolute, options pass unchanged"

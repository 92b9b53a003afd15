#!/usr/bin/env bash
# The launcher's command line: --help and --version without a display, an
# unknown option, and a ROM path relative to the folder started from.
# Usage: command_line.sh path/to/vexa-launcher version
set -euo pipefail
launcher="$(realpath "$1")"
version="$2"
work="$(mktemp -d)"
trap 'if [ -n "${pid:-}" ]; then kill "$pid"; wait "$pid"; fi 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A window would need the X display, which is not there.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
"${headless[@]}" "$launcher" --help > "$work/out" || fail "--help exited $?"
for word in --data-folder .zip .7z "~/.cache/vexa"; do
    grep -q -F -- "$word" "$work/out" || fail "--help does not name $word: $(cat "$work/out")"
done
[ "$("${headless[@]}" "$launcher" --version)" = "vexa-launcher $version" ] || fail "--version"
status=0
"${headless[@]}" "$launcher" --bogus > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] || fail "--bogus exited $status"
# One line on what was wrong and one pointing to --help, as ls does.
printf '%s\n' "vexa-launcher: unknown option '--bogus'" "Try 'vexa-launcher --help' for more information." > "$work/want"
cmp -s "$work/want" "$work/err" || fail "--bogus: $(cat "$work/err")"
# --help speaks the user's language; what a refused command line writes on
# the error output stays English, for scripts.
for language in "en Usage" "de Aufruf" "ja 使い方" "pt_BR Uso"; do
    LANGUAGE="${language% *}" LANG=C.UTF-8 "${headless[@]}" "$launcher" --help > "$work/out" || fail "--help exited $?"
    grep -q "^${language#* }: vexa-launcher \[--data-folder\]" "$work/out" || fail "--help in ${language% *}: $(head -1 "$work/out")"
done
LANGUAGE=de "${headless[@]}" "$launcher" --bogus 2> "$work/err" || true
cmp -s "$work/want" "$work/err" || fail "--bogus in German: $(cat "$work/err")"

mkdir -p "$work/config" "$work/data" "$work/start/roms"
head -c 400 /dev/zero > "$work/start/roms/x.gb"
cd "$work/start"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
    "$launcher" --data-folder roms/x.gb 2> "$work/err" &
pid=$!
for _ in $(seq 100); do
    grep -qs "^RomPath=$work/start/roms$" "$work/config/Vexa/Vexa.conf" && break
    sleep 0.05
done
grep -qs "^RomPath=$work/start/roms$" "$work/config/Vexa/Vexa.conf" || fail "ROM folder not stored: $(cat "$work/err")"
[ "$(readlink "/proc/$pid/cwd")" = "$work/data/vexa" ] || fail "not running in the data folder"
[ ! -s "$work/err" ] || fail "$(cat "$work/err")"
# The library's SQLite is loaded when the library is first used, not at start-up.
! grep -q libsqlite3 "/proc/$pid/maps" || fail "SQLite loaded at start-up"

# DAT files and the report work without a window (no display here) and
# print what scripts read; a refused file exits 1 with one line.
crc="$(python3 -c 'import zlib; print("%08x" % zlib.crc32(bytes(400)))')"
cat > "$work/start/a.dat" <<DAT
<?xml version="1.0"?>
<!DOCTYPE datafile PUBLIC "-//Logiqx//DTD ROM Management Datafile//EN" "http://www.logiqx.com/Dats/datafile.dtd">
<datafile><header><name>Shell</name></header>
<game name="Zeros (World)"><rom name="Zeros (World).gb" size="400" crc="$crc"/></game>
<game name="Other (World)"><rom name="Other (World).gb" size="400" crc="12345678"/></game>
</datafile>
DAT
printf 'not a DAT\n' > "$work/start/bad.dat"
data=(env XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "${headless[@]}" "$launcher")
"${data[@]}" --import-dat a.dat > "$work/out" 2> "$work/err" || fail "--import-dat exited $?: $(cat "$work/err")"
[ "$(cat "$work/out")" = "Imported 1 DAT file: Shell (2 games, 2 ROMs)" ] && [ ! -s "$work/err" ] || fail "--import-dat: $(cat "$work/out" "$work/err")"
status=0
"${data[@]}" --import-dat bad.dat > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 1 ] && [ ! -s "$work/out" ] && [ "$(wc -l < "$work/err")" -eq 1 ] || fail "bad.dat exited $status: $(cat "$work/err")"
grep -q "^vexa-launcher: The DAT file $work/start/bad.dat is refused: " "$work/err" || fail "bad.dat: $(cat "$work/err")"
"${data[@]}" --report > "$work/out" 2> "$work/err" || fail "--report exited $?: $(cat "$work/err")"
printf 'verified\tdamaged\tZeros (World)\t%s\nmissing\tOther (World)\tShell\n' "$work/start/roms/x.gb" > "$work/want"
cmp -s "$work/want" "$work/out" && [ ! -s "$work/err" ] || fail "--report: $(cat "$work/out" "$work/err")"
echo "PASS: --help, --version, an unknown option, a ROM path, --import-dat and --report"

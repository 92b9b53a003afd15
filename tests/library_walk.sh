#!/usr/bin/env bash
# The library walked through as a user would, under Xvfb with xdotool:
#  - a collection of 3,000 ROMs (1,500 one-ROM zips, 1,500 loose, in nested
#    folders; header-only ROMs from the demo collection's generator) is the
#    ROM folder; `vexa-launcher --library` opens the library, which lists all
#    of them (counted in its store with python3's sqlite3 once the launcher
#    has closed: while it runs, the store is its own);
#  - "zelda" typed leaves the rows whose title, file or cartridge title holds
#    it, whatever the case and the accents: each row left is played in turn
#    (Down, Enter), and one Down more plays the last again;
#  - Enter in the search field starts the first row: the stand-in `vexa`
#    receives exactly what a click on Run in the main window gives for the
#    ROM the main window then shows selected;
#  - started again, a second folder is added with "Add folder…", the ★ set on
#    a ROM, the file renamed and moved into the second folder: the library
#    follows, and the ★ is still set.
# Screenshots of each step are kept in $VEXA_WALK_SHOTS when set.
# Skips (77) where Xvfb, xdotool or python3 is missing.
# Usage: library_walk.sh path/to/vexa-launcher path/to/screen_shot
set -euo pipefail
launcher="$(realpath "$1")"
screen_shot="$(realpath "$2")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed"; exit 77; }
source "$here/x_server.sh"

work="$(mktemp -d)"
pid=""
finish() {
    local status=$?
    if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    stop_x_server
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
shots="${VEXA_WALK_SHOTS:-$work/shots}"
mkdir -p "$work/roms" "$work/second" "$work/bin" "$work/config/Vexa" "$work/data" "$work/cache" "$shots"
fail() {
    echo "FAIL: $*"
    "$screen_shot" "$shots/failed.png" || true
    echo "The emulator received:"
    cat "$work/record" 2>/dev/null || true
    exit 1
}
shot() { "$screen_shot" "$shots/$1.png"; }

# The collection, and what "zelda" finds in it: one line a ROM, the name the
# emulator's last argument ends with.
python3 - "$here/../demo/make-demo.py" "$work/roms" > "$work/zelda" <<'PY'
import importlib.util, os, sys, unicodedata, zipfile
generator = importlib.util.spec_from_file_location("demo", sys.argv[1])
demo = importlib.util.module_from_spec(generator)
generator.loader.exec_module(demo)
root = sys.argv[2]
# Index: file name without extension, cartridge title (each its own, so each
# ROM's bytes are its own), extension.
special = {
    10: ("Legend of Zelda, The - Link's Awakening (USA, Europe)", "ZELDA", ".gb"),
    1001: ("ZELDA no Densetsu - Yume o Miru Shima (Japan)", "ZELDA YUME", ".gb"),
    2002: ("L\u00e9gende de Z\u00e9lda, La (France)", "LEGENDE", ".gbc"),
    2503: ("Zelda - Oracle of Ages (USA)", "ORACLE AGES", ".gbc"),
    2900: ("Triforce Quest (World)", "ZELDA DX", ".gb"),
    20: ("Zeld Adventure (World)", "ZELD ADV", ".gb"),
    21: ("Zel-da Puzzle (World)", "ZEL DA", ".gb"),
}
def fold(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c)).casefold()
found = []
for index in range(3000):
    name, title, extension = special.get(index, ("Game %04d (World)" % index, "GAME %04d" % index, ".gb"))
    rom = demo.make_rom(title, 0x80 if extension == ".gbc" else 0x00, 0x00, 0x00, 0x00, 0x01, 0x200)
    folder = os.path.join(root, "Set %d" % (index // 1000), "Shelf %02d" % (index // 50 % 20))
    os.makedirs(folder, exist_ok=True)
    if index % 2:
        with zipfile.ZipFile(os.path.join(folder, name + ".zip"), "w", zipfile.ZIP_DEFLATED) as archive:
            archive.writestr(name + extension, rom)
        shown = name + ".zip: " + name + extension
    else:
        with open(os.path.join(folder, name + extension), "wb") as out:
            out.write(rom)
        shown = name + extension
    if any("zelda" in fold(text) for text in (name, shown, title)):
        found.append(name + extension)
print("\n".join(found))
PY
[ "$(wc -l < "$work/zelda")" = 5 ] || fail "the collection holds $(wc -l < "$work/zelda") zelda ROMs, not 5"

cat > "$work/bin/vexa" <<'SH'
#!/bin/sh
for a in "$@"; do printf '%s\n' "$a" >> "$VEXA_RECORD"; done
echo -- >> "$VEXA_RECORD"
SH
chmod +x "$work/bin/vexa"
printf '[Options]\nRomPath=%s\n' "$work/roms" > "$work/config/Vexa/Vexa.conf"

cd "$work"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" \
    XDG_RUNTIME_DIR="$work" VEXA_RECORD="$work/record" PATH="$work/bin:$PATH"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
database="$work/data/vexa/library.sqlite"

# A screen the library window and the main window fit on side by side.
if [ -n "${VEXA_WALK_DISPLAY:-}" ]; then
    Xvfb "$VEXA_WALK_DISPLAY" -screen 0 1280x1024x24 -noreset -nolisten tcp 2>/dev/null &
    x_server_pid=$!
    export DISPLAY="$VEXA_WALK_DISPLAY"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
else
    # start_x_server with a larger screen.
    folder="$(mktemp -d)"
    mkfifo "$folder/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$folder/display" 2>/dev/null &
    x_server_pid=$!
    number=""
    read -r -t 30 number <"$folder/display" || true
    rm -rf "$folder"
    [ -n "$number" ] || fail "Xvfb did not start"
    export DISPLAY=":$number"
fi

# The store, as another program reads it once the launcher has closed.
query() {
    python3 - "$database" "$1" <<'PY'
import sqlite3, sys
try:
    db = sqlite3.connect("file:%s?mode=ro" % sys.argv[1], uri=True, timeout=5)
    print("|".join(str(v) for v in (db.execute(sys.argv[2]).fetchone() or ())))
except sqlite3.Error:
    print("")
PY
}
runs() { if [ -f "$work/record" ]; then grep -c -- '^--$' "$work/record" || true; else echo 0; fi; }
wait_runs() {
    for _ in $(seq 300); do [ "$(runs)" -ge "$1" ] && return 0; sleep 0.1; done
    fail "the emulator was started $(runs) times, not $1"
}
# The store's files: their sizes and times.
store_stamp() { stat -c '%s %.9Y' "$database" "$database-wal" 2>/dev/null | tr '\n' ' '; }
# Waits until the store has not changed for 1.5 s: a reading is over.
settle() {
    local last now quiet=0
    last="$(store_stamp)"
    for _ in $(seq 600); do
        sleep 0.1
        now="$(store_stamp)"
        if [ "$now" = "$last" ] && [ -n "$now" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 15 ] && return 0
        else
            quiet=0
            last="$now"
        fi
    done
    fail "the library did not finish reading within a minute"
}
start_launcher() {
    "$launcher" --library &
    pid=$!
    main=$(xdotool search --sync --onlyvisible --name "VExa Tessor" | head -1)
    library=$(xdotool search --sync --onlyvisible --name "^Library$" | head -1)
    shot "$1"
    # No window manager here: the windows are placed by hand, the main window below.
    xdotool windowmove --sync "$main" 0 640
    xdotool windowmove --sync "$library" 0 0
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$library")"
    LX=$X LY=$Y LW=$WIDTH LH=$HEIGHT
}
stop_launcher() {
    local status=0
    kill -TERM "$pid"
    wait "$pid" || status=$?
    pid=""
    [ "$status" = 0 ] || fail "the launcher ended with status $status"
}

# The arguments of run N (from 1), one a line.
run_args() { awk -v n="$1" '$0 == "--" { run++; next } run == n - 1' "$work/record"; }
rom_of_run() { run_args "$1" | tail -1; }

started=$(date +%s)
start_launcher 1-reading
settle
shot 2-listed
stop_launcher
[ "$(query 'SELECT count(*) FROM files')" = 3000 ] || fail "the library lists $(query 'SELECT count(*) FROM files') ROMs, not 3000"
echo "3000 ROMs listed after $(( $(date +%s) - started )) s"

start_launcher 3-again
sleep 1
settle
focus_library() {
    xdotool mousemove $((LX + LW / 2)) $((LY + 300))
    xdotool windowfocus --sync "$library"
}
focus_library
xdotool type --delay 60 zelda
sleep 0.5
shot 4-zelda

# Enter in the search field starts the first row; Run in the main window,
# which shows that ROM selected then, starts the same command.
xdotool key Return
wait_runs 1
sleep 1
shot 5-played
click_run "$main"
wait_runs 2
[ "$(run_args 1)" = "$(run_args 2)" ] \
    || fail "the library started \"$(run_args 1 | tr '\n' ' ')\", Run \"$(run_args 2 | tr '\n' ' ')\""
grep -qxF "$(basename "$(rom_of_run 1)")" "$work/zelda" || fail "Enter started $(rom_of_run 1), not a zelda ROM"
echo "Enter started: $(run_args 1 | tr '\n' ' ')"

# Each row left, played in turn from the table; one Down more stays on the last.
focus_library
count=$(wc -l < "$work/zelda")
for row in $(seq "$count"); do
    xdotool key Down Return
    wait_runs $((2 + row))
    # The play is recorded and the rows come again before the next key.
    sleep 0.5
done
xdotool key Down Return
wait_runs $((3 + count))
sleep 0.5
for row in $(seq "$count"); do basename "$(rom_of_run $((2 + row)))"; done | sort > "$work/played"
[ "$(rom_of_run 3)" = "$(rom_of_run 1)" ] || fail "Enter in the search field did not start the first row"
if ! diff <(sort "$work/zelda") "$work/played"; then
    fail "the rows left by \"zelda\" are not the zelda ROMs"
fi
[ "$(rom_of_run $((3 + count)))" = "$(rom_of_run $((2 + count)))" ] || fail "a row more than the zelda ROMs is listed"

# A second folder, added as a user does.
xdotool mousemove $((LX + LW - 50)) $((LY + LH - 93)) click 1
dialog=$(xdotool search --sync --onlyvisible --name "Add a folder to the library" | head -1)
sleep 0.5
shot 6-add-folder
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$work/second"
xdotool key Return
sleep 0.5

# The ★ on the first row left.
focus_library
xdotool key ctrl+f
xdotool type --delay 40 "link's awakening"
sleep 0.5
xdotool mousemove $((LX + LW - 28)) $((LY + 67)) click 1
sleep 0.5
shot 7-star

# Renamed and moved into the second folder, while the launcher runs.
settle
before="$(store_stamp)"
mv "$work/roms/Set 0/Shelf 00/Legend of Zelda, The - Link's Awakening (USA, Europe).gb" "$work/second/Awakening (renamed).gb"
for _ in $(seq 150); do [ "$(store_stamp)" != "$before" ] && break; sleep 0.1; done
settle
focus_library
xdotool key ctrl+f
xdotool type --delay 40 "awakening"
sleep 0.5
shot 8-moved
stop_launcher

[ "$(query "SELECT count(*) FROM roots WHERE path = '$work/second'")" = 1 ] || fail "the second folder was not added"
moved="SELECT count(*) FROM files JOIN history USING (sha1) WHERE root = '$work/second' AND path = CAST('Awakening (renamed).gb' AS BLOB) AND favourite = 1"
[ "$(query "$moved")" = 1 ] || fail "the ROM moved to the second folder is not listed there with its star"
[ "$(query "SELECT count(*) FROM files WHERE path = CAST('Set 0/Shelf 00/Legend of Zelda, The - Link''s Awakening (USA, Europe).gb' AS BLOB)")" = 0 ] \
    || fail "the ROM moved is still listed where it was"
stars="$(query "SELECT count(*) FROM files JOIN history USING (sha1) WHERE favourite = 1")"
[ "$stars" = 1 ] || fail "$stars ROMs have a star, not 1: $(query "SELECT group_concat(root || '/' || CAST(path AS TEXT), ', ') FROM files JOIN history USING (sha1) WHERE favourite = 1")"
echo "PASS: 3,000 ROMs listed; \"zelda\" left the $count zelda ROMs; Enter started Run's command; the star followed the ROM renamed into another folder ($(( $(date +%s) - started )) s)"

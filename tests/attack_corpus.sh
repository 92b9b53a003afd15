#!/usr/bin/env bash
# The whole attack corpus against ONE running launcher, under Xvfb, run as an
# ordinary user of the script's own (the victim), while a watcher outside
# (window_watch) pings its window every 50 ms and samples its thread count.
# In turn, with a second user (the attacker) where one is needed:
#  - at start: a 900 KB EmulatorPath in the settings file; a cache folder left
#    open (0777) with the attacker's link to the victim's Documents in it;
#  - Run of an archive's ROM: the cache is made private again, Documents stay,
#    and the emulator gets the victim's own unpacked file;
#  - refused entries whose names hold terminal escapes: none reaches standard
#    error raw;
#  - the attacker hands over a path through a way root opens to the socket:
#    it is not taken (the victim's own, that way, is);
#  - 1,019 connections of the victim's that send nothing, held 3 s;
#  - a folder of 600 7z of 9,999 empty entries each; a folder of ten 7z with
#    names of 3.8 KB; a solid 7z with 65 MB of zeros ahead of its ROM, and
#    Run on it;
#  - 200 hand-overs of paths on a FUSE share that never answers (hungfs.py).
# (Drops are left out: xdotool cannot drag between programs.)
# Fails when any attack succeeds, when the launcher prints a sanitizer report,
# when it has more than 16 threads at any sample, or when a ping goes
# unanswered for more than 100 ms; prints the figures either way. Root only
# (it makes its users and a mount namespace): ctest -L root; skips otherwise.
# Usage: attack_corpus.sh path/to/vexa-launcher path/to/window_watch path/to/make_archive.py
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
max_threads=16
max_ping_ms=100

if [ -z "${VEXA_CORPUS_INSIDE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root (ctest -L root runs it)"; exit 77; }
    command -v unshare >/dev/null && unshare -m --propagation private true 2>/dev/null \
        || { echo "SKIP: cannot make a private mount namespace"; exit 77; }
    export VEXA_CORPUS_INSIDE=1
    exec unshare -m --propagation private bash "${BASH_SOURCE[0]}" "$@"
fi

source "$here/attack_users.sh"
source "$here/x_server.sh"
for need in fusermount3:fuse3 xdotool:xdotool; do
    command -v "${need%%:*}" >/dev/null || attack_skip "${need%%:*} is not installed (package ${need#*:})"
done
[ -c /dev/fuse ] || attack_skip "/dev/fuse is missing"
"$python" "$here/hungfs.py" --probe 2>/dev/null || attack_skip "no fusepy (package python3-fusepy)"

victim="vexa-corpus-v$$"
attacker="vexa-corpus-a$$"
add_user "$victim"
add_user "$attacker"
install -m 0755 "$1" "$work/vexa-launcher"
install -m 0755 "$2" "$work/window_watch"
started=$(date +%s%N)
phase() { echo "[$((($(date +%s%N) - started) / 1000000)) ms] $*"; }

# The victim's home, Documents, folders of ROMs and archives, a stand-in emulator.
home="$work/victim"
mkdir -p "$home/config/Vexa" "$home/run" "$home/Documents" "$home/roms" "$home/empties" "$home/long" \
    "$home/solid" "$work/bin" "$work/attacker/roms" "$work/share/dead" "$work/dead"
echo "the victim's" > "$home/Documents/thesis.txt"
phase "making the corpus"
"$python" "$3" one "$home/roms/One.zip" escapes "$home/roms/Escapes.zip" solid "$home/solid/Solid.7z" \
    empties "$home/empties/A000.7z" long-names "$home/long/L00.7z"
for i in $(seq 1 599); do cp "$home/empties/A000.7z" "$home/empties/A$(printf %03d "$i").7z"; done
for i in $(seq 1 9); do cp "$home/long/L00.7z" "$home/long/L0$i.7z"; done
cp "$home/roms/One.zip" "$home/solid/"
{
    printf '[Options]\nRomPath=%s\nEmulatorPath=/' "$home/roms"
    head -c 921600 /dev/zero | tr '\0' a
    printf '\n'
} > "$home/config/Vexa/Vexa.conf"
# The cache folder left open, with the attacker's link to Documents in it.
mkdir -p "$home/cache/vexa"
chown -R "$victim:" "$home"
chmod 0700 "$home/run" "$home/Documents"
chmod 0711 "$home" "$home/cache"
chmod 0777 "$home/cache/vexa"
as_user "$attacker" ln -s "$home/Documents" "$home/cache/vexa/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
record="$work/record"
touch "$record"
chmod 0666 "$record"
stand_in_vexa "$work/bin"
: > "$work/attacker/roms/Planted.gb"
chown -R "$attacker:" "$work/attacker"

# The dead share: every call under /dead never answers, for anyone.
"$python" "$here/hungfs.py" --allow-other --hang all:/dead "$work/share" "$work/dead" 2>"$work/hungfs.log" &
fuse=$!
at_exit 'kill -9 $fuse 2>/dev/null; wait $fuse 2>/dev/null; umount -l "$work/dead"'
for _ in $(seq 100); do grep -q " $work/dead " /proc/self/mountinfo && break; sleep 0.05; done
grep -q " $work/dead " /proc/self/mountinfo || attack_skip "the FUSE share could not be mounted: $(cat "$work/hungfs.log")"

start_x_server
at_exit stop_x_server
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    at_exit "kill $!"
fi

# The launcher as the victim; its standard error is where a sanitizer reports.
# The leak check's suppressions, copied where the victim can read them.
lsan_options="${LSAN_OPTIONS:-}"
if [[ "$lsan_options" =~ suppressions=([^:]*) ]]; then
    install -m 0644 "${BASH_REMATCH[1]}" "$work/lsan.supp"
    lsan_options="${lsan_options/${BASH_REMATCH[1]}/$work/lsan.supp}"
fi
setpriv --reuid="$victim" --regid="$victim" --init-groups -- env -i PATH="$work/bin:/usr/bin:/bin" HOME="$home" \
    DISPLAY="$DISPLAY" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run" \
    VEXA_RECORD="$record" ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    LSAN_OPTIONS="$lsan_options" "$work/vexa-launcher" 2>"$work/launcher.log" &
pid=$!
at_exit 'kill -9 $pid 2>/dev/null; wait $pid 2>/dev/null'
window=""
for _ in $(seq 400); do
    window="$(xdotool search --onlyvisible --pid "$pid" --name "VExa Tessor" 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { cat "$work/launcher.log"; attack_skip "the launcher's window did not show"; }
phase "window $window shown; watching it"
"$work/window_watch" "$pid" "$window" "$work/stop" > "$work/watch" &
watcher=$!
at_exit 'touch "$work/stop"; wait $watcher'
sleep 1

# hand_over USER PATH...: each path handed to the launcher's socket (by SOCKET, default the victim's own).
hand_over() {
    local user="$1"
    shift
    as_user "$user" "$python" - "${socket:-$home/run/vexa-launcher.socket}" "$@" <<'PY'
import socket, sys
for path in sys.argv[2:]:
    client = socket.socket(socket.AF_UNIX)
    try:
        client.connect(sys.argv[1])
        client.sendall(b"vexa-launcher open\n" + path.encode())
        client.shutdown(socket.SHUT_WR)
        client.recv(64)
    except OSError as error:
        print("hand-over of %s: %s" % (path, error), file=sys.stderr)
    client.close()
PY
}
wait_for() { # wait_for SECONDS TEST...
    local tries=$(($1 * 20))
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.05; done
    return 1
}

# Each attack a step; a launcher that ended (a sanitizer stops it) ends the corpus.
key() { xdotool key --window "$window" "$1" || fail "the window took no key"; }

step_run_archive() {
    hand_over "$victim" "$home/roms/One.zip"
    sleep 1
    key Return
    wait_for 10 grep -q -- '^--$' "$record" || { fail "the emulator was not started"; return; }
    local rom
    rom="$(grep -v -- '^--$' "$record" | tail -1)"
    [ "$(stat -c %U "$rom" 2>/dev/null)" = "$victim" ] || fail "the emulator got $rom, not the victim's own file"
    [ "$(stat -c %a "$home/cache/vexa")" = 700 ] || fail "the open cache folder was not made private"
    [ "$(cat "$home/Documents/thesis.txt")" = "the victim's" ] || fail "Documents were touched"
}

step_escapes() {
    hand_over "$victim" "$home/roms/Escapes.zip"
    wait_for 5 grep -q "refused: .*Escapes.zip" "$work/launcher.log" || fail "the refused entries were not told"
    if grep -q $'\x1b' "$work/launcher.log"; then fail "an escape reached standard error raw"; fi
}

step_attacker() {
    mkdir -m 0755 "$work/open"
    ln "$home/run/vexa-launcher.socket" "$work/open/vexa-launcher.socket"
    chmod 0666 "$home/run/vexa-launcher.socket"
    # A path that is not there: a hand-over taken is told on standard error ("not opening").
    socket="$work/open/vexa-launcher.socket" hand_over "$attacker" "$work/attacker/Nothing.gb" 2>/dev/null
    socket="$work/open/vexa-launcher.socket" hand_over "$victim" "$home/Nothing.gb"
    wait_for 5 grep -q "not opening $home/Nothing.gb" "$work/launcher.log" || fail "the victim's own hand-over that way was not heard"
    if grep -q "not opening $work/attacker" "$work/launcher.log"; then fail "the attacker's hand-over was taken"; fi
    chmod 0600 "$home/run/vexa-launcher.socket"
}

step_silent_clients() {
    as_user "$victim" "$python" - "$home/run/vexa-launcher.socket" <<'PY'
import resource, socket, sys, time
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
held, refused = [], 0
for _ in range(1019):
    client = socket.socket(socket.AF_UNIX)
    client.setblocking(False)
    try:
        client.connect(sys.argv[1])
        held.append(client)
    except OSError:
        refused += 1
        client.close()
time.sleep(3)
print("   %d connected, %d refused at once" % (len(held), refused))
PY
}

# folder_bounds FOLDER: handed over, its archives read up to the folder's bounds.
folder_bounds() {
    hand_over "$victim" "$1"
    wait_for 60 grep -q "^vexa-launcher: $1: archive entries left out" "$work/launcher.log" \
        || fail "no line said what was left out"
    sleep 1
}
step_empties() { folder_bounds "$home/empties"; }
step_long_names() { folder_bounds "$home/long"; }

step_solid() {
    hand_over "$victim" "$home/solid/Solid.7z"
    # Return runs the ROM once its look is done (a slow build takes seconds to refuse the header).
    for _ in $(seq 10); do
        sleep 2
        key Return
        wait_for 2 grep -q "Solid.7z: Rom.gb cannot be unpacked" "$work/launcher.log" && return
    done
    fail "the solid 7z was not refused"
}

step_dead_share() {
    hand_over "$victim" $(for i in $(seq 200); do echo "$work/dead/dead/Lost$i.gb"; done)
    sleep 3
}

steps=(
    "Run of an archive's ROM through an open cache:step_run_archive"
    "refused entries named with terminal escapes:step_escapes"
    "the attacker hands over through an opened way:step_attacker"
    "1,019 silent connections:step_silent_clients"
    "a folder of 600 7z of 9,999 empty entries:step_empties"
    "ten 7z with names of 3.8 KB:step_long_names"
    "a solid 7z with 65 MB of zeros ahead of its ROM, and Run:step_solid"
    "200 hand-overs of paths on a dead share:step_dead_share"
)
for step in "${steps[@]}"; do
    case="${step%:*}"
    if ! kill -0 "$pid" 2>/dev/null; then
        fail "the launcher ended before this step"
        break
    fi
    phase "$case"
    "${step##*:}"
done

case="closing"
phase "closing"
touch "$work/stop"
wait "$watcher" || true
cat "$work/watch"
kill -TERM "$pid" 2>/dev/null || true
# A look stuck on the share ends only when the share goes.
kill -9 "$fuse" 2>/dev/null || true
wait "$fuse" 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$pid" || status=$?
phase "the launcher ended with $status"
[ "$status" -eq 0 ] || fail "the launcher ended with $status, not by closing"

case="the whole corpus"
read -r pings lost median max threads <<<"$(sed -n 's/.*pings=\([0-9]*\) lost=\([0-9]*\) median_ms=\([0-9.]*\) max_ms=\([0-9.]*\).*max_threads=\([0-9]*\).*/\1 \2 \3 \4 \5/p' "$work/watch")"
echo "max threads $threads; pings $pings, median ${median} ms, max ${max} ms, lost $lost"
[ "${pings:-0}" -gt 100 ] || fail "too few pings were answered: ${pings:-none}"
[ "${lost:-1}" -eq 0 ] || fail "$lost pings went unanswered"
[ "${threads:-99}" -le "$max_threads" ] || fail "$threads threads, more than $max_threads"
awk -v m="${max:-1e9}" -v b="$max_ping_ms" 'BEGIN { exit !(m <= b) }' || fail "a ping took ${max} ms, more than $max_ping_ms"
if grep -Eq 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: ' "$work/launcher.log"; then
    fail "a sanitizer report"
    grep -E -A30 'ERROR: |runtime error:' "$work/launcher.log" | head -60
fi
if [ "$failures" -gt 0 ]; then
    echo "--- the launcher's standard error (first lines)"
    head -c 4000 "$work/launcher.log" | cut -c1-300
    exit 1
fi
echo "PASS: the launcher held through the whole corpus"

#!/usr/bin/env bash
# The real launcher under Xvfb against file systems that never answer: FUSE
# mirrors (hungfs.py) mounted in a private mount namespace.
#  a) the stored ROM folder hangs: the window maps, "?" opens the About window
#     within a second, SIGTERM closes the window and the settings keep TotGames;
#  b) the folder answers, but clicking a ROM whose picture or whose own bytes
#     hang leaves the window responsive, and it still closes normally;
#  c) a ROM named on the command line lies on the hung share: the window maps;
#  d) an unrelated mount whose statfs never answers: the window maps;
#  e) Run with the picked emulator on the hung share, and Run with a PATH
#     folder on it: the window answers ("?" opens the About window within a
#     second) while the start waits, and it still closes normally.
# Skips (77) where FUSE, a mount namespace, Xvfb or xdotool is missing, and
# when not run as root.
# Usage: hung_fs.sh path/to/vexa-launcher
set -euo pipefail
launcher="$(realpath "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
skip() { echo "SKIP: $*"; exit 77; }

if [ -z "${VEXA_HUNG_FS_INSIDE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || skip "needs root, for a private mount namespace (ctest -L root runs it)"
    for need in Xvfb:xvfb xdotool:xdotool unshare:util-linux setpriv:util-linux fusermount3:fuse3; do
        [ -x "$(command -v "${need%%:*}")" ] || skip "${need%%:*} is not installed (package ${need#*:})"
    done
    [ -c /dev/fuse ] && [ -r /dev/fuse ] && [ -w /dev/fuse ] || skip "/dev/fuse is missing or not usable"
    python=""
    for candidate in /usr/bin/python3 python3; do
        if "$candidate" "$here/hungfs.py" --probe 2>/dev/null; then
            python="$candidate"
            break
        fi
    done
    [ -n "$python" ] || skip "no Python with fusepy and libfuse (package python3-fusepy)"
    unshare -m --propagation private true 2>/dev/null \
        || skip "cannot make a private mount namespace (unshare -m needs root)"
    export VEXA_HUNG_FS_INSIDE=1 VEXA_HUNG_FS_PYTHON="$python"
    exec unshare -m --propagation private bash "${BASH_SOURCE[0]}" "$launcher"
fi

source "$here/x_server.sh"
work="$(mktemp -d)"
server=""
pid=""
failures=0
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

now_ms() { local t="${EPOCHREALTIME/./}"; echo $((t / 1000)); }

# A blocked call ends only when its server goes: the server first, then the launcher.
stop_all() {
    if [ -n "$server" ]; then kill -9 "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
    if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    server=""
    pid=""
    for mount in "$work"/mnt-*; do
        if grep -q " $mount " /proc/self/mountinfo; then umount -l "$mount"; fi
    done
}
trap 'stop_all; stop_x_server; rm -rf --one-file-system "$work"' EXIT
start_x_server

fail() {
    echo "FAIL ($case): $*"
    failures=$((failures + 1))
    return 1
}

# mount NAME RULES...: mirrors $work/share at $work/mnt-NAME.
mount_share() {
    local mount="$work/mnt-$1"
    shift
    mkdir -p "$mount"
    "$VEXA_HUNG_FS_PYTHON" "$here/hungfs.py" --log "$work/calls" "$@" "$work/share" "$mount" \
        2>>"$work/hungfs.log" &
    server=$!
    for _ in $(seq 100); do
        grep -q " $mount " /proc/self/mountinfo && return 0
        kill -0 "$server" 2>/dev/null || break
        sleep 0.05
    done
    cat "$work/hungfs.log"
    echo "SKIP: the FUSE file system could not be mounted"
    exit 77
}

# start CONFIG-TEXT WORKING-FOLDER [ARGUMENT...]: a fresh configuration folder, then the launcher.
start() {
    config="$work/config-${FUNCNAME[1]}"
    mkdir -p "$config/Vexa"
    printf '%b' "$1" > "$config/Vexa/Vexa.conf"
    local folder="$2"
    shift 2
    # A window of its own: a launcher of an earlier case still stuck on its
    # share must not be handed this one's ROM.
    (cd "$folder" && XDG_CONFIG_HOME="$config" exec setpriv --pdeathsig KILL -- \
        env PATH="${launcher_path:-$PATH}" "$launcher" --new-window "$@") &
    pid=$!
}

# Visible top-level windows of the launcher, one id a line.
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

wait_for_window() {
    local deadline=$(($(now_ms) + 10000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        main="$(xdotool search --all --onlyvisible --pid "$pid" --name "VExa Tessor" 2>/dev/null | head -1 || true)"
        [ -n "$main" ] && return 0
        sleep 0.05
    done
    fail "the main window did not map within 10 s"
}

# Within a second of a click on "?", a second window of the launcher shows.
about_opens() {
    xdotool mousemove --window "$main" 342 7 click 1
    local deadline=$(($(now_ms) + 1000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        [ "$(windows | grep -cvx "$main")" -ge 1 ] && return 0
        sleep 0.02
    done
    fail "a click on \"?\" opened no About window within a second"
}

# Waits up to two seconds for a line of the file system's log (grep's arguments).
log_has() {
    for _ in $(seq 40); do
        grep -q "$@" "$work/calls" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

# The launcher made that call.
wait_for_call() {
    log_has -x "$1" || fail "the launcher never made the call: $1"
}

# The launcher reached a call that never answers, on that path or under it.
wait_for_hang() {
    log_has "^hang [a-z]* $1" || fail "the launcher never reached the hung $1"
}

# A click on the first entry of the file list, once the folder has been read.
click_first_rom() {
    wait_for_call "readdir $1" || return 1
    sleep 0.2
    xdotool mousemove --window "$main" 44 27 click 1
}

# SIGTERM closes the window as its close box does: the window goes and the
# settings hold TotGames; the process ends with 0 once nothing keeps it blocked.
closes() {
    kill -TERM "$pid"
    local deadline=$(($(now_ms) + 3000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        if [ -z "$(windows)" ] && grep -qx "TotGames=$1" "$config/Vexa/Vexa.conf"; then
            break
        fi
        sleep 0.05
    done
    [ -z "$(windows)" ] || fail "the window is still shown 3 s after SIGTERM"
    grep -qx "TotGames=$1" "$config/Vexa/Vexa.conf" \
        || fail "the settings hold no TotGames=$1: $(tr '\n' ' ' < "$config/Vexa/Vexa.conf")"
    kill -9 "$server"
    wait "$server" 2>/dev/null || true
    server=""
    for _ in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the launcher ended with status $status, not by closing"
}

run_case() {
    case="$1"
    shift
    local before=$failures started
    started=$(now_ms)
    if "$@" && [ "$failures" -eq "$before" ]; then
        echo "PASS ($case)"
    elif [ "$failures" -eq "$before" ]; then
        fail "a step of the case went wrong" || true
    fi
    stop_all
    echo "   ($case: $(($(now_ms) - started)) ms)"
}

mkdir -p "$work/share/dead" "$work/share/pics/roms" "$work/share/pics/images" "$work/share/slow/roms" \
    "$work/local"
"$VEXA_HUNG_FS_PYTHON" - "$work/share/dead/Lost.gb" "$work/share/pics/roms/Frozen.gb" \
    "$work/share/slow/roms/Stuck.gb" <<'PY'
import sys
data = bytearray(b"\x11" * 32768)
data[0x143], data[0x146], data[0x148], data[0x14A] = 0x80, 0x03, 0x05, 0x00
for path in sys.argv[1:]:
    open(path, "wb").write(data)
PY
cp "$work/share/pics/roms/Frozen.gb" "$work/share/pics/images/Frozen.bmp"
mkdir -p "$work/roms"
cp "$work/share/dead/Lost.gb" "$work/roms/Here.gb"

case_a() {
    mount_share a --hang all:/dead
    start "[Options]\nRomPath=$work/mnt-a/dead\nTotGames=7\n" "$work/local"
    wait_for_window && wait_for_hang /dead && about_opens && closes 7
}

# Pictures come from images/ under the working folder, here on the share.
case_b_picture() {
    mount_share b1 --hang open,read:/pics/images
    start "[Options]\nRomPath=$work/mnt-b1/pics/roms\n" "$work/mnt-b1/pics"
    wait_for_window && click_first_rom /pics/roms && wait_for_hang /pics/images/Frozen.bmp \
        && about_opens && closes 1
}

# The share answers while the folder is listed and dies before the click.
case_b_rom() {
    mount_share b2 --hang "open,read:/slow/roms@$work/slow-dead"
    start "[Options]\nRomPath=$work/mnt-b2/slow/roms\n" "$work/local"
    wait_for_window && wait_for_call "readdir /slow/roms" && touch "$work/slow-dead" \
        && click_first_rom /slow/roms && wait_for_hang /slow/roms/Stuck.gb && about_opens && closes 1
}

# A ROM named on the command line lies on a share that never answers.
case_argument() {
    mount_share d --hang all:/dead
    start "[Options]\nTotGames=3\n" "$work/local" "$work/mnt-d/dead/Lost.gb"
    wait_for_window && wait_for_hang /dead && about_opens && closes 0
}

case_c() {
    mount_share c --hang statfs:/
    start "" "$work/local"
    wait_for_window && about_opens && closes 0
}

# Run: the ROM is local, what is started is looked for on the share.
run_on_dead_share() {
    wait_for_window && sleep 0.5 && xdotool mousemove --window "$main" 44 27 click 1 && sleep 0.3 \
        && xdotool key --window "$main" Return \
        && wait_for_hang /dead && about_opens && closes 1
}

case_run_emulator() {
    mount_share e --hang all:/dead
    start "[Options]\nRomPath=$work/roms\nEmulatorPath=$work/mnt-e/dead/vexa\n" "$work/local"
    run_on_dead_share
}

# The PATH folder answers while the window starts (something below the
# launcher's own code looks at the PATH then) and dies before Run.
case_run_path() {
    mount_share f --hang "all:/dead@$work/path-dead"
    launcher_path="$work/mnt-f/dead:$PATH"
    start "[Options]\nRomPath=$work/roms\n" "$work/local"
    launcher_path=""
    wait_for_window && touch "$work/path-dead" && run_on_dead_share
}

run_case "stored ROM folder hangs" case_a
run_case "picture read hangs" case_b_picture
run_case "ROM read hangs" case_b_rom
run_case "ROM argument on the hung share" case_argument
run_case "statfs of another mount hangs" case_c
run_case "Run with the emulator on the hung share" case_run_emulator
run_case "Run with a PATH folder on the hung share" case_run_path
[ "$failures" -eq 0 ]

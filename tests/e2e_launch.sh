#!/usr/bin/env bash
# Starts the real launcher under Xvfb with a stand-in vexa on PATH, clicks a
# ROM, moves onto the Run picture and clicks it, then presses Enter on the
# ROM, and compares what the stand-in received with the command of a fresh
# start; then asks the launcher to stop with SIGTERM, which closes it as its
# close box does.
# Usage: e2e_launch.sh path/to/vexa-launcher
set -euo pipefail
launcher="$(realpath "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

work="$(mktemp -d)"
trap 'stop_x_server; rm -rf "$work"' EXIT
mkdir -p "$work/roms" "$work/bin" "$work/config/Vexa"
rom="$work/roms/Tetris DX (World) (Rev 1).gb"
python3 - "$rom" <<'PY'
import sys
data = bytearray(b"\x11" * 32768)
data[0x143], data[0x146], data[0x148], data[0x14A] = 0x80, 0x03, 0x05, 0x00
open(sys.argv[1], "wb").write(data)
PY
stand_in_vexa "$work/bin"
printf '[Options]\nRomPath=%s\n' "$work/roms" > "$work/config/Vexa/Vexa.conf"

cat > "$work/drive.sh" <<'SH'
#!/usr/bin/env bash
set -euo pipefail
"$LAUNCHER" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wid=$(xdotool search --sync --onlyvisible --name "VExa Tessor" | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.5
# The first entry of the file list.
xdotool mousemove $((X + 14 + 30)) $((Y + 20 + 7)) click 1
sleep 0.3
# Onto the Run picture from the background, then a click on the lit picture.
xdotool mousemove $((X + 3)) $((Y + 100))
sleep 0.2
xdotool mousemove $((X + 300)) $((Y + 268))
sleep 0.2
xdotool mousemove $((X + 305)) $((Y + 269))
sleep 0.2
xdotool click 1
for _ in $(seq 50); do [ "$(grep -c -- '^--$' "$VEXA_RECORD" 2>/dev/null)" = 1 ] && break; sleep 0.1; done
# Enter on the selected ROM launches it too.
xdotool mousemove $((X + 14 + 30)) $((Y + 20 + 7)) click 1
sleep 0.3
xdotool key Return
for _ in $(seq 50); do [ "$(grep -c -- '^--$' "$VEXA_RECORD" 2>/dev/null)" = 2 ] && break; sleep 0.1; done
kill -TERM $pid
status=0
wait $pid || status=$?
trap - EXIT
echo "launcher exit status: $status"
[ "$status" = 0 ]
SH
chmod +x "$work/drive.sh"

cd "$work"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" VEXA_RECORD="$work/record" LAUNCHER="$launcher"
export PATH="$work/bin:$PATH"
unset QT_QPA_PLATFORM
start_x_server
"$work/drive.sh"
stop_x_server

switches="-rtsdir rsave/  -savdir saves/  -cgb  -sound 1 -stereo 1  -crc  -delay"
one_run="$(printf '%s\n' $switches "$rom"; echo --)"
expected_args="$(printf '%s\n%s' "$one_run" "$one_run")"
actual_args="$(cat "$work/record" 2>/dev/null || true)"
if [ "$actual_args" != "$expected_args" ]; then
    echo "FAIL: the emulator received"
    printf '%s\n' "$actual_args"
    echo "expected"
    printf '%s\n' "$expected_args"
    exit 1
fi
if ! grep -q '^TotGames=1$' "$work/config/Vexa/Vexa.conf"; then
    echo "FAIL: SIGTERM did not close the launcher as its close box does"
    cat "$work/config/Vexa/Vexa.conf"
    exit 1
fi
echo "PASS: the emulator received the fresh-start command for the clicked ROM, by Run and by Enter; SIGTERM closed the launcher"

#!/usr/bin/env bash
# Another local user against the one-window hand-over, with the real launcher
# (offscreen) run as a user of its own, the victim:
#  a) in a runtime folder shared with everybody, the victim's launcher makes no
#     socket there; and when the attacker listens there first, the launcher
#     opens its own window and the attacker hears nothing;
#  b) the attacker reaches the victim's socket (root opens the way: a link
#     outside the private folder, the socket made writable) and hands over a
#     folder: it is not opened; the victim's own launcher, the same way, is heard;
#  c) a regular file at the socket path stays as it was; the socket is 0600
#     under umask 000 and is removed when the launcher closes.
# Any attack that succeeds fails the script. It makes its two users itself and
# removes them, so it needs root (ctest -L root runs it) and skips otherwise.
# Usage: attack_socket.sh path/to/vexa-launcher
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/attack_users.sh"

victim="vexa-victim-$$"
attacker="vexa-attacker-$$"
pids=()
at_exit 'for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done'
add_user "$victim"
add_user "$attacker"
install -m 0755 "$1" "$work/vexa-launcher"

home="$work/victim"
mkdir -p "$home/config" "$home/roms" "$work/attacker/roms"
chown -R "$victim:" "$home"
chown -R "$attacker:" "$work/attacker"
chmod 0700 "$home"
chmod 0755 "$work/attacker" "$work/attacker/roms"
: > "$work/attacker/roms/Planted.gb"

# launch RUNTIME [ARGUMENT...]: the victim's launcher in the background, under umask 000; its pid in $pid.
launch() {
    local runtime="$1"
    shift
    # setpriv itself in the background (not a function in a subshell), so
    # that $! is the launcher's own pid once setpriv, env and sh have exec'd.
    setpriv --reuid="$victim" --regid="$victim" --init-groups -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
        sh -c 'umask 000; exec "$@"' sh "$work/vexa-launcher" "$@" 2>>"$work/launcher.log" &
    pid=$!
    pids+=("$pid")
}
# as USER PYTHON-CODE ARGUMENT...: a few lines of Python run as USER.
as() {
    local user="$1" code="$2"
    shift 2
    as_user "$user" "$python" -c "$code" "$@"
}
wait_for() { # wait_for TEST...: up to 10 s
    for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
    return 1
}
stop() { kill -TERM "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

listen='
import os, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
os.chmod(sys.argv[1], 0o777)
server.listen(8)
open(sys.argv[2], "wb").close()
while True:
    client, _ = server.accept()
    data = client.recv(65536)
    with open(sys.argv[2], "ab") as heard:
        heard.write(data + b"\n")
    client.close()
'
hand_over='
import socket, sys
client = socket.socket(socket.AF_UNIX)
client.connect(sys.argv[1])
client.sendall(b"vexa-launcher open\n" + sys.argv[2].encode())
client.shutdown(socket.SHUT_WR)
client.recv(64)
'

case="a) shared runtime folder"
shared="$work/shared"
mkdir -m 1777 "$shared"
chmod 1777 "$shared"
launch "$shared" "$home/roms"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the launcher did not stay open"
[ -z "$(find "$shared" -mindepth 1 -user "$victim")" ] || fail "the launcher made a socket others can reach: $(ls -la "$shared")"
stop "$pid"
setpriv --reuid="$attacker" --regid="$attacker" --init-groups -- "$python" -c "$listen" "$shared/vexa-launcher.socket" "$work/attacker/heard" </dev/null >/dev/null 2>&1 &
pids+=("$!")
wait_for test -e "$work/attacker/heard" || fail "the attacker could not listen"
launch "$shared" "$home/roms"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the launcher ended without a window of its own (handed over to the attacker?)"
[ ! -s "$work/attacker/heard" ] || fail "the attacker heard: $(cat "$work/attacker/heard")"
stop "$pid"

case="b) another user hands over"
run="$home/run"
mkdir -m 0700 "$run"
chown "$victim:" "$run"
launch "$run"
wait_for test -S "$run/vexa-launcher.socket" || fail "the launcher does not listen in its private folder"
mkdir -m 0755 "$work/open"
ln "$run/vexa-launcher.socket" "$work/open/vexa-launcher.socket"
chmod 0666 "$run/vexa-launcher.socket"
# The victim's own hand-over, the same way, is heard: the way is open.
as "$victim" "$hand_over" "$work/open/vexa-launcher.socket" "$home/roms" || fail "the victim's own hand-over failed"
wait_for grep -qs "RomPath=$home/roms" "$home/config/Vexa/Vexa.conf" || fail "the victim's own hand-over was not opened"
as "$attacker" "$hand_over" "$work/open/vexa-launcher.socket" "$work/attacker/roms" 2>/dev/null || true
# Given the time the victim's own took, and more, the attacker's folder is not opened nor stored.
sleep 2
grep -qs "RomPath=$home/roms" "$home/config/Vexa/Vexa.conf" || fail "the attacker's folder was opened and stored"
stop "$pid"

case="c) what is at the socket path"
run2="$home/run2"
mkdir -m 0700 "$run2"
printf 'my thesis' > "$run2/vexa-launcher.socket"
chown -R "$victim:" "$run2"
launch "$run2"
sleep 2
stop "$pid"
[ "$(cat "$run2/vexa-launcher.socket" 2>/dev/null)" = "my thesis" ] || fail "the regular file at the socket path was removed or changed"
rm "$run2/vexa-launcher.socket"
launch "$run2"
wait_for test -S "$run2/vexa-launcher.socket" || fail "the launcher does not listen"
mode="$(stat -c %a "$run2/vexa-launcher.socket" 2>/dev/null || true)"
[ "$mode" = 600 ] || fail "the socket's mode is $mode under umask 000"
stop "$pid"
[ ! -e "$run2/vexa-launcher.socket" ] || fail "the socket was left after a normal close"

if [ "$failures" -gt 0 ]; then
    echo "--- launcher's standard error"
    cat "$work/launcher.log" || true
    exit 1
fi
echo "PASS: no attack on the hand-over succeeded"

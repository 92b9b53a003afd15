# Sourced by the scripts in which another local user attacks the launcher's
# user: they run as root, make the users of the attack themselves and remove
# them at the end. Skips the script (77) for any other user or when a tool
# is missing. Gives:
#   $work            a fresh folder every user may pass through (0755)
#   $python          a Python every user may run
#   add_user NAME    a user of the attack's own, removed at the end
#   as_user USER CMD CMD run as USER in this process (setpriv execs: no child
#                    is left behind when the pid it gets is killed)
#   at_exit CMD...   a command the end runs, before the users and $work go
#   fail TEXT        counts a failure ($failures), said with the $case
attack_skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || attack_skip "needs root, to make the users of the attack (ctest -L root runs it)"
for need in useradd userdel setpriv python3; do
    command -v "$need" >/dev/null || attack_skip "$need is missing"
done
# The one on root's PATH may live in root's home.
python="$(command -v python3)"
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

work="$(mktemp -d)"
chmod 0755 "$work"
failures=0
case=""
attack_users=()
attack_ends=()
attack_end() {
    local index
    for ((index = ${#attack_ends[@]} - 1; index >= 0; index--)); do eval "${attack_ends[index]}" || true; done
    for user in "${attack_users[@]}"; do userdel "$user" 2>/dev/null || true; done
    rm -rf --one-file-system "$work"
}
trap attack_end EXIT
at_exit() { attack_ends+=("$*"); }

add_user() {
    useradd --system --no-create-home --shell /usr/sbin/nologin "$@" || attack_skip "cannot make the user $1"
    attack_users+=("${!#}")
}

as_user() {
    local user="$1"
    shift
    setpriv --reuid="$user" --regid="$user" --init-groups -- "$@"
}

fail() {
    echo "FAIL${case:+ ($case)}: $*"
    failures=$((failures + 1))
}

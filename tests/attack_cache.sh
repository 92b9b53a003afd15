#!/usr/bin/env bash
# Another local user against the cache of unpacked ROMs. Two users of their
# own are made for the run, an attacker and a victim; the victim unpacks a ROM
# as Run does (cache_unpack), as an ordinary user, after the attacker has
# planted:
#  a) in the victim's cache folder left open to all (0777), a slot that is a
#     link to the victim's Documents: trimming must not delete through it;
#  b) in a shared cache home (XDG_CACHE_HOME, 1777), "vexa" as a link to the
#     victim's Documents: nothing may be written there;
#  c) in a shared cache home, "vexa" as the attacker's own open folder: the
#     victim must not write the ROM into it;
#  d) in the victim's open cache folder, the ROM's slot with a file of the
#     attacker's: the victim must not be handed that file.
# Fails when an attack succeeds. Needs root to make the users (ctest -L root);
# skips (77) for any other user.
# Usage: attack_cache.sh path/to/cache_unpack path/to/make_archive.py
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/attack_users.sh"
attacker="vexa-atk-$$"
victim="vexa-vic-$$"
add_user "$attacker"
add_user -d "$work/victim" "$victim"
# The helper where both users can reach it.
install -m 0755 "$1" "$work/cache_unpack"
"$python" "$2" one "$work/one.zip"
chmod 0644 "$work/one.zip"
rom="Tetris (World).gb"
as_attacker() { as_user "$attacker" "$@"; }
as_victim() { as_user "$victim" "$@"; }

# The victim's home: Documents with two files, and a cache home the attacker
# may pass through (0711), as homes often are.
fresh_victim() {
    rm -rf --one-file-system "$work/victim"
    install -d -o "$victim" -m 0711 "$work/victim" "$work/victim/.cache"
    install -d -o "$victim" -m 0700 "$work/victim/Documents"
    for file in thesis.txt photo.jpg; do
        as_victim sh -c "echo the victim\'s > '$work/victim/Documents/$file' && touch -d 2001-01-01 '$work/victim/Documents/$file'"
    done
}
documents_intact() {
    [ "$(ls -A "$work/victim/Documents" | tr '\n' ' ')" = "photo.jpg thesis.txt " ]
}
# Unpacks as the victim with the cache home given; prints the ROM's path.
unpack() {
    as_victim env HOME="$work/victim" XDG_CACHE_HOME="$1" "$work/cache_unpack" "$work/one.zip" "$rom" "${2:-536870912}"
}

# a) A slot linked to Documents in an open cache folder, then a trim.
fresh_victim
as_victim mkdir -m 0777 "$work/victim/.cache/vexa"
as_victim chmod 0777 "$work/victim/.cache/vexa"
as_attacker ln -s "$work/victim/Documents" "$work/victim/.cache/vexa/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
unpack "$work/victim/.cache" 1 >/dev/null || true
documents_intact || fail "a) trimming deleted the victim's documents through another user's link"
[ "$(stat -c %a "$work/victim/.cache/vexa")" = 700 ] || fail "a) the open cache folder was not made private again"

# b) A shared cache home, "vexa" a link to Documents.
fresh_victim
install -d -m 1777 "$work/shared-b"
as_attacker ln -s "$work/victim/Documents" "$work/shared-b/vexa"
if unpack "$work/shared-b" >/dev/null; then fail "b) a cache folder that is another user's link was used"; fi
documents_intact || fail "b) the cache wrote into the victim's documents through another user's link"

# c) A shared cache home, "vexa" the attacker's own open folder.
install -d -m 1777 "$work/shared-c"
as_attacker mkdir -m 0777 "$work/shared-c/vexa"
as_attacker chmod 0777 "$work/shared-c/vexa"
if unpack "$work/shared-c" >/dev/null; then fail "c) another user's cache folder was used"; fi
[ -z "$(find "$work/shared-c/vexa" -user "$victim")" ] || fail "c) the ROM was written into another user's folder"

# d) The ROM's slot, planted by the attacker with a file of theirs.
fresh_victim
as_victim mkdir -m 0777 "$work/victim/.cache/vexa"
as_victim chmod 0777 "$work/victim/.cache/vexa"
path="$(unpack "$work/victim/.cache")"
real="$(sha256sum < "$path")"
slot="$(dirname "$path")"
rm -rf --one-file-system "$slot" # as if the cache had given it up
as_victim chmod 0777 "$work/victim/.cache/vexa" # and the folder were open again
as_attacker mkdir -m 0777 "$slot"
as_attacker "$python" -c "import sys; open(sys.argv[1], 'wb').write(b'EVIL' * 8192)" "$path"
as_attacker sh -c "printf 32768 > '$slot/.size'; chmod 0600 '$path' '$slot/.size'"
if handed="$(unpack "$work/victim/.cache")"; then
    [ "$(stat -c %U "$handed")" = "$victim" ] || fail "d) the victim was handed a file of another user's"
    [ "$(sha256sum < "$handed")" = "$real" ] || fail "d) the victim was handed a planted ROM"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures attack(s) succeeded"
    exit 1
fi
echo "every attack on the cache was turned away"

#!/usr/bin/env bash
# Unpacks the Debian package that package_build.sh made into a temporary root,
# checks what it holds (the program built with the hardening flags, the icon
# at every size, the documentation) and starts the installed program the way
# its menu entry does, under Xvfb: it must run in the per-user data folder,
# and its window class must name the entry.
# Usage: package_install.sh package-folder desktop-id
set -euo pipefail
out="$1"
id="$2"
for tool in dpkg-deb readelf xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
debs=("$out"/vexa-launcher_*.deb)
[ -f "${debs[0]}" ] || { echo "SKIP: no package was built (see package_build)"; exit 77; }
deb="${debs[0]}"
fail() { echo "FAIL: $*"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
echo "package: $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6; do
    [ "$(grep -o "\b$needed\b" <<<"$depends" | wc -l)" -eq 1 ] || fail "$needed is not named once in Depends"
done
grep -q "fonts-liberation" <<<"$depends" || fail "fonts-liberation missing from Depends"
dpkg -x "$deb" "$work/root"
doc=usr/share/doc/vexa-launcher
for file in usr/bin/vexa-launcher "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" usr/share/man/man1/vexa-launcher.1.gz \
            $doc/copyright $doc/changelog.gz $doc/README.md $doc/docs/screenshot.png $doc/docs/screenshot-200.png \
            $doc/docs/user-guide.md $doc/docs/developer-guide.md \
            usr/share/vexa-launcher/translations/vexa_{de,fr,es,pt_BR,ja}.qm; do
    test -s "$work/root/$file" || fail "$file not in the package"
done
# Every icon is a PNG of the size its folder names.
for size in 16 24 32 48 64 128 256; do
    icon="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    test -f "$icon" || fail "no ${size}x${size} icon"
    dimensions="$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $2 * 65536 + $3 * 256 + $4 "x" $6 * 65536 + $7 * 256 + $8 }')"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "the ${size}x${size} icon is not a PNG"
    [ "$dimensions" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dimensions"
done
grep -q 'viewBox="0 0 32 32"' "$work/root/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon has no viewBox"
# The distribution's hardening: full RELRO (read-only relocations, bound at
# start), a position-independent program, the stack protector and the
# fortified C library calls.
program="$work/root/usr/bin/vexa-launcher"
# Read whole before grep -q looks: a grep that stops early must not fail readelf.
segments="$(readelf -lW "$program")"
dynamic="$(readelf -dW "$program")"
symbols="$(readelf -sW --dyn-syms "$program")"
grep -q GNU_RELRO <<<"$segments" || fail "no RELRO segment"
grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" || fail "not bound at start (no BIND_NOW)"
[ "$(readelf -hW "$program" | awk '/Type:/ { print $2 }')" = DYN ] || fail "not position-independent"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"
grep -Eq '__[a-z0-9_]+_chk@' <<<"$symbols" || fail "no fortified library call"
# Stripped, with the debug symbols in the -dbgsym package.
! grep -q '\.debug_info' <<<"$(readelf -SW "$program")" || fail "the program is not stripped"
ls "$out"/vexa-launcher-dbgsym_*.*deb >/dev/null 2>&1 || fail "no vexa-launcher-dbgsym package"

# Start it as the menu does: from Path= (the root when there is none), with
# Exec's words and no file for %f.
entry="$work/root/usr/share/applications/$id.desktop"
folder="$(sed -n 's/^Path=//p' "$entry")"
read -r -a command <<<"$(sed -n 's/^Exec=//p' "$entry" | sed -E 's/(^| )%[fFuU]( |$)/\1/g')"
mkdir -p "$work/home"
mkdir -m 0700 "$work/runtime"
cat > "$work/menu.sh" <<'SH'
set -euo pipefail
cd "${FOLDER:-/}"
"$@" > "$WORK/log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wid=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid | head -1)
readlink "/proc/$pid/cwd" > "$WORK/cwd"
xprop -id "$wid" WM_CLASS > "$WORK/class"
SH
export FOLDER="$folder" WORK="$work"
env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" PATH="$work/root/usr/bin:$PATH" \
    xvfb-run -a -n "$((100 + RANDOM % 9000))" -s "-screen 0 800x600x24 -noreset" bash "$work/menu.sh" "${command[@]}" \
    || fail "the installed launcher did not show its window: $(cat "$work/log")"
[ "$(cat "$work/cwd")" = "$work/home/.local/share/vexa" ] || fail "started in $(cat "$work/cwd")"
grep -q "= \"vexa-launcher\", \"$id\"$" "$work/class" || fail "window class: $(cat "$work/class")"
# The home folder holds the settings and the data folder, nothing else (the
# README says what a removal leaves there).
stray="$(cd "$work/home" && find . -mindepth 1 | grep -Ev '^\./(\.config|\.config/Vexa(/.*)?|\.local|\.local/share|\.local/share/vexa(/.*)?)$' || true)"
[ -z "$stray" ] || fail "the launcher left in the home folder: $stray"
echo "PASS: the menu entry starts the installed launcher in ~/.local/share/vexa, window class $id; the home folder holds its settings and data folder only"

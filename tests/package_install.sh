#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the
# installed program the way its menu entry does, under Xvfb: it must run in
# the per-user data folder, and its window class must name the entry.
# Usage: package_install.sh build-folder desktop-id
set -euo pipefail
build="$1"
id="$2"
for tool in cpack dpkg-deb dpkg-shlibdeps xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb="$(ls "$work"/out/*.deb)"
echo "package: $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6; do
    [ "$(grep -o "\b$needed\b" <<<"$depends" | wc -l)" -eq 1 ] || fail "$needed is not named once in Depends"
done
grep -q "fonts-liberation" <<<"$depends" || fail "fonts-liberation missing from Depends"
dpkg -x "$deb" "$work/root"
for file in usr/bin/vexa-launcher "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/32x32/apps/$id.png" "usr/share/icons/hicolor/128x128/apps/$id.png" \
            usr/share/man/man1/vexa-launcher.1.gz usr/share/doc/vexa-launcher/copyright \
            usr/share/doc/vexa-launcher/changelog.gz; do
    test -e "$work/root/$file" || fail "$file not in the package"
done

# Start it as the menu does: from Path= (the root when there is none), with
# Exec's words and no file for %f.
entry="$work/root/usr/share/applications/$id.desktop"
folder="$(sed -n 's/^Path=//p' "$entry")"
read -r -a command <<<"$(sed -n 's/^Exec=//p' "$entry" | sed -E 's/(^| )%[fFuU]( |$)/\1/g')"
mkdir -p "$work/home" "$work/runtime"
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
echo "PASS: the menu entry starts the installed launcher in ~/.local/share/vexa, window class $id"

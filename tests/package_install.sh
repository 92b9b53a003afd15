#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the
# installed program headless.
set -euo pipefail
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb="$(ls "$work"/out/*.deb)"
echo "package: $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    grep -q "$needed" <<<"$depends" || { echo "FAIL: $needed missing from Depends"; exit 1; }
done
dpkg -x "$deb" "$work/root"
for file in usr/bin/vexa-launcher usr/share/applications/org.vexa.Launcher.desktop \
            usr/share/metainfo/org.vexa.Launcher.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/org.vexa.Launcher.png \
            usr/share/icons/hicolor/128x128/apps/org.vexa.Launcher.png; do
    test -e "$work/root/$file" || { echo "FAIL: $file not in the package"; exit 1; }
done

mkdir -p "$work/home"
cd "$work/home"
XDG_CONFIG_HOME="$work/home" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=offscreen \
    "$work/root/usr/bin/vexa-launcher" > "$work/log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the installed launcher did not stay up"
    cat "$work/log"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: the installed launcher starts"

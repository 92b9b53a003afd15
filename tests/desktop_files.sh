#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators and agree
# on the program's desktop name; the metainfo's screenshot is one the source
# ships, at its own size.
# Usage: desktop_files.sh source-folder desktop-id
set -euo pipefail
source="$1"
packaging="$source/packaging"
id="$2"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
entry="$packaging/$id.desktop"
metainfo="$packaging/$id.metainfo.xml"

out="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fail "appstreamcli: $out"
printf '%s\n' "$out"
! grep -q -E '^[EWIP]:' <<<"$out" || fail "appstreamcli: findings above"

key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key StartupWMClass)" = "$id" ] || fail "StartupWMClass is not $id"
[ "$(key Icon)" = "$id" ] || fail "Icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
# The screenshot's address is the home page and the picture's path in the source.
homepage="$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$metainfo")"
shots="$(grep -c '<image' "$metainfo")"
[ "$shots" -ge 1 ] || fail "the metainfo shows no screenshot"
while read -r width height address; do
    path="${address#"$homepage"}"
    [ "$path" != "$address" ] || fail "screenshot $address is not under the home page $homepage"
    picture="$source/$path"
    [ -f "$picture" ] || fail "screenshot $address: no $path in the source"
    size="$(od -An -tu1 -j16 -N8 "$picture" | awk '{ print $2 * 65536 + $3 * 256 + $4 " " $6 * 65536 + $7 * 256 + $8 }')"
    [ "$size" = "$width $height" ] || fail "$path is ${size/ /x}, the metainfo says ${width}x$height"
    grep -q "^install(FILES .*\b$path\b" "$source/CMakeLists.txt" || fail "$path is not installed"
done < <(sed -n 's|.*<image[^>]* width="\([0-9]*\)" height="\([0-9]*\)"[^>]*>\(.*\)</image>.*|\1 \2 \3|p' "$metainfo")
[ "$(sed -n 's|.*<image[^>]* width="\([0-9]*\)" height="\([0-9]*\)"[^>]*>\(.*\)</image>.*|x|p' "$metainfo" | wc -l)" = "$shots" ] \
    || fail "a screenshot lacks its width and height"
# The MIME types are the shared MIME database's own.
mime=/usr/share/mime/packages/freedesktop.org.xml
for type in $(key MimeType | tr ';' ' '); do
    [ ! -f "$mime" ] || grep -q "<mime-type type=\"$type\"" "$mime" || fail "$type is not a known MIME type"
    # Only ROMs: the launcher must not become the desktop's program for every archive.
    case "$type" in
        application/x-gameboy-rom | application/x-gameboy-color-rom) ;;
        *) fail "$type is not a Game Boy ROM type" ;;
    esac
done
[ "$(key MimeType | tr ';' '\n' | sed '/^$/d' | sort)" = \
  "$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" | sort)" ] \
    || fail "the metainfo's media types are not the desktop entry's"
# The languages the program speaks name and describe it in the menu and the
# software centre too.
for language in de fr es pt_BR ja; do
    for field in Name GenericName Comment; do
        [ -n "$(key "$field\\[$language\\]")" ] || fail "the desktop entry has no $field[$language]"
    done
    for element in name summary; do
        grep -q "<$element xml:lang=\"$language\">[^<]" "$metainfo" || fail "the metainfo has no $element in $language"
    done
done
echo "PASS: desktop entry and metainfo are valid and agree on $id"

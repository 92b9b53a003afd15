#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators and agree
# on the program's desktop name.
# Usage: desktop_files.sh packaging-folder desktop-id
set -euo pipefail
packaging="$1"
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
# The MIME types are the shared MIME database's own.
mime=/usr/share/mime/packages/freedesktop.org.xml
for type in $(key MimeType | tr ';' ' '); do
    [ ! -f "$mime" ] || grep -q "<mime-type type=\"$type\"" "$mime" || fail "$type is not a known MIME type"
done
echo "PASS: desktop entry and metainfo are valid and agree on $id"

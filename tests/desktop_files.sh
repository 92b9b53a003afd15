#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators.
set -euo pipefail
packaging="$1"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
out="$(desktop-file-validate "$packaging/org.vexa.Launcher.desktop" 2>&1)"
printf '%s\n' "$out"
# An empty Path= is wanted (the launcher runs in the folder it is started
# from); the validator warns about it, and nothing else may be said.
if printf '%s\n' "$out" | grep -v 'for key "Path"' | grep -q .; then
    echo "FAIL: desktop-file-validate"
    exit 1
fi
appstreamcli validate --no-net "$packaging/org.vexa.Launcher.metainfo.xml"
echo "PASS: desktop entry and metainfo are valid"

#!/usr/bin/env bash
# Checks the translations against the sources:
#  1. lupdate over every source finds no text that the .ts files in
#     translations/ do not hold already, and none of them is unfinished;
#  2. no text setter (setText, setToolTip, setWindowTitle, setAccessibleName,
#     addAction, a QMessageBox ...) is given a string literal outside tr().
# With --update, brings the .ts files up to date with the sources instead
# (new texts come in unfinished, for the translators).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
lupdate=$(command -v lupdate || true)
for candidate in /usr/lib/qt6/bin/lupdate /usr/lib/qt6/libexec/lupdate; do
    [ -n "$lupdate" ] || { [ -x "$candidate" ] && lupdate=$candidate; }
done
[ -n "$lupdate" ] || { echo "check-translations: lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 1; }
sources=(core platform controls launcher about library)
ts_files=(translations/vexa_*.ts)

if [ "${1:-}" = "--update" ]; then
    "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "${ts_files[@]}"
    exit 0
fi

status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in "${ts_files[@]}"; do cp "$ts" "$work/"; done
"$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$work"/vexa_*.ts
for ts in "${ts_files[@]}"; do
    python3 - "$work/$(basename "$ts")" "$ts" <<'PY' || status=1
import sys
import xml.etree.ElementTree as ET
updated, kept = sys.argv[1], sys.argv[2]
def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            found[(name, message.findtext('source'))] = translation
    return found
have, now = messages(kept), messages(updated)
bad = False
for (context, source), translation in sorted(now.items(), key=lambda item: (item[0][0] or '', item[0][1] or '')):
    if (context, source) not in have:
        print(f'{kept}: new text, not translated: {context}: {source!r}')
        bad = True
    elif translation is None or translation.get('type') == 'unfinished':
        print(f'{kept}: unfinished: {context}: {source!r}')
        bad = True
    elif not (''.join(translation.itertext()).strip()):
        print(f'{kept}: empty translation: {context}: {source!r}')
        bad = True
sys.exit(1 if bad else 0)
PY
done

# Text setters given a literal outside tr(): QStringLiteral("...") or
# u"..."_s with a letter in it, straight as an argument of a setter. Texts
# that are no words to translate are allowed by name below.
setters='setText|setToolTip|setWindowTitle|setAccessibleName|setAccessibleDescription|setPlaceholderText|setStatusTip|setWhatsThis|setTitle|addAction|addButton|addItem|addItems|setEditText|showMessage|setLabelText|QMessageBox::[a-z]+|QMessageBox|QPushButton|QCheckBox|QRadioButton|QLabel|QAction|QMenu|QGroupBox|Frame|MakeFrame|MakeCheck|MakeCombo|showProblem|showError'
# Not words: the fixed window title, the program's name, symbols.
allowed='"(VExa Tessor v3\.0 \(Beta Release\) By Norlund|Vexa|\?|Text1|)"'
scan=$(grep -nE "($setters)\([^;]*(QStringLiteral\(|u)\"[^\"]*[A-Za-z][^\"]*\"" \
           core/*.cpp platform/*.cpp controls/*.cpp launcher/*.cpp about/*.cpp library/*.cpp 2>/dev/null \
       | grep -vE "(QStringLiteral\(|u)$allowed" || true)
if [ -n "$scan" ]; then
    echo "check-translations: texts given to a setter outside tr():"
    echo "$scan"
    status=1
fi
if [ "$status" = 0 ]; then echo "check-translations: every text is translated into ${#ts_files[@]} languages"; fi
exit "$status"

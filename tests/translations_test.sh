#!/usr/bin/env bash
# Every text the sources mark for translation has a finished English translation:
# lupdate brings a copy of translations/zelk_en.ts up to date with the sources, and no
# message of it may be unfinished (a new or changed text nobody translated yet).
# Usage: translations_test.sh <lupdate> <source folder>
set -euo pipefail
lupdate="$1"
source="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source/translations/zelk_en.ts" "$work/"
"$lupdate" -silent "$source/app" "$source/model" -ts "$work/zelk_en.ts" -no-obsolete -locations none
# (grep finds nothing when all is translated: not a failure.)
unfinished=$( (grep -B2 'type="unfinished"' "$work/zelk_en.ts" || true) |
    sed -n 's/.*<source>\(.*\)<\/source>.*/\1/p')
if [ -n "$unfinished" ]; then
    echo "FAIL: texts without an English translation (run the zelk_app_lupdate target and translate them):"
    echo "$unfinished"
    exit 1
fi
echo "PASS"

#!/usr/bin/env bash
# Every text has its English and French translation: lupdate, run over the sources on
# copies of the .ts files, changes nothing and leaves nothing unfinished.
#   translations_test.sh LUPDATE SOURCE_DIR TRANSLATIONS_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$3"/*.ts "$work"
"$1" -silent -no-obsolete -locations none "$2" -ts "$work"/*.ts
if grep -B2 'type="unfinished"' "$work"/*.ts; then
    echo "translate the texts above"
    exit 1
fi
diff -r "$3" "$work" || { echo "build the update_translations target"; exit 1; }

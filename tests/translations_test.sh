#!/usr/bin/env bash
# Every text of the programs has its English and French translation: lupdate, run over
# the sources on copies of the .ts files, finds nothing new and leaves nothing unfinished.
#   translations_test.sh LUPDATE SOURCE_DIR TRANSLATIONS_DIR
set -euo pipefail
lupdate=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for ts in "$3"/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy"
    if grep -B2 'type="unfinished"' "$copy"; then
        echo "untranslated in $(basename "$ts")"
        failed=1
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts") is behind the sources: build the update_translations target"
        diff "$ts" "$copy" | head -20
        failed=1
    fi
done
exit $failed

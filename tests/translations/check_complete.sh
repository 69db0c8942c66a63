#!/usr/bin/env bash
# Fails when a text of the sources is missing from a translation, or is there untranslated:
# refreshes copies of translations/*.ts from the sources and looks for unfinished messages.
# Usage: check_complete.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$1 lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/brivola_*.ts "$work/"
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$source_dir/src" \
    -ts "$work"/brivola_*.ts
failed=0
for ts in "$work"/brivola_*.ts; do
    count=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$count" -gt 0 ]; then
        failed=1
        echo "$(basename "$ts"): $count texts missing or untranslated (scripts/update_translations.sh):"
        grep -B2 'type="unfinished"' "$ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/    \1/p'
    fi
done
[ "$failed" -eq 0 ] && echo "Every text of the sources is translated in $(ls "$work" | wc -l) languages"
exit $failed

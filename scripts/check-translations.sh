#!/usr/bin/env bash
# Fails when a catalog of translations/ does not match the sources: lupdate
# is run into a copy of each catalog, and the copy must have no entry that is
# unfinished (a text without its translation), obsolete or vanished (a
# translation whose text is gone), and no empty translation.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/corvane_*.ts "$work"/
"$root/scripts/update-translations.sh" --into "$work" --keep-obsolete

status=0
for catalog in "$work"/corvane_*.ts; do
  name=translations/$(basename "$catalog")
  # Each faulty entry with its source text, one per line.
  faults=$(awk '
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation/ {
      kind = ""
      if ($0 ~ /type="(unfinished|obsolete|vanished)"/) { kind = $0; sub(/.*type="/, "", kind); sub(/".*/, "", kind) }
      else if ($0 ~ /<translation><\/translation>|<translation\/>/) kind = "empty"
      if (kind != "") print "  " kind ": " source
    }' "$catalog")
  if [ -n "$faults" ]; then
    echo "$name is not complete; run scripts/update-translations.sh and translate:"
    echo "$faults"
    status=1
  fi
done
[ $status -eq 0 ] && echo "translations: every catalog is complete"
exit $status

#!/usr/bin/env bash
# Brings the catalogs translations/corvane_*.ts up to date with the texts of
# the sources (Qt's lupdate): a new or changed text comes in unfinished, for
# a translator to fill in (with Qt Linguist, or in the XML by hand), and a
# text no longer in the sources is dropped. After adding or changing tr()
# texts, run this, translate every entry it leaves unfinished in each
# catalog, and build; scripts/check-translations.sh (run by scripts/test.sh)
# fails while an entry is unfinished.
#
#   update-translations.sh [--into DIR] [--keep-obsolete]
#     --into DIR        update the catalogs found in DIR instead
#     --keep-obsolete   keep the entries of texts that are gone, marked as such
#
# LUPDATE names the lupdate of Qt 6 when it is not in the usual place.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
into=$root/translations
obsolete=(-no-obsolete)
while [ $# -gt 0 ]; do
  case $1 in
    --into) into=$2; shift 2 ;;
    --keep-obsolete) obsolete=(); shift ;;
    *) echo "usage: $0 [--into DIR] [--keep-obsolete]" >&2; exit 2 ;;
  esac
done

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ] && command -v qtpaths6 >/dev/null; then
  lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
fi
[ -n "$lupdate" ] && [ -x "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "$0: lupdate of Qt 6 not found; run scripts/install-deps.sh" >&2; exit 1; }

# The windows' texts are in src/windows and src/assets; the messages the core
# words itself (the data file's faults, the beam data check, the failure of
# a calculation) are in src/state and src/dose, marked with
# CORVANE_TRANSLATE_NOOP, which lupdate reads as QT_TRANSLATE_NOOP. No source
# locations are written, so that the catalogs change only when a text does.
shopt -s nullglob
catalogs=("$into"/corvane_*.ts)
[ ${#catalogs[@]} -gt 0 ] || { echo "$0: no catalogs corvane_*.ts in $into" >&2; exit 1; }
"$lupdate" -silent -locations none -no-ui-lines "${obsolete[@]}" -I "$root/src" \
  -tr-function-alias QT_TRANSLATE_NOOP+=CORVANE_TRANSLATE_NOOP \
  "$root/src/state" "$root/src/dose" "$root/src/windows" "$root/src/assets" -ts "${catalogs[@]}"

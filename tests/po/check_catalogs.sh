#!/usr/bin/env bash
# Every catalog of po/LINGUAS is complete for the texts the sources mark today: the template is
# made afresh from the sources (so a text marked but never put into the catalogs is caught), and
# each catalog must translate every message of it, with nothing fuzzy and no format broken.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/make-pot.sh" --output "$work/stillmark.pot" || { echo "the template could not be made"; exit 1; }

failed=0
# A message with two placeholders or more needs a translator's comment that says what each one is.
uncommented=$(python3 - "$work/stillmark.pot" <<'PY'
import re, sys
placeholder = re.compile(r"%(?:[1-9]\$)?[sd]")
for entry in open(sys.argv[1], encoding="utf-8").read().split("\n\n"):
    lines = entry.splitlines()
    msgid, inside = "", False
    for line in lines:
        if line.startswith("msgid "):
            inside = True
            line = line[len("msgid "):]
        elif not line.startswith('"'):
            inside = False
        if inside:
            msgid += line.strip().strip('"')
    commented = any(line.startswith("#. TRANSLATORS:") for line in lines)
    if len(placeholder.findall(msgid)) >= 2 and not commented:
        print(f"  {msgid}")
PY
)
if [ -n "$uncommented" ]; then
  echo "messages with two placeholders and no TRANSLATORS: comment:"; echo "$uncommented"; failed=1
fi
for lang in $(grep -v '^#' "$root/po/LINGUAS"); do
  po=$root/po/$lang.po
  stats=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1) || { echo "$lang: $stats"; failed=1; continue; }
  case "$stats" in
    *fuzzy* | *untranslated*) echo "$lang: $stats"; failed=1 ;;
  esac
  # msgcmp counts untranslated and fuzzy entries as missing too.
  if ! missing=$(msgcmp "$po" "$work/stillmark.pot" 2>&1); then
    echo "$lang: messages of the template missing:"; echo "$missing"; failed=1
  fi
  echo "$lang: $stats"
done
exit $failed

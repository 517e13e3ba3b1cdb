#!/usr/bin/env bash
# Writes the translators' template, po/stillmark.pot, from every text the user sees: the code's
# marked texts, the dialog resources, the menu entry and the software-centre metadata.
#   make-pot.sh [--output FILE] [--merge]
# --merge also brings each catalog of po/LINGUAS up to date with the new template (msgmerge);
# new texts then show as untranslated, changed ones as fuzzy, until a translator has been there.
set -euo pipefail
cd "$(dirname "$0")/.."

output=po/stillmark.pot
merge=0
while [ $# -gt 0 ]; do
  case "$1" in
    --output) output=$2; shift 2 ;;
    --merge) merge=1; shift ;;
    *) echo "usage: $0 [--output FILE] [--merge]" >&2; exit 2 ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The resources' texts as _() calls; their #line marks keep the references to the .xrc files.
wxrc -g res/*.xrc -o "$work/resources.cpp"

version=$(sed -n 's/^project(Stillmark VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
common=(--from-code=UTF-8 --add-comments=TRANSLATORS: --package-name=Stillmark
        --package-version="$version" --msgid-bugs-address= --copyright-holder="The Stillmark developers")
# wx's markers, and Translatable() of the layers below the windows.
keywords=(--keyword=_ --keyword=wxTRANSLATE --keyword=Translatable --keyword=wxPLURAL:1,2
          --keyword=wxGETTEXT_IN_CONTEXT:1c,2 --keyword=wxGETTEXT_IN_CONTEXT_PLURAL:1c,2,3
          --keyword=wxTRANSLATE_IN_CONTEXT:1c,2)
mapfile -t sources < <(git ls-files -co --exclude-standard 'src/*.cpp' 'src/*.h' 'src/*.cpp.in' | sort)

# Without an address of its own xgettext warns each time: that warning is dropped.
quietly() {
  "$@" 2>"$work/warnings" || { cat "$work/warnings" >&2; return 1; }
  sed '/msgid-bugs-address was not specified/,/command line option/d' "$work/warnings" >&2
}
quietly xgettext "${common[@]}" "${keywords[@]}" --language=C++ -o "$work/code.pot" \
  "$work/resources.cpp" "${sources[@]}" po/extra.cpp
quietly xgettext "${common[@]}" -o "$work/data.pot" \
  data/org.stillmark.Stillmark.desktop data/org.stillmark.Stillmark.metainfo.xml
msgcat --use-first -o "$work/stillmark.pot" "$work/code.pot" "$work/data.pot"
# The temporary folder's name would otherwise change the template each time.
sed -i "s|$work/resources.cpp|res|g" "$work/stillmark.pot"
mkdir -p "$(dirname "$output")"
cp "$work/stillmark.pot" "$output"

if [ "$merge" = 1 ]; then
  for lang in $(grep -v '^#' po/LINGUAS); do
    msgmerge --quiet --update --backup=none "po/$lang.po" "$output"
  done
fi

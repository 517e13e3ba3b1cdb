#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree: the command, the files the program finds
# beside its executable, the desktop entry, the icons and the metadata (both validated), and that the
# install manifest lists every installed file, so an uninstall leaves nothing behind.
#
#   install_check.sh <build dir> <source dir>
set -u
build=$1 src=$2
prefix=$(mktemp -d)
manifest=$build/install_manifest.txt
# The build's install_manifest.txt belongs to whoever ran "make install" (it is their uninstall list):
# keep it and put it back.
saved=
if [ -f "$manifest" ]; then saved=$(mktemp); cp "$manifest" "$saved"; fi
restore() {
  if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$prefix"
}
trap restore EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log"; rm -f "$prefix.log"; fail "cmake --install failed"; }
rm -f "$prefix.log"

app_id=org.stillmark.Stillmark
libdir=$(cd "$prefix" && ls -d lib*/stillmark 2>/dev/null | head -1)
[ -n "$libdir" ] || libdir=$(cd "$prefix" && find . -type d -name stillmark -path '*lib*' | head -1 | sed 's|^\./||')
[ -n "$libdir" ] && [ -d "$prefix/$libdir" ] || fail "no private folder lib*/stillmark"

# The command is a link to the executable in the private folder; the program looks beside the resolved
# path (/proc/self/exe) for its data files and its web view module.
[ -L "$prefix/bin/stillmark" ] || fail "bin/stillmark is not a symbolic link"
case "$(readlink "$prefix/bin/stillmark")" in /*) fail "bin/stillmark links to an absolute path";; esac
target=$(readlink -f "$prefix/bin/stillmark")
[ "$target" = "$(readlink -f "$prefix/$libdir/stillmark")" ] || fail "bin/stillmark points to $target"
[ -x "$target" ] && [ -f "$target" ] || fail "the executable is missing"
# The page is filled in at build time (contact address, home page): compare it with the built one.
cmp -s "$prefix/$libdir/Welcome.wma" "$src/res/Welcome.wma" || fail "Welcome.wma missing or different beside the executable"
cmp -s "$prefix/$libdir/ThankYou.html" "$build/ThankYou.html" || fail "ThankYou.html missing or different beside the executable"
module=$(cd "$prefix/$libdir" && ls *stillmark_webview*.so 2>/dev/null | head -1)
[ -n "$module" ] || fail "the web view module is missing beside the executable"
# The module's name is the one compiled into the program.
grep -q --binary-files=text "$module" "$target" || fail "the program does not name $module"
# The program itself must not pull in the web engine; only the module does.
if ldd "$target" | grep -qi webkit; then fail "the executable links WebKit"; fi
ldd "$prefix/$libdir/$module" | grep -qi webkit || fail "the module does not link WebKit"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "desktop entry missing"
[ -f "$metainfo" ] || fail "metainfo missing"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
grep -qx 'Exec=stillmark' "$desktop" || fail "Exec is not the installed command"
# Every language of po/LINGUAS: its catalog, and its name and comments in the entry and the metadata.
for lang in $(grep -v '^#' "$src/po/LINGUAS"); do
  [ -f "$prefix/share/locale/$lang/LC_MESSAGES/stillmark.mo" ] || fail "catalog $lang missing"
  grep -q "^Comment\[$lang\]=" "$desktop" || fail "the desktop entry has no $lang comment"
  grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || fail "the metainfo has no $lang summary"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "launchable"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "icon $size missing"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $size has the wrong size"
done

# Uninstall by the manifest: everything installed is listed, and removing the list empties the prefix.
[ -f "$manifest" ] || fail "no install_manifest.txt"
while IFS= read -r f || [ -n "$f" ]; do rm -f "$f"; done <"$manifest"
left=$(find "$prefix" \( -type f -o -type l \) | head)
[ -z "$left" ] || fail "files not in the manifest: $left"
echo "install tree ok: bin/stillmark -> $libdir/stillmark, $module, data, desktop entry, 7 icons, metainfo"

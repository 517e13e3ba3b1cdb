#!/usr/bin/env bash
# Builds the Debian package as "make deb" does, into a folder of its own, and checks what it holds
# (dpkg-deb -c), its control fields (dpkg-deb -f), its maintainer scripts and lintian's verdict.
# Exits 77 (skipped) only when the packaging tools are missing and cannot be installed.
#
#   package_check.sh <build dir> <source dir> <project version>
set -u
build=$1 src=$2 version=$3
out=$build/package-test
fail() { echo "FAIL: $*"; exit 1; }

# No standard input: sudo may ask for no password inside a test.
"$src/scripts/install-deb-tools.sh" </dev/null >"$build/package-tools.log" 2>&1
tools=$?
if [ $tools -ne 0 ]; then
  cat "$build/package-tools.log"
  # Build dependencies that apt cannot install point at debian/control: that is a fault, not a skip.
  [ $tools -eq 3 ] && fail "the build dependencies of debian/control could not be installed"
  echo "SKIPPED: the Debian packaging tools are missing and cannot be installed here (needs root or sudo," \
       "and the package lists)."
  exit 77
fi

mkdir -p "$out"
# PACKAGE_CHECK_DEB=<file>: check a package built before instead of building one.
if [ -n "${PACKAGE_CHECK_DEB:-}" ]; then
  deb=$PACKAGE_CHECK_DEB
else
  if ! JOBS=${JOBS:-2} "$src/scripts/build-deb.sh" "$out" >"$out/build.log" 2>&1; then
    tail -n 40 "$out/build.log"
    fail "the package build failed (whole log: $out/build.log)"
  fi
  deb=$(ls "$out"/stillmark_"$version"_*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || fail "no stillmark_${version}_*.deb in $out: does debian/changelog carry the project's version $version?"
  # debhelper logs each compile command: none may stop on warnings, as a distribution's newer compiler
  # may warn about more.
  grep -q -- ' -Wextra' "$out/build.log" || fail "the package build log shows no compile command"
  if grep -Eq -- '-Werror( |$)' "$out/build.log"; then fail "the package build treats warnings as errors"; fi
fi

# The build ran on a copy: the source tree has no build products of debhelper.
for p in debian/stillmark debian/.debhelper debian/files debian/stillmark.substvars; do
  [ ! -e "$src/$p" ] || fail "the package build left $p in the source tree"
done

# --- Content -------------------------------------------------------------------------------------------
listing=$(dpkg-deb -c "$deb") || fail "dpkg-deb -c"
# The path of every entry, without "./", links as "path -> target", folders left out.
entries=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); line = $6; for (i = 7; i <= NF; i++) line = line " " $i; print line }' \
          <<<"$listing")
modes=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $1, $6 }' <<<"$listing")

app_id=org.stillmark.Stillmark
expected=(
  "usr/bin/stillmark -> ../lib/stillmark/stillmark"
  usr/lib/stillmark/stillmark
  usr/lib/stillmark/Welcome.wma
  usr/lib/stillmark/ThankYou.html
  usr/lib/stillmark/README.md
  usr/lib/stillmark/libstillmark_webview.so
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/man/man1/stillmark.1.gz
  usr/share/doc/stillmark/copyright
  usr/share/doc/stillmark/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/stillmark.png")
done
for lang in $(grep -v '^#' "$src/po/LINGUAS"); do
  expected+=("usr/share/locale/$lang/LC_MESSAGES/stillmark.mo")
done
for e in "${expected[@]}"; do
  grep -qxF "$e" <<<"$entries" || fail "the package lacks $e"
done
grep -qx -- '-rwxr-xr-x usr/lib/stillmark/stillmark' <<<"$modes" || fail "usr/lib/stillmark/stillmark is not executable"

# Nothing else: no test programs, headers or build files, nothing in /etc or a home folder.
allowed='^(usr/bin/stillmark -> |usr/lib/stillmark/(stillmark|Welcome\.wma|ThankYou\.html|README\.md|libstillmark_webview\.so)$'
allowed+='|usr/share/(applications|metainfo|man/man1|doc/stillmark|icons/hicolor|lintian/overrides)/'
allowed+='|usr/share/locale/[A-Za-z_@]+/LC_MESSAGES/stillmark\.mo$)'
unexpected=$(grep -Ev "$allowed" <<<"$entries")
[ -z "$unexpected" ] || fail "files the package should not hold: $unexpected"

# The packaged files are the ones in the source tree.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
for pair in "res/Welcome.wma usr/lib/stillmark/Welcome.wma" "README.md usr/lib/stillmark/README.md"; do
  set -- $pair
  cmp -s "$src/$1" "$root/$2" || fail "$2 differs from $1"
done
# The menu entry is the source's with every language's keys added.
grep -Ev '^[A-Za-z]+\[' "$root/usr/share/applications/$app_id.desktop" | cmp -s - "$src/data/$app_id.desktop" ||
  fail "the menu entry's untranslated keys differ from data/$app_id.desktop"
# The page and the metadata are filled in at build time (contact address, home page): nothing left open.
for f in usr/lib/stillmark/ThankYou.html usr/share/metainfo/$app_id.metainfo.xml; do
  [ -s "$root/$f" ] || fail "$f is empty"
  if grep -q '@STILLMARK_' "$root/$f"; then fail "$f holds a placeholder that the build did not fill in"; fi
done
# The menu entry starts the command the package puts on the PATH.
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/usr/share/applications/$app_id.desktop")
[ -L "$root/usr/bin/$exec_cmd" ] || fail "the menu entry's Exec ($exec_cmd) is not in /usr/bin"
[ "$(readlink -f "$root/usr/bin/$exec_cmd")" = "$root/usr/lib/stillmark/stillmark" ] || fail "/usr/bin/$exec_cmd"

# --- Control fields ------------------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = stillmark ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version) is not the project's $version"
# Alternatives and versions aside, the names each field must list.
names() { field "$1" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sed '/^$/d'; }
depends=$(names Depends) recommends=$(names Recommends)
relations=(
  "Depends libc6"                      # computed from the binaries (shlibs)
  "Depends libwxgtk3.2-1"
  "Depends libwxgtk-webview3.2-1"      # the web view module, private as it is
  "Depends libgstreamer1.0-0"
  "Depends gstreamer1.0-plugins-base"  # wav
  "Depends gstreamer1.0-plugins-good"  # wav, mp3
  "Recommends gstreamer1.0-plugins-ugly" # wma: the ASF demuxer
  "Recommends gstreamer1.0-libav"      # wma: the decoder
  "Recommends notification-daemon"
)
for r in "${relations[@]}"; do
  set -- $r
  list=$depends
  [ "$1" = Recommends ] && list=$recommends
  grep -qxF "$2" <<<"$list" || fail "$1 lacks $2 (it is: $(field "$1"))"
done
# Test-only libraries must not reach the users.
if grep -qi gtest <<<"$depends"; then fail "Depends names GoogleTest"; fi

# --- Maintainer scripts: none may touch a home folder or the user's settings ---------------------------
ctrl=$(mktemp -d)
dpkg-deb -e "$deb" "$ctrl" || fail "dpkg-deb -e"
for s in preinst postinst prerm postrm config; do
  [ -f "$ctrl/$s" ] || continue
  if grep -Eq 'home|stillmark\.INI|\.config|HOME' "$ctrl/$s"; then rm -rf "$ctrl"; fail "$s touches home folders"; fi
done
rm -rf "$ctrl"

# --- lintian: no error, no warning ---------------------------------------------------------------------
if ! lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1; then
  cat "$out/lintian.log"
  fail "lintian reports errors or warnings"
fi

echo "package ok: $(basename "$deb"), $(grep -c . <<<"$entries") files, Depends and Recommends as expected, lintian clean"

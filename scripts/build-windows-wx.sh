#!/usr/bin/env bash
# Cross-builds, once per machine, what the Windows build links against: zlib, libpng, expat and
# wxWidgets (static, MSW port) from Debian's own source packages, and GoogleTest from /usr/src/googletest.
# They land in a cache outside the clone, keyed by the wx version:
#   ${STILLMARK_CACHE:-~/.cache/stillmark}/mingw-wx-3.2.2
# Each finished library leaves a stamp there and is skipped next time. Needs scripts/install-windows-deps.sh first.
# Usage: build-windows-wx.sh [--print-prefix]   (JOBS=n sets make's jobs, 2 by default)
set -euo pipefail

wx_version=3.2.2
host=x86_64-w64-mingw32
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${STILLMARK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/stillmark}
prefix=${STILLMARK_WINDOWS_PREFIX:-$cache/mingw-wx-$wx_version}
jobs=${JOBS:-2}

if [ "${1:-}" = --print-prefix ]; then
  echo "$prefix"
  exit 0
fi

log() { echo "build-windows-wx: $*"; }
stamp_ok() { [ -f "$prefix/.stamps/$1" ]; }
stamp() { mkdir -p "$prefix/.stamps" && echo "$2" >"$prefix/.stamps/$1"; }

export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib WINDRES=$host-windres
for tool in "$CC" "$CXX" "$AR" "$WINDRES"; do
  command -v "$tool" >/dev/null || { log "$tool is missing: run scripts/install-windows-deps.sh" >&2; exit 1; }
done

gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || true)
[ -n "$gtest_version" ] || { log "googletest's source is missing: run scripts/install-windows-deps.sh" >&2; exit 1; }

if stamp_ok wx && [ "$(cat "$prefix/.stamps/googletest")" = "$gtest_version" ] 2>/dev/null; then
  log "up to date in $prefix"
  exit 0
fi

mkdir -p "$prefix"
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
toolchain=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/MinGW.cmake" -DSTILLMARK_WINDOWS_PREFIX="$prefix")

# Debian's source packages: a deb-src entry of our own, beside the system's binary entries.
add_source_entry() {
  local list=/etc/apt/sources.list.d/stillmark-deb-src.sources
  apt-get source --download-only --print-uris wxwidgets3.2 >/dev/null 2>&1 && return
  [ "$(id -u)" -eq 0 ] || { log "needs root once, to add $list" >&2; exit 1; }
  log "adding $list"
  sed -n '/^Types:/s/.*/Types: deb-src/p; /^\(URIs\|Suites\|Components\|Signed-By\):/p; /^$/p' \
    /etc/apt/sources.list.d/debian.sources >"$list"
  apt-get update -q
}
# The newest source of a package; the release's own when a mirror lacks the update's (some mirrors
# carry the security updates' binaries only). Each try in a folder of its own, so no half download stays.
fetch_source() {
  local package=$1 extract=$2 try
  for try in "$package" "$package/$(. /etc/os-release && echo "$VERSION_CODENAME")"; do
    rm -rf "$work/get" && mkdir -p "$work/get"
    if (cd "$work/get" && apt-get source -q $extract "$try") >>"$work/fetch.log" 2>&1; then
      mv "$work/get"/* "$work/" && return
    fi
  done
  cat "$work/fetch.log" >&2
  log "could not fetch the source of $package" >&2
  exit 1
}

if ! stamp_ok wx; then
  start=$(date +%s)
  log "fetching the sources of zlib, libpng, expat and wxWidgets into $work"
  add_source_entry >"$work/fetch.log" 2>&1
  fetch_source zlib ""
  fetch_source libpng1.6 ""
  fetch_source expat ""
  # Only the upstream tarball: Debian's patches are for its Linux packages.
  fetch_source wxwidgets3.2 --download-only
  mkdir -p "$prefix/include" "$prefix/lib"
  export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"

  # zlib: its configure does not know MinGW, so the library's sources are compiled directly.
  if ! stamp_ok zlib; then
    log "zlib"
    z=$(find "$work" -maxdepth 1 -type d -name 'zlib-*' | head -n 1)
    (cd "$z" && for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
      inftrees trees uncompr zutil; do "$CC" -O2 -c "$f.c" -o "$f.o"; done && "$AR" rcs libz.a ./*.o &&
      cp zlib.h zconf.h "$prefix/include/" && cp libz.a "$prefix/lib/")
    stamp zlib "$(basename "$z")"
  fi

  if ! stamp_ok libpng; then
    log "libpng"
    p=$(find "$work" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
    (cd "$p" && ./configure -q --host=$host --prefix="$prefix" --disable-shared --enable-static \
      --disable-tools >"$work/libpng.log" 2>&1 && make -j"$jobs" >>"$work/libpng.log" 2>&1 &&
      make install >>"$work/libpng.log" 2>&1) || { tail -n 40 "$work/libpng.log" >&2; exit 1; }
    stamp libpng "$(basename "$p")"
  fi

  # expat: Debian's tree has no generated configure, only CMake. Its header template leaves XML_DTD and
  # XML_NS empty while Debian's patches test them for 1.
  if ! stamp_ok expat; then
    log "expat"
    e=$(find "$work" -maxdepth 1 -type d -name 'expat-*' | head -n 1)
    sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/; s/^#cmakedefine XML_NS$/#cmakedefine XML_NS 1/' \
      "$e/expat/expat_config.h.cmake"
    (cmake -S "$e/expat" -B "$work/expat-build" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$prefix" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF \
      -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=ON &&
      cmake --build "$work/expat-build" -j"$jobs" && cmake --install "$work/expat-build") \
      >"$work/expat.log" 2>&1 || { tail -n 40 "$work/expat.log" >&2; exit 1; }
    stamp expat "$(basename "$e")"
  fi

  # wxWidgets: Debian's tarball without the bundled libraries it removed; those come from the prefix.
  log "wxWidgets $wx_version (15 to 25 minutes on 2 cores)"
  tarball=$(find "$work" -maxdepth 1 -name "wxwidgets3.2_$wx_version*.orig.tar.*" | head -n 1)
  [ -n "$tarball" ] || { log "Debian's wxwidgets3.2 source is not $wx_version" >&2; ls "$work" >&2; exit 1; }
  mkdir -p "$work/wx" && tar -xf "$tarball" -C "$work/wx" --strip-components=1
  mkdir -p "$work/wx/build-msw"
  (cd "$work/wx/build-msw" && ../configure --host=$host --build=x86_64-pc-linux-gnu --prefix="$prefix" \
    --with-msw --disable-shared --with-zlib=sys --with-libpng=sys --with-expat=sys --without-libjpeg \
    --without-libtiff --without-liblzma --with-regex=builtin --without-opengl --disable-mediactrl --disable-stc \
    --disable-ribbon --disable-propgrid --disable-aui --disable-richtext --disable-debugreport --disable-sockets \
    --disable-webrequest --enable-webview --enable-webviewie --disable-webviewedge --disable-tests \
    >"$work/wx.log" 2>&1 && make -j"$jobs" >>"$work/wx.log" 2>&1 && make install >>"$work/wx.log" 2>&1) ||
    { tail -n 60 "$work/wx.log" >&2; exit 1; }
  stamp wx "$(basename "$tarball") $("$CXX" -dumpversion)"
  log "wxWidgets done in $((($(date +%s) - start) / 60)) minutes"
fi

# GoogleTest from Debian's source package, with the same toolchain (about 15 s).
if [ "$(cat "$prefix/.stamps/googletest" 2>/dev/null)" != "$gtest_version" ]; then
  log "googletest $gtest_version"
  (cmake -S /usr/src/googletest -B "$work/googletest" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON &&
    cmake --build "$work/googletest" -j"$jobs" && cmake --install "$work/googletest") \
    >"$work/googletest.log" 2>&1 || { tail -n 40 "$work/googletest.log" >&2; exit 1; }
  stamp googletest "$gtest_version"
fi
log "done: $prefix"

#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need on Debian: the MinGW-w64 cross compiler,
# Wine, NSIS, a headless X server and GoogleTest's source (cross-built by build-windows-wx.sh).
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 nsis xvfb xauth googletest
  # what build-windows-wx.sh needs to fetch and unpack Debian's source packages
  dpkg-dev xz-utils make cmake
  # msgfmt, which compiles the catalogs that go beside the program
  gettext
  # the multi-size icon of res/windows
  icoutils
  # wxrc, which compiles the dialogs into C++ on the build machine
  wx-common
)

is_installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}

missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
  as_root=(sudo)
else
  echo "install-windows-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-windows-deps: run as root or with sudo to install them, or install them yourself." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
echo "install-windows-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs what building the Debian package needs: Debian's packaging tools, then the build dependencies
# that debian/control names. Idempotent: nothing is installed (and the package lists are not refreshed)
# when everything is there already.
#
#   install-deb-tools.sh [--check] [build|cleanroom|autopkgtest]
#     --check: install nothing, exit 1 when something is missing
#     build (the default): the packaging tools and the build dependencies, for "make deb"
#     cleanroom: mmdebstrap and Debian's keyring only, for "make deb-cleanroom" (the build happens in a
#       root of its own, so this machine needs none of the build dependencies)
#     autopkgtest: the runner of the installed package's tests, for "make deb-check"
# Exit status: 0 all there; 2 missing, and no root or sudo to install it; 3 the tools are there but the
# build dependencies could not be installed (is debian/control right?); else apt-get's status.
set -euo pipefail
cd "$(dirname "$0")/.."

check=
if [ "${1:-}" = "--check" ]; then check=1; shift; fi
what=${1:-build}
case "$what" in
  build) tools=(dpkg-dev debhelper fakeroot lintian build-essential) ;;
  cleanroom) tools=(mmdebstrap debian-archive-keyring dpkg-dev) ;;
  autopkgtest) tools=(autopkgtest) ;;
  *) echo "install-deb-tools: unknown set '$what' (build, cleanroom or autopkgtest)" >&2; exit 2 ;;
esac

is_installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}

missing=()
for p in "${tools[@]}"; do
  is_installed "$p" || missing+=("$p")
done
# dpkg-checkbuilddeps (from dpkg-dev) reads debian/control; without dpkg-dev the build dependencies count
# as missing until it is installed.
builddeps_met() {
  [ "$what" = build ] || return 0
  command -v dpkg-checkbuilddeps >/dev/null 2>&1 && dpkg-checkbuilddeps -B debian/control >/dev/null 2>&1
}
if [ ${#missing[@]} -eq 0 ] && builddeps_met; then exit 0; fi

if [ -n "$check" ]; then
  echo "install-deb-tools: missing: ${missing[*]:-} $(builddeps_met || echo 'build dependencies of debian/control')" >&2
  exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo)
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
  as_root=(sudo)
else
  echo "install-deb-tools: missing: ${missing[*]:-} (and perhaps build dependencies of debian/control)" >&2
  echo "install-deb-tools: run as root or with sudo to install them, or install them yourself." >&2
  exit 2
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deb-tools: installing ${missing[*]}"
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! builddeps_met; then
  echo "install-deb-tools: installing the build dependencies of debian/control"
  # apt reads the Build-Depends of a source folder itself (alternatives and versions included).
  "${as_root[@]}" apt-get build-dep -y -q --no-install-recommends "$PWD" || exit 3
fi

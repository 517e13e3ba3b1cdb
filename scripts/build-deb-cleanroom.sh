#!/usr/bin/env bash
# Builds the Debian package the way a distribution's build daemon does: in a fresh minimal Debian 12
# root (mmdebstrap --variant=buildd: the essential packages, apt and build-essential, nothing else) that
# gets a copy of the source tree, where "apt-get build-dep ./" installs only what debian/control declares
# and "dpkg-buildpackage -b -us -uc" builds. A build dependency debian/control lacks stops it here.
# The root lives in a temporary folder that is removed afterwards, after a failure too; the packages
# (.deb, -dbgsym .deb, .buildinfo, .changes) and the log deb-cleanroom.log land in <out dir>.
# Needs root or sudo (mmdebstrap mounts /proc and /dev in the root) and Debian's mirror.
#
#   build-deb-cleanroom.sh <out dir>    JOBS=n compile jobs; MIRROR=<url> another Debian mirror
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
jobs=${JOBS:-$(nproc)}
suite=bookworm
fail() { echo "deb-cleanroom: $*" >&2; exit 1; }

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
  as_root=(sudo)
else
  fail "mmdebstrap needs root or sudo here"
fi
command -v mmdebstrap >/dev/null || fail "mmdebstrap is missing (scripts/install-deb-tools.sh cleanroom)"
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)

work=$(mktemp -d "${TMPDIR:-/tmp}/stillmark-cleanroom.XXXXXX")
case "$work" in *[[:space:]]*) rm -rf "$work"; fail "the temporary folder $work holds a blank" ;; esac
# mmdebstrap unmounts what it mounted, also when a step fails, and removes the root it made in $work.
# Should anything still be mounted below $work, the removal stays on $work's own file system.
cleanup() {
  if findmnt -rn -o TARGET | grep -q "^$work/"; then
    echo "deb-cleanroom: still mounted below $work, left in place:" >&2
    findmnt -rn -o TARGET | grep "^$work/" >&2
  else
    "${as_root[@]}" rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT
chmod 755 "$work"

"$src/scripts/copy-source.sh" "$work/src/stillmark-$version" "$out"
# What runs inside the root, with nothing of this machine's environment.
cat >"$work/src/build.sh" <<EOF
#!/bin/sh
set -e
cd /build/stillmark-$version
echo "deb-cleanroom: \$(date +%T) apt-get build-dep ./"
apt-get build-dep -y -q --no-install-recommends ./
echo "deb-cleanroom: \$(date +%T) dpkg-buildpackage -b -us -uc"
dpkg-buildpackage -b -us -uc -j$jobs
echo "deb-cleanroom: \$(date +%T) built"
mkdir /build/out
mv /build/*.deb /build/*.buildinfo /build/*.changes /build/out/
EOF
mkdir "$work/out"

log=$out/deb-cleanroom.log
start=$(date +%s)
echo "deb-cleanroom: $(date +%T) building stillmark $version in a fresh $suite root (log: $log)"
# The root itself is thrown away ("/dev/null"): only the results come out.
status=0
"${as_root[@]}" env TMPDIR="$work" mmdebstrap --variant=buildd \
  --customize-hook='mkdir "$1/build"' \
  --customize-hook="copy-in $work/src/stillmark-$version $work/src/build.sh /build" \
  --customize-hook='chroot "$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive sh /build/build.sh' \
  --customize-hook="sync-out /build/out $work/out" \
  "$suite" /dev/null ${MIRROR:+"$MIRROR"} >"$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  tail -n 40 "$log" >&2
  fail "the clean-root build failed after $(($(date +%s) - start)) s (whole log: $log)"
fi

rm -f "$out"/stillmark_*.deb "$out"/stillmark-dbgsym_*.deb "$out"/stillmark_*.buildinfo "$out"/stillmark_*.changes
"${as_root[@]}" chown -R "$(id -u):$(id -g)" "$work/out"
mv "$work"/out/* "$out"/
echo "deb-cleanroom: built in $(($(date +%s) - start)) s from a $suite root with only debian/control's Build-Depends:"
ls "$out"/stillmark_*.deb

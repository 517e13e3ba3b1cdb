#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools (dpkg-buildpackage, debhelper) from a copy of the
# source tree, so neither the tree nor its parent folder gets build products, and moves the results
# (stillmark_<version>_<arch>.deb, the -dbgsym package, .buildinfo, .changes) into <out dir>.
#
#   build-deb.sh <out dir>        JOBS=n sets the compile jobs (default: the number of cores)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
jobs=${JOBS:-$(nproc)}

version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
work=$out/deb-work
stage=$work/stillmark-$version
rm -rf "$work"

"$src/scripts/copy-source.sh" "$stage" "$out"

# -b: binary packages only; -us -uc: unsigned. The tests are not part of the package build.
(cd "$stage" && DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -b -us -uc -j"$jobs")

rm -f "$out"/stillmark_*.deb "$out"/stillmark-dbgsym_*.deb "$out"/stillmark_*.buildinfo "$out"/stillmark_*.changes
mv "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$out"/
rm -rf "$work"
ls "$out"/stillmark_*.deb

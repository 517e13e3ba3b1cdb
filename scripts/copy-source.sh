#!/usr/bin/env bash
# Copies the source tree into <dest> for a package build: no git data, no build folders, no products of
# an earlier in-tree package build, and not <skip> (a folder inside the tree, such as the build's output).
#
#   copy-source.sh <dest> [<skip>]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
dest=$1
skip=${2:-}

excludes=(--exclude=./.git --exclude='./build*' --exclude='./obj-*' --exclude=./out --exclude=./dist
          --exclude=./debian/stillmark --exclude=./debian/.debhelper --exclude=./debian/files
          --exclude='./debian/*.substvars' --exclude='./debian/*debhelper*' --exclude=./debian/tmp)
if [ -n "$skip" ]; then
  skip=$(cd "$skip" && pwd)
  case "$skip/" in "$src"/*) excludes+=(--exclude="./${skip#"$src"/}") ;; esac
fi
mkdir -p "$dest"
tar -C "$src" -cf - "${excludes[@]}" . | tar -C "$dest" -xf -

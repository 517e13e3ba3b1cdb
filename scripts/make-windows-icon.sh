#!/usr/bin/env bash
# Packs the desktop icons of data/icons (16 to 256 px) into res/windows/stillmark.ico, the program's icon on
# Windows. The 256 px image stays PNG inside, as Windows expects. Run again after an icon changes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
icons=$here/data/icons/hicolor
small=()
for size in 16 24 32 48 64 128; do
  small+=("$icons/${size}x$size/apps/stillmark.png")
done
icotool --create --output="$here/res/windows/stillmark.ico" "${small[@]}" \
  --raw="$icons/256x256/apps/stillmark.png"
icotool --list "$here/res/windows/stillmark.ico"

#!/usr/bin/env bash
# Draws the program icon (the clock of res/icon.png) at every hicolor size, so the large sizes are
# sharp drawings rather than enlarged pixels. Run it again after changing the design; the PNGs are
# committed. Needs ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

# The design on a 32-unit grid: teal ring, cream face, teal hands (twelve and about four o'clock),
# orange centre dot.
draw_icon() { # size output
  local size=$1 out=$2
  local ss=4 # drawn four times larger, then reduced: even edges at every size
  local px=$((size * ss))
  awk -v s="$px" 'BEGIN {
    u = s / 32.0
    printf "fill #2a7f8f stroke none circle %f,%f %f,%f ", 16*u, 16*u, 16*u, 1.2*u
    printf "fill #f4f1e8 circle %f,%f %f,%f ", 16*u, 16*u, 16*u, 4.1*u
    printf "stroke #2a7f8f stroke-width %f stroke-linecap round fill none ", 1.9*u
    printf "line %f,%f %f,%f ", 16*u, 16*u, 16*u, 7.6*u
    printf "line %f,%f %f,%f ", 16*u, 16*u, 22.0*u, 19.4*u
    printf "stroke none fill #e0823a circle %f,%f %f,%f", 16*u, 16*u, 18.4*u, 16*u
  }' >"$tmp"
  convert -size "${px}x${px}" xc:none -draw "$(cat "$tmp")" \
    -filter Box -resize "${size}x${size}" -strip "PNG32:$out"
}

for size in 16 24 32 48 64 128 256; do
  mkdir -p "$here/hicolor/${size}x${size}/apps"
  draw_icon "$size" "$here/hicolor/${size}x${size}/apps/stillmark.png"
done

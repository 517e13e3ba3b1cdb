#!/usr/bin/env bash
# Footprint and timing of the built program (and of other break reminders when installed), as a table.
# Needs a display, a session bus and a notification daemon: run it as `make bench`, or
#   ./scripts/with-desktop.sh ./scripts/bench.sh build
# BENCH_IDLE_SECONDS shortens the idle period (default 60).
set -eu
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$build/stillmark" ] || { echo "bench: $build/stillmark is not built (make build)" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "bench: no display; run it through scripts/with-desktop.sh" >&2; exit 1; }
echo "Stillmark footprint on $(nproc) cores, $(uname -sr), display ${DISPLAY}"
exec python3 "$here/bench.py" "$build"

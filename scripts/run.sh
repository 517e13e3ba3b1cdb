#!/usr/bin/env bash
# Starts the built program; without a display it says so instead of failing obscurely.
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found (DISPLAY is not set). Start Stillmark from a desktop session," >&2
  echo "     or try it under a virtual one: ./scripts/with-desktop.sh $build/stillmark" >&2
  exit 1
fi
exec "$build/stillmark"

#!/usr/bin/env bash
# Runs a command (ctest, or a Windows program through wine) in a private, headless Wine: an X server on a
# display of its own and a fresh 64-bit Wine prefix, both gone again when the command ends.
#   scripts/with-wine.sh ctest --test-dir build-windows
#   scripts/with-wine.sh wine build-windows/stillmark.exe
set -u
command -v wine >/dev/null && command -v Xvfb >/dev/null ||
  { echo "with-wine: wine or Xvfb is missing: run scripts/install-windows-deps.sh" >&2; exit 1; }
[ $# -gt 0 ] || { echo "usage: with-wine.sh command [args...]" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/stillmark-wine.XXXXXX")
xvfb_pid=
cleanup() {
  [ -d "$work/prefix" ] && WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free display itself and tells which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "with-wine: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Gecko or Mono download prompts; no menu entries written into the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i >"$work/wineboot.log" 2>&1 </dev/null || { cat "$work/wineboot.log" >&2; exit 1; }
wineserver -w
# Wine's server and background services outlive the program that starts them: started here with their
# output detached, so they never hold a test runner's pipe open (ctest would wait for them for ever).
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd /c exit >/dev/null 2>&1 </dev/null

"$@"

#!/usr/bin/env bash
# The log-in race: the real program starts in the background on a desktop whose panel is not up yet and
# waits as a minimised window; the panel's StatusNotifierWatcher comes 3 s later and the program moves
# into it (its item registered, the window gone from the screen); the panel goes and the window is back.
# Runs on a desktop of its own (display and session bus) without any tray.
set -u
bin=$1
watcher=$2
if [ -z "${STILLMARK_TRAY_RACE_DESKTOP:-}" ]; then
  export STILLMARK_TRAY_RACE_DESKTOP=1
  exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
export NO_AT_BRIDGE=1 GDK_BACKEND=x11
tmp=$(mktemp -d)
app_pid=0
watcher_pid=0
trap 'kill $app_pid $watcher_pid 2>/dev/null; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp
printf '[Settings]\nUseSound=0\nStartMinimized=1\n' >"$tmp/stillmark.INI"

fail() {
  echo "$1"; echo "--- program:"; cat "$tmp/app.log"; echo "--- watcher:"; cat "$tmp/watcher.log" 2>/dev/null
  exit 1
}
shown() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -q .; }
# Waits up to 15 s for a condition.
await() {
  for _ in $(seq 150); do
    if "$@"; then return 0; fi
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
registered() { grep -q '^registered org.kde.StatusNotifierItem-' "$tmp/watcher.log"; }
in_tray() { registered && ! shown; }

"$bin" >"$tmp/app.log" 2>&1 &
app_pid=$!
await shown || fail "no panel: the window should wait minimised on the screen"
sleep 3
/usr/bin/python3 "$watcher" >"$tmp/watcher.log" 2>&1 &
watcher_pid=$!
await in_tray || fail "the panel came: the icon should show in it and the window go"
kill "$watcher_pid"
await shown || fail "the panel went: the window should be back within reach"
echo "ok"

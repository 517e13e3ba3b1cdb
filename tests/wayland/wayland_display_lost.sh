#!/usr/bin/env bash
# The compositor goes away under the real program (a Wayland client with its window shown) right
# after a change was typed: as on X11, the program writes the change and ends with status 0.
# Runs inside STILLMARK_WAYLAND_INPUT=1 scripts/with-wayland.sh, which tells the compositor's
# process id and the display that types into it.
set -u
bin=$1
[ -n "${STILLMARK_WAYLAND_COMPOSITOR_PID:-}" ] || { echo "FAIL: not inside with-wayland.sh"; exit 1; }
input_display=${STILLMARK_WAYLAND_INPUT_DISPLAY:?runs inside STILLMARK_WAYLAND_INPUT=1 scripts/with-wayland.sh}
tmp=$(mktemp -d)
app_pid=
trap 'kill $app_pid 2>/dev/null; rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp
ini=$tmp/stillmark.INI
printf '[Settings]\nStartHour=12:00\nShowTip=0\n' >"$ini"

"$bin" >"$tmp/app.log" 2>&1 &
app_pid=$!
sleep 3
kill -0 "$app_pid" 2>/dev/null || { echo "FAIL: the program ended early"; cat "$tmp/app.log"; exit 1; }
# The start time has the focus: a new one typed, and the compositor goes before the autosave's pause
# has passed.
DISPLAY=$input_display xdotool mousemove 5 300 key ctrl+a type --delay 20 10:15
kill -9 "$STILLMARK_WAYLAND_COMPOSITOR_PID"

status=
for _ in $(seq 50); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid"
    status=$?
    break
  fi
  sleep 0.1
done
app_pid_left=$app_pid
app_pid=
[ -n "$status" ] || { kill "$app_pid_left"; echo "FAIL: still running 5 s after the compositor went"; cat "$tmp/app.log"; exit 1; }
[ "$status" -eq 0 ] || { echo "FAIL: status $status, not 0"; cat "$tmp/app.log"; exit 1; }
grep -q '^StartHour=10:15' "$ini" || { echo "FAIL: the typed start time was not written:"; cat "$ini"; exit 1; }
echo "ok: status 0 and the change written after the compositor went"

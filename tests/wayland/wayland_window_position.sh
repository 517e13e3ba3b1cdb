#!/usr/bin/env bash
# The stored window position on Wayland, where a program can neither place its window nor
# learn where it is: the window still opens, and going to the background writes the stored
# position back unchanged instead of the meaningless corner Wayland reports. Needs a seat to
# press a key: runs inside STILLMARK_WAYLAND_INPUT=1 scripts/with-wayland.sh.
set -u
bin=$1
input_display=${STILLMARK_WAYLAND_INPUT_DISPLAY:?runs inside STILLMARK_WAYLAND_INPUT=1 scripts/with-wayland.sh}
[ -z "${DISPLAY:-}" ] || { echo "FAIL: DISPLAY is set ($DISPLAY): this test needs Wayland alone"; exit 1; }
tmp=$(mktemp -d)
app_pid=
trap 'kill $app_pid 2>/dev/null; rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*"; echo "--- settings:"; cat "$ini"
  echo "--- program (Wayland requests left out):"; grep -v '^\[' "$tmp/app.log" | grep -v '^$' | head -40
  exit 1
}
mkdir -p "$tmp/home" "$tmp/config"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config
ini=$tmp/config/stillmark.INI
position='WinPosLTX=200
WinPosLTY=150
WinPosRBX=725
WinPosRBY=420'
printf '[Settings]\nStartHour=12:00\nEndHour=13:00\nStillpoints=2\nUseSound=0\nStartMinimized=0\n%s\n' "$position" >"$ini"

WAYLAND_DEBUG=client "$bin" >"$tmp/app.log" 2>&1 &
app_pid=$!
# Shown: the compositor has configured the toplevel and the program has drawn into it.
for _ in $(seq 100); do
  grep -q 'xdg_surface@[0-9]*\.ack_configure' "$tmp/app.log" && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
  sleep 0.1
done
grep -q 'xdg_surface@[0-9]*\.ack_configure' "$tmp/app.log" || fail "the window never showed"
sleep 1
# Enter presses the default button, "Run Background"; the key reaches weston through its
# output window in the helper X server, and weston hands it to the focused Wayland window.
DISPLAY=$input_display xdotool mousemove 5 300 key Return
for _ in $(seq 30); do
  grep -q 'xdg_toplevel@[0-9]*\.set_minimized' "$tmp/app.log" && break
  sleep 0.1
done
sleep 0.5
grep -q 'xdg_toplevel@[0-9]*\.set_minimized' "$tmp/app.log" || fail "Enter did not send the window to the background"

kill -TERM "$app_pid"
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end on SIGTERM"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status on SIGTERM"
grep -qx 'Increment=30 min' "$ini" || fail "settings not written on SIGTERM"
for line in $position; do
  grep -qx "$line" "$ini" || fail "the stored window position was not kept: $line is gone"
done
echo "ok"

#!/usr/bin/env bash
# The real program as a native Wayland client (no X server), a few seconds before a moment
# under a faked clock: the break notification arrives on the session bus, SIGTERM ends the
# program cleanly, the settings are written and a stored window position survives although
# Wayland does not let the program place its window.
# Runs inside scripts/with-wayland.sh (a compositor, a session bus, a notification daemon).
set -u
bin=$1
fail() {
  echo "FAIL: $*"
  echo "--- bus:"; cat "$tmp/monitor.log"
  echo "--- program (Wayland requests left out):"; grep -v '^\[' "$tmp/app.log" | grep -v '^$' | head -40
  exit 1
}
[ -z "${DISPLAY:-}" ] || { echo "FAIL: DISPLAY is set ($DISPLAY): this test needs Wayland alone"; exit 1; }
[ -S "${XDG_RUNTIME_DIR:-}/${WAYLAND_DISPLAY:-none}" ] || { echo "FAIL: no Wayland compositor"; exit 1; }

tmp=$(mktemp -d)
app_pid=
trap 'kill $monitor_pid $app_pid 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/config"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config
# A sanitizer build refuses to start with the faked clock preloaded unless told it is fine.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
ini=$tmp/config/stillmark.INI
position='WinPosLTX=200
WinPosLTY=150
WinPosRBX=725
WinPosRBY=420'
printf '[Settings]\nStartHour=12:00\nEndHour=13:00\nStillpoints=2\nUseSound=0\nStartMinimized=1\n%s\n' "$position" >"$ini"

dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$tmp/monitor.log" 2>&1 &
monitor_pid=$!
sleep 0.3
# The preloaded library rather than the faketime wrapper: SIGTERM must reach the program itself.
WAYLAND_DEBUG=client LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
  FAKETIME='@2026-12-08 11:59:57' "$bin" >"$tmp/app.log" 2>&1 &
app_pid=$!

found=0
for _ in $(seq 200); do
  if grep -q 'It is 12:00' "$tmp/monitor.log"; then found=1; break; fi
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
  sleep 0.1
done
[ $found -eq 1 ] || fail "no break notification arrived"
sleep 0.5

# Really Wayland: GTK bound the compositor's globals, the program is connected to the
# compositor's socket and to no X server's.
grep -q 'wl_registry@[0-9]*\.bind([0-9]*, "wl_compositor"' "$tmp/app.log" || fail "GTK did not talk Wayland"
ss -xp >"$tmp/sockets.txt"
peers=$(awk -v pid="pid=$app_pid," 'index($0, pid) { print $8 }' "$tmp/sockets.txt")
paths=$(awk -v peers=" $(echo $peers) " 'index(peers, " " $6 " ") { print $5 }' "$tmp/sockets.txt")
echo "the program's sockets lead to: $(echo $paths)"
echo "$paths" | grep -q "/$WAYLAND_DISPLAY\$" || fail "no connection to the Wayland compositor"
if echo "$paths" | grep -q 'X11-unix'; then fail "the program talks to an X server"; fi

# The exact call: app name, summary, two-line body, and the service's own time-out.
call=$(python3 - "$tmp/monitor.log" <<'PY'
import re, sys
log = open(sys.argv[1]).read()
for call in log.split("member=Notify")[1:]:
    strings = re.findall(r'string "((?:[^"\\]|\\.)*)"', call, re.S)
    ints = re.findall(r'int32 (-?\d+)', call)
    if any("It is 12:00" in s for s in strings):
        print(repr(strings[:4]), ints[-1] if ints else "")
PY
)
echo "notification: $call"
case "$call" in
  "['Stillmark', "*", 'Stillmark', 'It is 12:00\\nStillmark time !'] -1") ;;
  *) fail "unexpected notification: $call" ;;
esac
count=$(grep -c 'It is 12:00' "$tmp/monitor.log")
[ "$count" -eq 1 ] || fail "expected one notification, saw $count"

kill -TERM "$app_pid"
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end on SIGTERM"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status on SIGTERM"
for line in 'StartHour=12:00' 'EndHour=13:00' 'Increment=30 min' 'Stillpoints=2' 'UseSound=0' 'StartMinimized=1' \
  'WinPosLTX=200' 'WinPosLTY=150'; do
  grep -qx "$line" "$ini" || { cat "$ini"; fail "settings file lacks $line after SIGTERM"; }
done
# The stored corner survives; the far corner follows the window's size, which follows the
# desktop's font.
right=$(sed -n 's/^WinPosRBX=//p' "$ini")
bottom=$(sed -n 's/^WinPosRBY=//p' "$ini")
[ "${right:-0}" -gt 200 ] && [ "${bottom:-0}" -gt 150 ] ||
  { cat "$ini"; fail "the stored far corner $right,$bottom does not lie beyond 200,150"; }
# GTK's complaints, for the log: without a seat (headless compositor) it reports a missing keyboard.
echo "GTK criticals and warnings:"
grep -E -- '-(CRITICAL|WARNING) \*\*' "$tmp/app.log" | sed 's/^.*\*\*: [0-9:.]*: /  /' | sort | uniq -c
echo "ok"

#!/usr/bin/env bash
# Starts the real program a few seconds before a moment, under a faked clock, once in the
# background and once with its window shown, and watches the break notification arrive on the
# session bus each time. Needs a display, a session bus and a notification daemon
# (scripts/with-desktop.sh provides them).
set -u
bin=$1
tmp=$(mktemp -d)
monitor_pid='' app_pid=''
trap 'kill $monitor_pid $app_pid 2>/dev/null; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp
# A sanitizer build refuses to start with the faked clock preloaded unless told it is fine.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
run_case() {
  printf '[Settings]\nStartHour=12:00\nEndHour=13:00\nStillpoints=2\nUseSound=0\nStartMinimized=%s\n' "$1" >"$tmp/stillmark.INI"

  dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$tmp/monitor.log" 2>&1 &
  monitor_pid=$!
  sleep 0.5
  # The preloaded library rather than the faketime wrapper: SIGTERM must reach the program itself, or
  # the program would outlive the test and hold the session's name.
  LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME='@2026-12-08 11:59:55' \
    "$bin" >"$tmp/app.log" 2>&1 &
  app_pid=$!

  found=0
  for _ in $(seq 200); do
    if grep -q 'It is 12:00' "$tmp/monitor.log"; then found=1; break; fi
    if ! kill -0 $app_pid 2>/dev/null; then break; fi
    sleep 0.1
  done
  sleep 0.5
  if [ $found -ne 1 ]; then
    echo "no break notification arrived"; echo "--- bus:"; cat "$tmp/monitor.log"; echo "--- program:"; cat "$tmp/app.log"
    return 1
  fi
  # The exact call: app name, summary, two-line body, and the service's own time-out.
  body=$(python3 - "$tmp/monitor.log" <<'PY'
import re, sys
log = open(sys.argv[1]).read()
calls = log.split("member=Notify")[1:]
for call in calls:
    strings = re.findall(r'string "((?:[^"\\]|\\.)*)"', call, re.S)
    ints = re.findall(r'int32 (-?\d+)', call)
    if any("It is 12:00" in s for s in strings):
        print(repr(strings[:4]), ints[-1] if ints else "")
PY
  )
  echo "notification: $body"
  count=$(grep -c 'It is 12:00' "$tmp/monitor.log")
  case "$body" in
    *"'Stillmark', 'It is 12:00\\nStillmark time !'"*" -1") ;;
    *) echo "unexpected notification: $body"; return 1 ;;
  esac
  [ "$count" -eq 1 ] || { echo "expected one notification, saw $count"; return 1; }
  kill -TERM $app_pid
  for _ in $(seq 50); do kill -0 $app_pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $app_pid 2>/dev/null; then echo "program did not end on SIGTERM"; return 1; fi
  grep -q '^StartHour=12:00' "$tmp/stillmark.INI" || { echo "settings not written on SIGTERM"; cat "$tmp/stillmark.INI"; return 1; }
}

# In the background (the icon shown), then with the window on screen (no icon).
for minimized in 1 0; do
  run_case $minimized || { echo "StartMinimized=$minimized failed"; exit 1; }
  kill $monitor_pid 2>/dev/null
  wait $monitor_pid 2>/dev/null
done
echo "ok"

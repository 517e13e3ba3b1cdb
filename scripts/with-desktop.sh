#!/usr/bin/env bash
# Runs a command inside a private desktop: a virtual X server, a session bus, a
# notification daemon, an X11 tray (XEmbed) and a StatusNotifierItem watcher with a host,
# as today's panels have. CI has none of these.
set -u
if [ -z "${STILLMARK_IN_DESKTOP:-}" ]; then
  export STILLMARK_IN_DESKTOP=1
  exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

export NO_AT_BRIDGE=1 GDK_BACKEND=x11
logdir=$(mktemp -d)
pids=()
# Whatever ends this script (the command, a failure, a signal), the daemons go with it.
cleanup() {
  [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$logdir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
dunst >"$logdir/dunst.log" 2>&1 &
pids+=($!)
trayer --edge top --align right --width 10 --height 24 >"$logdir/trayer.log" 2>&1 &
pids+=($!)
here=$(cd "$(dirname "$0")" && pwd)
# The system interpreter: it is the one with GLib's bindings (python3-gi).
/usr/bin/python3 "$here/../tests/ui/tray/desktop/status_notifier_watcher.py" >"$logdir/watcher.log" 2>&1 &
pids+=($!)

# Wait (up to 5 s each) until the notification daemon and the watcher own their bus names; a
# desktop without them would fail tests for reasons of its own, so it fails here, loudly.
for name in org.freedesktop.Notifications org.kde.StatusNotifierWatcher; do
  owned=
  for _ in $(seq 50); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:$name 2>/dev/null | grep -q true; then
      owned=1
      break
    fi
    sleep 0.1
  done
  if [ -z "$owned" ]; then
    echo "with-desktop: nothing owns $name after 5 s; the daemons said:" >&2
    tail -n 20 "$logdir"/*.log >&2
    exit 1
  fi
done
sleep 0.3

"$@"
exit $?

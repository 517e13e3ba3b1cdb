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
dunst >"$logdir/dunst.log" 2>&1 &
dunst_pid=$!
trayer --edge top --align right --width 10 --height 24 >"$logdir/trayer.log" 2>&1 &
trayer_pid=$!
here=$(cd "$(dirname "$0")" && pwd)
# The system interpreter: it is the one with GLib's bindings (python3-gi).
/usr/bin/python3 "$here/../tests/ui/tray/desktop/status_notifier_watcher.py" >"$logdir/watcher.log" 2>&1 &
watcher_pid=$!

# Wait (up to 5 s each) until the notification daemon and the watcher own their bus names.
for name in org.freedesktop.Notifications org.kde.StatusNotifierWatcher; do
  for _ in $(seq 50); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:$name 2>/dev/null | grep -q true; then
      break
    fi
    sleep 0.1
  done
done
sleep 0.3

"$@"
rc=$?
kill "$dunst_pid" "$trayer_pid" "$watcher_pid" 2>/dev/null
wait 2>/dev/null
rm -rf "$logdir"
exit $rc

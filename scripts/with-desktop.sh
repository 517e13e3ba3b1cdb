#!/usr/bin/env bash
# Runs a command inside a private desktop: a virtual X server, a session bus, a
# notification daemon and a notification-area host. CI has none of these.
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

# Wait (up to 5 s) until the notification daemon owns its bus name.
for _ in $(seq 50); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null | grep -q true; then
    break
  fi
  sleep 0.1
done
sleep 0.3

"$@"
rc=$?
kill "$dunst_pid" "$trayer_pid" 2>/dev/null
wait 2>/dev/null
rm -rf "$logdir"
exit $rc

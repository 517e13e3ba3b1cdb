#!/usr/bin/env bash
# Runs a command inside a private Wayland desktop: weston, a session bus of its own and a
# notification daemon. The command sees Wayland only (no DISPLAY). Works on its own and from
# inside scripts/with-desktop.sh: what that one set for X11 is dropped here.
#   STILLMARK_WAYLAND_SIZE=WxH  size of the output (default 1280x1024)
#   STILLMARK_WAYLAND_INPUT=1   give the desktop a keyboard and pointer: weston then shows its
#                               output in a private X server instead of headless, and exports
#                               STILLMARK_WAYLAND_INPUT_DISPLAY for `DISPLAY=... xdotool` (keys
#                               and clicks reach the focused Wayland window through weston).
#                               Without it there is no seat and GTK reports a missing keyboard.
# Screenshots: `weston-screenshooter` (writes wayland-screenshot-*.png to the current folder).
set -u
if [ -z "${STILLMARK_WAYLAND_ON_OWN_BUS:-}" ]; then
  export STILLMARK_WAYLAND_ON_OWN_BUS=1
  # A bus of its own: the X11 desktop's daemons must not answer for this one.
  unset DBUS_SESSION_BUS_ADDRESS
  exec dbus-run-session -- "$0" "$@"
fi
if [ -z "${STILLMARK_WAYLAND_REAPER:-}" ]; then
  # This script adopts what weston's clients leave behind (weston restarts its panel when it
  # ends and does not wait for it when it ends itself); nothing else here reaps orphans.
  export STILLMARK_WAYLAND_REAPER=1
  exec python3 -c 'import ctypes, os, sys
ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
os.execv("/bin/bash", ["bash"] + sys.argv[1:])' "$0" "$@"
fi
unset STILLMARK_WAYLAND_ON_OWN_BUS STILLMARK_WAYLAND_REAPER # a call from the command gets a desktop of its own

for tool in weston Xvfb dunst dbus-send; do
  command -v "$tool" >/dev/null || { echo "with-wayland: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

unset DISPLAY XAUTHORITY STILLMARK_IN_DESKTOP
runtime=$(mktemp -d) # mode 0700, as the Wayland socket's folder must be
chmod 0700 "$runtime"
size=${STILLMARK_WAYLAND_SIZE:-1280x1024}

stop() {
  [ -n "${dunst_pid:-}" ] && kill "$dunst_pid" 2>/dev/null
  [ -n "${weston_pid:-}" ] && kill "$weston_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  # Adopted clients of weston end when their connection does: give them a moment to be reaped.
  for _ in $(seq 20); do
    ps -o comm= --ppid $$ | grep -q weston || break
    sleep 0.05
  done
  rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 143' TERM INT

# A private X server that the command never sees: dunst draws only through wlr-layer-shell,
# which weston lacks, or on X11; with input wanted, weston shows its output there too.
Xvfb -displayfd 3 -nolisten tcp -screen 0 "${size}x24" 3>"$runtime/xvfb.display" >"$runtime/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$runtime/xvfb.display" ] && break
  sleep 0.1
done
[ -s "$runtime/xvfb.display" ] || { echo "with-wayland: Xvfb did not start" >&2; cat "$runtime/xvfb.log" >&2; exit 1; }
helper_display=:$(cat "$runtime/xvfb.display")

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-stillmark
# A shell with a panel so that screenshots look like a desktop; no lock screen after idling.
# --debug lets weston-screenshooter take screenshots; the pixman renderer gives them pixels.
printf '[core]\nidle-time=0\n[input-method]\npath=\n[shell]\nlocking=false\nanimation=none\nstartup-animation=none\n' >"$runtime/weston.ini"
backend=(--backend=headless-backend.so)
if [ -n "${STILLMARK_WAYLAND_INPUT:-}" ]; then
  backend=(--backend=x11-backend.so)
  export STILLMARK_WAYLAND_INPUT_DISPLAY=$helper_display
fi
DISPLAY=$helper_display weston "${backend[@]}" --socket="$WAYLAND_DISPLAY" --use-pixman --debug \
  --width="${size%x*}" --height="${size#*x}" --config="$runtime/weston.ini" --idle-time=0 \
  --log="$runtime/weston.log" >/dev/null 2>&1 &
weston_pid=$!

# Wait (up to 5 s) for the compositor's socket.
for _ in $(seq 50); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$WAYLAND_DISPLAY" ]; then
  echo "with-wayland: weston did not start" >&2
  cat "$runtime/weston.log" >&2 2>/dev/null
  exit 1
fi

env -u WAYLAND_DISPLAY DISPLAY="$helper_display" dunst >"$runtime/dunst.log" 2>&1 &
dunst_pid=$!
# Wait (up to 5 s) until the notification daemon owns its bus name.
for _ in $(seq 50); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null | grep -q true; then
    break
  fi
  kill -0 "$dunst_pid" 2>/dev/null || { echo "with-wayland: dunst did not start" >&2; cat "$runtime/dunst.log" >&2; exit 1; }
  sleep 0.1
done

# Tests that take the display away from a program stop the compositor by this.
export STILLMARK_WAYLAND_COMPOSITOR_PID=$weston_pid
export GDK_BACKEND=wayland NO_AT_BRIDGE=1
# Qt and SDL programs started by the command should not look for X either.
export QT_QPA_PLATFORM=wayland SDL_VIDEODRIVER=wayland
"$@"
rc=$?
exit $rc

#!/usr/bin/env bash
# Inside the private desktop (scripts/with-desktop.sh): starts the installed program the way the menu
# does (the desktop entry's Exec line), with a settings folder of its own, waits for its window, checks
# the folder the program resolved for its data files, and ends it as a session would (SIGTERM).
#
#   start_from_menu.sh <desktop entry> <expected program folder>
set -u
entry=$1 folder=$2
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"

exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[fFuUik]//g')
[ -n "$exec_line" ] || fail "no Exec line in $entry"
# strace shows where the program itself looked for its executable's folder.
tracer=()
if command -v strace >/dev/null 2>&1; then tracer=(strace -f -qq -e trace=readlink,readlinkat -o "$work/trace"); fi
"${tracer[@]}" sh -c "exec $exec_line" >"$work/out.log" 2>&1 &
launcher=$!

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Stillmark$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { cat "$work/out.log"; kill "$launcher" 2>/dev/null; fail "no Stillmark window within 20 s of '$exec_line'"; }
pid=$(xdotool getwindowpid "$window")
exe=$(readlink "/proc/$pid/exe")
[ "$exe" = "$folder/stillmark" ] || fail "the running program is $exe, not $folder/stillmark"
if [ ${#tracer[@]} -gt 0 ]; then
  grep -q "\"/proc/self/exe\", \"$folder/stillmark\"" "$work/trace" ||
    fail "the program did not resolve its own folder to $folder"
  resolved="the program resolved its folder to $folder (strace)"
else
  resolved="the program runs as $exe (strace missing: its own lookup not traced)"
fi
for f in Welcome.wma ThankYou.html libstillmark_webview.so; do
  [ -f "$folder/$f" ] || fail "$f is not in $folder"
done

kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fail "the program did not end on SIGTERM"; fi
wait "$launcher" 2>/dev/null
[ -f "$XDG_CONFIG_HOME/stillmark.INI" ] || fail "the program ended without writing its settings"
echo "ok: '$exec_line' from the menu entry shows the window; $resolved, which holds its data files;" \
     "it ended on SIGTERM and wrote its settings into its own XDG_CONFIG_HOME"

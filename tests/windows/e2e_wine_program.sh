#!/usr/bin/env bash
# The real stillmark.exe under Wine (run inside scripts/with-wine.sh, which gives the display and a
# private prefix): the window maps, a second start exits 0, ending writes the INI file into %APPDATA%,
# a moment due a few seconds ahead gives the balloon "It is HH:MM / Stillmark time !" in the taskbar's
# notification area, a second start brings the window of the copy in the background back, and the tray
# menu's Exit ends it with status 0. SHOTS=folder keeps the screenshots there.
set -u
exe=$1
shots=${SHOTS:-}
tmp=$(mktemp -d)
app_pid=''
cleanup() {
  # Only the program this test started, and only if it is still there.
  [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null && { wine taskkill /f /im stillmark.exe >/dev/null 2>&1; kill "$app_pid" 2>/dev/null; }
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- program:"; cat "$tmp/app.log" 2>/dev/null; exit 1; }
pixel() { convert "$tmp/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | awk '{print $3}'; }
shot() { import -window root "$tmp/$1.png" && [ -n "$shots" ] && mkdir -p "$shots" && cp "$tmp/$1.png" "$shots/"; }

# Wine's virtual desktop with a taskbar: its tray shows balloons whole.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")
[ -d "$appdata" ] || fail "no %APPDATA% folder ($appdata)"
ini="$appdata/Stillmark/stillmark.INI"
rm -f "$ini"

# Wine's taskbar (started with the first program) draws a balloon with a tooltip control, whose trace
# tells the texts it shows; all output goes to one file, which the taskbar keeps open.
export WINEDEBUG=-all,trace+tooltips
start() { wine "$exe" >>"$tmp/app.log" 2>&1 & app_pid=$!; }
# Asks the program to end as the system does (a close message to its windows); true when it ended with 0.
end() {
  wine taskkill /im stillmark.exe >/dev/null 2>&1
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && return 1
  wait "$app_pid"; local status=$?; app_pid=''
  return $status
}
# The window, centred on Wine's desktop, covers the desktop's colour there: shows it within 20 s.
wait_for_window() {
  for _ in $(seq 40); do
    sleep 0.5
    shot "$1"
    [ "$(pixel "$1" 512 384)" != "$(pixel "$1" 5 5)" ] && return 0
    kill -0 "$app_pid" 2>/dev/null || return 1
  done
  return 1
}
wait_for() { # text, tenths of a second
  for _ in $(seq "$2"); do grep -qF "$1" "$tmp/app.log" && return 0; kill -0 "$app_pid" 2>/dev/null || return 1; sleep 0.1; done
  return 1
}

# 1. A first start: the window maps, a second start exits 0, the end writes the settings.
start
wait_for_window main-window || fail "the main window did not map"
wine "$exe" >/dev/null 2>&1 || fail "a second start exited with $?"
kill -0 "$app_pid" 2>/dev/null || fail "the first copy ended on a second start"
end || fail "the program did not end with status 0 when asked"
[ -f "$ini" ] || fail "no settings file in %APPDATA%\\Stillmark"
grep -q '^StartHour=07:00' "$ini" || fail "settings file without its keys: $(cat "$ini")"

# 2. A moment due a few seconds ahead, in the background: the balloon with the exact texts.
now=$(date +%s)
at=$(((now / 60 + 1) * 60))
[ $((at - now)) -lt 8 ] && at=$((at + 60)) # time to start first
moment=$(date -d "@$at" +%H:%M)
[ "$moment" = 00:00 ] && { echo "skipped: the moment would fall on a new day"; exit 0; }
printf '[Settings]\r\nStartHour=%s\r\nEndHour=%s\r\nStillpoints=2\r\nUseSound=0\r\nStartMinimized=1\r\n' \
  "$moment" "$(date -d "@$((at + 60))" +%H:%M)" >"$ini"
start
wait_for "add text L\"It is $moment\\nStillmark time !\"" $(((at - now + 15) * 10)) ||
  fail "no balloon \"It is $moment\" within 15 s of the moment"
# Wine's tray shows a balloon about 3 s after it was asked for.
sleep 3.5
shot balloon
[ "$(pixel balloon 512 384)" = "$(pixel balloon 5 5)" ] || fail "the window shows in the background"

# 3. A second start brings the first copy's window back, and exits 0.
wine "$exe" >/dev/null 2>&1 || fail "a second start in the background exited with $?"
wait_for_window brought-back || fail "a second start did not bring the window back"
end || fail "the program with its window back did not end with status 0 when asked"

# 4. In the background again, the tray menu's Exit ends it with 0. The icon sits at the taskbar's right
# end, the menu opens above it, Exit its last entry (positions for Wine's 1024x768 desktop and font).
start
sleep 6
xdotool mousemove 1013 757 click 3
sleep 1.5
# Through the entry above, so the icon's tip goes away first.
xdotool mousemove 934 718
sleep 0.5
xdotool mousemove 934 735
sleep 0.5
shot tray-menu
xdotool click 1
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the tray menu's Exit did not end the program"
wait "$app_pid" || fail "the tray menu's Exit ended the program with $?"
app_pid=''

# 5. Windows' display language picks the catalog: Wine takes it from the Unix locale variables. The
# icon's tip is the first translated text Wine's tray shows.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 start
wait_for 'Heute keine Stillmarks mehr' 150 || wait_for 'Heute kein Stillmark' 10 || wait_for 'chster Stillmark um' 10 ||
  fail "no German tip on the tray icon with a German display language"
end || fail "the German program did not end with status 0 when asked"

# 6. The session ends (Wine sends the end-session messages to every window): the settings are written
# and the program ends with 0, whatever was unsaved.
rm -f "$ini"
start
wait_for_window session-end || fail "the main window did not map before the session's end"
wineboot --end-session >/dev/null 2>&1 &
for _ in $(seq 20); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program was still running two seconds after the session's end"
wait "$app_pid" || fail "the session's end ended the program with $?"
app_pid=''
[ -f "$ini" ] || fail "the session's end did not write the settings"
echo "ok: window, second start, settings in %APPDATA%, balloon at $moment, window brought back, tray Exit," \
  "German, session end"

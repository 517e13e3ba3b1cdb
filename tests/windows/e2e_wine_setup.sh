#!/usr/bin/env bash
# The Windows setup under Wine (run inside scripts/with-wine.sh, which gives the display and a private
# prefix): a silent install puts the program, the build's catalogs, the Start-menu shortcut and the
# uninstall entry in place for this user, keeping the settings and the Run value there before; the
# installed program starts; while it runs the uninstaller leaves everything alone; once it has ended,
# a silent uninstall removes all of it and the Run value, and keeps the user's settings.
#   e2e_wine_setup.sh Stillmark-1.2-setup.exe 1.2 build-windows/locale
set -u
setup=$1
version=$2
built_catalogs=$3
app_pid=''
cleanup() {
  # Only the program this test started, and only if it is still there.
  [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null && { wine taskkill /f /im stillmark.exe >/dev/null 2>&1; kill "$app_pid" 2>/dev/null; }
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$setup" ] || fail "no setup $setup (cmake --build <build> --target windows_installer)"

windows_path() { wine cmd /c echo "$1" 2>/dev/null | tr -d '\r"'; }
unix_path() { winepath -u "$1" 2>/dev/null; }
# A value of a registry key as "reg query" prints it ("0x1" for a number), empty when it is missing.
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_[A-Z_]\+ \+//p"; }
reg_has() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }
# Polls a condition (a shell command) for up to $1 tenths of a second.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do eval "$*" && return 0; sleep 0.1; done
  return 1
}

install_dir=$(windows_path '%LOCALAPPDATA%\Programs\Stillmark')
dir=$(unix_path "$install_dir")
exe="$dir/stillmark.exe"
shortcut=$(unix_path "$(windows_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Stillmark.lnk')")
ini=$(unix_path "$(windows_path '%APPDATA%\Stillmark\stillmark.INI')")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Stillmark'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
[ -n "$dir" ] && [ -n "$ini" ] || fail "no %LOCALAPPDATA% or %APPDATA% in this prefix"

# The user's settings and "Start with Windows" from before; in the background, no sound.
mkdir -p "$(dirname "$ini")"
printf '[Settings]\r\nStartHour=06:30\r\nStartMinimized=1\r\nUseSound=0\r\n' >"$ini"
start_with_windows() { wine reg add "$run_key" /v Stillmark /d "\"$install_dir\\stillmark.exe\"" /f >/dev/null 2>&1; }
start_with_windows

# 1. A silent install.
start_ms=$(date +%s%3N)
wine "$setup" /S || fail "setup /S exited with $?"
install_ms=$(($(date +%s%3N) - start_ms))
[ -f "$exe" ] || fail "no $exe"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
# The catalogs, exactly the build's.
catalogs=0
if [ -d "$built_catalogs" ]; then
  diff -r "$built_catalogs" "$dir/locale" >/dev/null || fail "the installed catalogs differ from $built_catalogs"
  catalogs=$(find "$dir/locale" -name stillmark.mo | wc -l)
else
  [ ! -e "$dir/locale" ] || fail "catalogs installed that the build has not made"
fi
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
# The link holds the program's path (in the system's 8-bit code page).
grep -aqiF "$install_dir\\stillmark.exe" "$shortcut" || fail "the shortcut does not point at $install_dir\\stillmark.exe"
reg_has "$run_key" Stillmark || fail "the setup removed the Run value"

# The uninstall entry, value by value.
while IFS='|' read -r name expected; do
  actual=$(reg_value "$uninstall_key" "$name")
  [ "$actual" = "$expected" ] || fail "$uninstall_key $name: '$actual', expected '$expected'"
done <<EOF
DisplayName|Stillmark
DisplayVersion|$version
Publisher|The Stillmark developers
DisplayIcon|$install_dir\\stillmark.exe
InstallLocation|$install_dir
UninstallString|"$install_dir\\uninstall.exe"
QuietUninstallString|"$install_dir\\uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
EOF
# The list of programs shows the size in KB: what the folder holds (rounding per file allowed).
size_kb=$(($(reg_value "$uninstall_key" EstimatedSize)))
files=$(find "$dir" -type f | wc -l)
bytes=$(find "$dir" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
[ $((size_kb - bytes / 1024)) -ge $((-files)) ] && [ $((size_kb - bytes / 1024)) -le "$files" ] ||
  fail "EstimatedSize $size_kb KB, the folder holds $((bytes / 1024)) KB"

# 2. The installed program starts (in the background), and a second start finds it running.
wine "$exe" >/dev/null 2>&1 &
app_pid=$!
sleep 4
kill -0 "$app_pid" 2>/dev/null || fail "the installed program ended at once"
wine "$exe" >/dev/null 2>&1 || fail "a second start of the installed program exited with $?"
kill -0 "$app_pid" 2>/dev/null || fail "the installed program ended on a second start"

# 3. While it runs, the uninstaller (here in place, so it waits and tells its exit code) gives up.
wine "$dir/uninstall.exe" /S "_?=$install_dir"
status=$?
[ "$status" -ne 0 ] || fail "the uninstaller ran while the program was running"
[ -f "$exe" ] && [ -f "$shortcut" ] && reg_has "$uninstall_key" DisplayName ||
  fail "the uninstaller removed pieces while the program was running"

# The program ends as when the system asks it to.
wine taskkill /im stillmark.exe >/dev/null 2>&1
wait_until 100 '! kill -0 "$app_pid" 2>/dev/null' || fail "the installed program did not end when asked"
app_pid=''
grep -q '^StartHour=06:30' "$ini" || fail "the program lost the settings: $(cat "$ini")"
# The program may have synchronised the Run value with its settings: the user's choice from before.
start_with_windows

# 4. A silent uninstall: it copies itself away and returns at once, the copy does the work.
wine "$dir/uninstall.exe" /S || fail "uninstall.exe /S exited with $?"
wait_until 100 '[ ! -e "$dir" ] && [ ! -e "$shortcut" ] && ! reg_has "$uninstall_key" DisplayName' || {
  left="$(ls -A "$dir" 2>/dev/null | tr '\n' ' ')"
  [ -e "$shortcut" ] && left+="the shortcut "
  reg_has "$uninstall_key" DisplayName && left+="the uninstall entry"
  fail "left after uninstalling: $left"
}
reg_has "$run_key" Stillmark && fail "the Run value Stillmark is left"
[ -f "$ini" ] || fail "the uninstaller removed the settings"
grep -q '^StartHour=06:30' "$ini" || fail "the uninstaller changed the settings: $(cat "$ini")"

echo "ok: setup /S in ${install_ms} ms: program, $catalogs catalogs, shortcut, uninstall entry ($size_kb KB); program starts; uninstaller waits for it; uninstall removes all and the Run value, keeps the settings"

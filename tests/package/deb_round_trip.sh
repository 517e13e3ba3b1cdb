#!/usr/bin/env bash
# The whole life of the package on this machine: apt-get installs <build dir>/stillmark_*.deb with its
# dependencies, the installed program starts from its menu entry and finds its data files, autopkgtest
# runs the package's own tests (debian/tests) against it, then apt-get remove and purge take away every
# file the package installed. The user's settings file is compared before and after: the package never
# touches it. Needs root or sudo; "make deb-check" runs it.
# It changes the system (the dependencies apt-get pulls in stay installed), so CI does not run it.
#
#   deb_round_trip.sh <build dir>
set -u
src=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

deb=$(ls "$build"/stillmark_*_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no stillmark_*.deb in $build: run make deb first"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  fail "installing a package needs root or sudo"
fi
status() { dpkg-query -W -f='${Status}' stillmark 2>/dev/null || true; }
case "$(status)" in
  *" installed") fail "stillmark is installed already: remove it first, this check installs and removes its own build" ;;
esac

# The user's settings (of whoever runs this, and of the user behind sudo): their fingerprint before.
homes=("$HOME")
[ -n "${SUDO_USER:-}" ] && homes+=("$(getent passwd "$SUDO_USER" | cut -d: -f6)")
fingerprint() {
  for h in "${homes[@]}"; do
    for f in "$h/.config/stillmark.INI" "${XDG_CONFIG_HOME:-$h/.config}/stillmark.INI"; do
      if [ -e "$f" ]; then echo "$f $(stat -c '%s %Y' "$f") $(sha256sum <"$f")"; else echo "$f absent"; fi
    done
  done | sort -u
}
settings_before=$(fingerprint)

work=$(mktemp -d)
trap '"${as_root[@]}" rm -rf "$work"' EXIT
export DEBIAN_FRONTEND=noninteractive

# --- Install ------------------------------------------------------------------------------------------
"${as_root[@]}" apt-get install -y -q "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install $deb"; }
[ "$(status)" = "install ok installed" ] || fail "stillmark is not installed after apt-get install ($(status))"
ok "apt-get install $(basename "$deb"): $(grep -Eo '[0-9]+ newly installed' "$work/install.log" || echo 'installed')"

dpkg -L stillmark >"$work/files" || fail "dpkg -L stillmark"
[ "$(command -v stillmark)" = /usr/bin/stillmark ] || fail "stillmark on the PATH is $(command -v stillmark)"
[ "$(readlink -f /usr/bin/stillmark)" = /usr/lib/stillmark/stillmark ] || fail "/usr/bin/stillmark points elsewhere"
for binary in /usr/lib/stillmark/stillmark /usr/lib/stillmark/libstillmark_webview.so; do
  missing=$(ldd "$binary" | grep 'not found')
  [ -z "$missing" ] || fail "$binary lacks libraries after the install: $missing"
done
man -w stillmark >/dev/null 2>&1 || fail "man stillmark finds no page"
ok "stillmark is /usr/bin/stillmark -> /usr/lib/stillmark/stillmark, every library found, man page found"

entry=/usr/share/applications/org.stillmark.Stillmark.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
env -u XDG_CONFIG_HOME "$src/scripts/with-desktop.sh" "$src/tests/package/start_from_menu.sh" "$entry" /usr/lib/stillmark ||
  fail "the installed program did not start from its menu entry"

# The package's own tests as a distribution runs them: autopkgtest on this machine ("null"), against the
# installed package (-B: nothing built from the source), from a clean copy of the source tree.
"$src/scripts/copy-source.sh" "$work/source"
"${as_root[@]}" autopkgtest --no-built-binaries --output-dir "$work/autopkgtest" "$work/source" -- null \
  >"$work/autopkgtest.log" 2>&1 || { cat "$work/autopkgtest.log"; fail "autopkgtest of the installed package"; }
ok "autopkgtest of the installed package: $(awk '{ printf "%s %s; ", $1, $2 }' "$work/autopkgtest/summary")"

# --- Remove and purge ---------------------------------------------------------------------------------
"${as_root[@]}" apt-get remove -y -q stillmark >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt-get remove"; }
case "$(status)" in *" installed") fail "stillmark is still installed after apt-get remove" ;; esac
# Every file and link of the package is gone; each folder it listed is gone or belongs to another package
# (or holds files of others).
left=()
while IFS= read -r p; do
  [ "$p" = /. ] && continue
  if [ -L "$p" ] || [ -f "$p" ]; then
    left+=("$p")
  elif [ -d "$p" ] && [ -z "$(ls -A "$p")" ] && ! dpkg -S "$p" >/dev/null 2>&1; then
    left+=("$p/ (empty)")
  fi
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "apt-get remove left files of the package behind: ${left[*]}"
[ ! -e /usr/lib/stillmark ] || fail "/usr/lib/stillmark is still there"
ok "apt-get remove: none of the $(grep -c . "$work/files") paths dpkg -L listed is left (folders only where other packages use them)"

# With no configuration files, remove already forgets the package: apt-get would not know what to purge.
if [ "$(status)" = "deinstall ok config-files" ]; then
  "${as_root[@]}" apt-get purge -y -q stillmark >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
  purged="apt-get purge"
else
  purged="apt-get remove left no configuration files, nothing to purge"
fi
case "$(status)" in "" | "unknown ok not-installed" | "purge ok not-installed") ;; *) fail "after purge: $(status)" ;; esac
ok "$purged: dpkg knows nothing of stillmark any more"

settings_after=$(fingerprint)
[ "$settings_before" = "$settings_after" ] || fail "the user's settings changed: before [$settings_before] after [$settings_after]"
ok "the user's settings file is as it was: $(tr '\n' ';' <<<"$settings_after" | cut -c1-200)"
echo "round trip ok (the dependencies apt-get installed stay; apt-get autoremove takes them away)"

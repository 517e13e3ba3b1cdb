#!/usr/bin/env bash
# Installs the system packages Stillmark needs to build, run and test.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config libwxgtk3.2-dev libwxgtk-webview3.2-dev wx-common
  libgtk-3-dev libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev libgtest-dev
  # audio at run time
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav
  # display, notification and test tools
  xvfb xauth dbus dbus-x11 dunst libnotify-bin xdotool imagemagick faketime ffmpeg trayer
  xdg-utils fonts-dejavu-core desktop-file-utils appstream clang libclang-rt-14-dev python3
)
if [ "${STILLMARK_EXTRA_PACKAGES:-}" ]; then
  read -r -a extra <<<"$STILLMARK_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo)
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
  as_root=(sudo)
else
  echo "install-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-deps: run as root or with sudo to install them, or install them yourself." >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

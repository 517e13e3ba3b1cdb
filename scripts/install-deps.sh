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
  xdg-utils fonts-dejavu-core desktop-file-utils appstream clang clang-format python3 x11-utils
  # the icon on the session bus (StatusNotifierItem, its menu) and notifications
  libglib2.0-dev libdbusmenu-glib-dev libwayland-dev
  # the test desktop's StatusNotifierItem watcher
  python3-gi gir1.2-glib-2.0
  # Wayland desktop for tests; ss (iproute2) shows which display a program talks to
  weston iproute2
  # translations: the catalogs' tools, and the German desktop of the translation test
  gettext locales
  # what a screen reader reads (the accessibility bus and its Python client)
  at-spi2-core python3-pyatspi
)
if [ "${STILLMARK_EXTRA_PACKAGES:-}" ]; then
  read -r -a extra <<<"$STILLMARK_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

is_installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}

# The fuzzers need clang's runtime of the clang version the distribution ships.
clang_runtime() {
  local version
  version=$(apt-cache depends clang 2>/dev/null | sed -n 's/.*Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
  [ -n "$version" ] && echo "libclang-rt-$version-dev"
}

missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done
runtime=$(clang_runtime || true)
if [ -n "$runtime" ] && ! is_installed "$runtime"; then
  missing+=("$runtime")
fi
# The translation test runs the program on a German desktop: its locale must be generated.
has_test_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'
}
[ ${#missing[@]} -eq 0 ] && has_test_locale && exit 0

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

export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! has_test_locale; then
  echo "install-deps: generating the de_DE.UTF-8 locale"
  "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen
fi

# Only now, with the package lists fresh, is clang's version known on a new machine.
runtime=$(clang_runtime || true)
if [ -n "$runtime" ] && ! is_installed "$runtime"; then
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "$runtime"
fi

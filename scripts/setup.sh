#!/usr/bin/env bash
# Installs every Debian 12 package the build, the application and the tests need.
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libpulse-dev libplist-dev nlohmann-json3-dev libgl-dev
  # the pairing animation of the Bluetooth guide
  librlottie-dev
  # the desktop's microphone decision: GNOME's privacy switch (GSettings) and the portal's
  # permission store (GDBus)
  libglib2.0-dev gsettings-desktop-schemas
  # QR codes of the phone-app store addresses, made at build time
  qrencode
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pulseaudio pulseaudio-utils
  # the same real-server tests against PipeWire's pulse server
  pipewire pipewire-pulse wireplumber
  # the reply fuzzer (-DLUMATIX_BUILD_FUZZ=ON): clang with its libFuzzer runtime
  clang libclang-rt-14-dev
  # installing: PNG icons rendered from the SVG at build time, the Debian package
  # (dpkg-shlibdeps and file compute its dependencies), and the checks of the installed files
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian man-db
  # running the application
  qt6-qpa-plugins libqt6svg6 xvfb xauth dbus fonts-dejavu-core fonts-droid-fallback
  # the window tests under real display servers: a headless Weston compositor with Qt's
  # Wayland platform, and Xvfb with openbox (xprop tells when it is up)
  weston qt6-wayland openbox x11-utils
  # the first-run walk without a display (scripts/demo; it also runs xvfb, dbus and pulseaudio):
  # clicks, screenshots, the web services' stand-in
  xdotool imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

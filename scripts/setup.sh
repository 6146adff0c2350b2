#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the application and the tests need.
#   setup.sh [--all]   everything: building, running, every test, the fuzzer and the demo
#   setup.sh --run     building and running the application on a desktop (no sound server,
#                      no test tools: the desktop has its own)
#   setup.sh --demo    --run plus the sandboxed first-run walk for a machine without a display
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail

# Building the application and the package.
build=(
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
  # PNG icons rendered from the SVG at build time; the Debian package (dpkg-shlibdeps and file
  # compute its dependencies)
  librsvg2-bin dpkg-dev file
)
# Running it: Qt's platform plugins, SVG, fonts for every language.
run=(
  qt6-qpa-plugins libqt6svg6 fonts-dejavu-core fonts-droid-fallback
)
# The first-run walk without a display (scripts/demo): a private X server, session bus and
# sound server, clicks, screenshots, the web services' stand-in.
demo=(
  xvfb xauth dbus pulseaudio pulseaudio-utils xdotool imagemagick python3
)
# Tests, benchmarks, the fuzzers and the checks of the installed files.
tests=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pulseaudio pulseaudio-utils
  # the same real-server tests against PipeWire's pulse server
  pipewire pipewire-pulse wireplumber
  # the fuzzers (-DLUMATIX_BUILD_FUZZ=ON): clang with its libFuzzer runtime
  clang libclang-rt-14-dev
  # the checks of the installed files and of the package
  desktop-file-utils appstream lintian man-db
  # the window tests under real display servers: a headless Weston compositor with Qt's
  # Wayland platform, and Xvfb with openbox (xprop tells when it is up)
  xvfb xauth dbus weston qt6-wayland openbox x11-utils
)

case "${1:---all}" in
  --run) packages=("${build[@]}" "${run[@]}") ;;
  --demo) packages=("${build[@]}" "${run[@]}" "${demo[@]}") ;;
  --all) packages=("${build[@]}" "${run[@]}" "${demo[@]}" "${tests[@]}") ;;
  *)
    echo "usage: $0 [--all|--run|--demo]" >&2
    exit 2
    ;;
esac

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
# Each name once, for a shorter line.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
# sudo drops the caller's environment, so the variable goes through env.
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
  --no-install-recommends "${missing[@]}"

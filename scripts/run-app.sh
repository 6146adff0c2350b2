#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds the application and starts it.
# Extra arguments go to the application (for example --list-devices).
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY) and without arguments, it walks the
# application's first run in a sandbox of its own instead (scripts/demo/walk.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-app: no display; showing the application on a private one instead"
  bash "$root/scripts/setup.sh" --demo
  exec bash "$root/scripts/demo/walk.sh"
fi
# A desktop has its own sound server and display: only what builds and runs the application.
bash "$root/scripts/setup.sh" --run
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build/release"
exec "$root/build/release/bin/lumatix-connection-assistant" "$@"

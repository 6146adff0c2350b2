#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds the application and starts it.
# Extra arguments go to the application (for example --list-devices).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build/release"
exec "$root/build/release/bin/lumatix-connection-assistant" "$@"

#!/usr/bin/env bash
# Runs a command against a real display server of its own, started here and stopped after:
#   with-display.sh wayland|xcb COMMAND [ARGUMENTS...]
# wayland: a headless Weston compositor; xcb: Xvfb with the openbox window manager.
set -euo pipefail
platform=$1
shift
runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
stop() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$runtime"
}
trap stop EXIT

wait_for() {
  local what=$1 check=$2
  for _ in $(seq 100); do
    if eval "$check"; then return 0; fi
    sleep 0.1
  done
  echo "with-display: $what did not come up" >&2
  exit 1
}

case "$platform" in
  wayland)
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman \
      --width=1920 --height=1080 --socket=display --shell=desktop-shell.so --idle-time=0 \
      >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    wait_for Weston '[ -S "$runtime/display" ]'
    # A path, so that a test that moves its runtime folder still finds the compositor.
    export WAYLAND_DISPLAY=$runtime/display
    unset DISPLAY
    export QT_QPA_PLATFORM=wayland
    ;;
  xcb)
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
    pids+=($!)
    read -r -t 10 number <&"$displayfd" || { echo "with-display: Xvfb did not come up" >&2; exit 1; }
    export DISPLAY=:$number
    unset WAYLAND_DISPLAY
    openbox --sm-disable >"$runtime/openbox.log" 2>&1 &
    pids+=($!)
    wait_for openbox 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window'
    export QT_QPA_PLATFORM=xcb
    ;;
  *)
    echo "with-display: unknown platform $platform (wayland or xcb)" >&2
    exit 2
    ;;
esac

"$@"

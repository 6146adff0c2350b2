# shellcheck shell=bash disable=SC2154 # walk.sh sets run, runtime, demo_dir, port, release_update
# Sourced by walk.sh: the demo's private servers and the bookkeeping that stops them.
#
# Everything lives in $run (the sandbox folder: home, logs, screenshots) and $runtime (a short
# /tmp folder for sockets, which have a length limit). Every process started is recorded by
# its id and stopped by stop_started, which walk.sh runs on exit.

started_pids=()
started_names=()

say() {
  echo "demo: $*"
}

fail() {
  echo "demo: FAILED: $*" >&2
  exit 1
}

# record <name>: the process just started in the background is stopped on exit.
record() {
  started_pids+=($!)
  started_names+=("$1")
}

# Runs "$@" in the background with its output in $run/<name>.log, recorded.
start_logged() {
  local name=$1
  shift
  "$@" >"$run/$name.log" 2>&1 &
  record "$name"
}

last_pid() {
  echo "${started_pids[-1]}"
}

# Stops what start_logged started, newest first: TERM, then KILL after 5 s.
stop_started() {
  local i pid tries
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    pid=${started_pids[i]}
    kill -TERM "$pid" 2>/dev/null || continue
    for ((tries = 0; tries < 50; tries++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
      kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
    say "stopped ${started_names[i]} (pid $pid)"
  done
  started_pids=()
  started_names=()
}

# poll <seconds> <command...>: runs the command every 0.1 s until it succeeds (status 0) or
# the time is up (status 1); gives up at once when the application, once started, has ended.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    if [ -n "${app_pid:-}" ] && ! running "$app_pid"; then
      return 1
    fi
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.1
  done
}

# wait_until <seconds> <what> <command...>: poll, failing with a message naming <what>.
wait_until() {
  local limit=$1 what=$2
  shift 2
  poll "$limit" "$@" && return 0
  if [ -n "${app_pid:-}" ] && ! running "$app_pid"; then
    fail "the application ended while the demo waited for $what (see $run/application.log)"
  fi
  fail "waited ${limit} s for $what"
}

running() {
  kill -0 "$1" 2>/dev/null
}

# ready_or_gone <pid> <command...>: the command succeeds, or the process has ended.
ready_or_gone() {
  local pid=$1
  shift
  "$@" || ! running "$pid"
}

# An X server of our own on a display number it finds free itself (-displayfd), large enough
# for the whole main window.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$run/display-number" \
    >"$run/xvfb.log" 2>&1 &
  record xvfb
  local pid
  pid=$(last_pid)
  wait_until 15 "the X server to start (see $run/xvfb.log)" \
    ready_or_gone "$pid" test -s "$run/display-number"
  running "$pid" || fail "the X server did not start: $(tail -3 "$run/xvfb.log")"
  DISPLAY=":$(tr -d '[:space:]' <"$run/display-number")"
  export DISPLAY
  say "X server $DISPLAY started (pid $pid, 1920x1080)"
}

# A session bus of our own: the application's desktop services talk to nobody else's.
start_session_bus() {
  local socket=$runtime/bus
  start_logged dbus dbus-daemon --session --nofork --nopidfile --address="unix:path=$socket"
  wait_until 10 "the session bus to start (see $run/dbus.log)" test -S "$socket"
  DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
  export DBUS_SESSION_BUS_ADDRESS
  say "session bus started (pid $(last_pid))"
}

pactl_answers() {
  pactl info >/dev/null 2>&1
}

# A PulseAudio server of our own with the devices of devices.pa. Only its own home and runtime
# folder: it finds no hardware, cookie or other server.
start_sound_server() {
  local socket=$runtime/pulse-native
  mkdir -p "$run/pulse-home"
  start_logged pulseaudio env -i HOME="$run/pulse-home" XDG_RUNTIME_DIR="$runtime" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" PATH="$PATH" \
    pulseaudio -n --daemonize=no --system=false --use-pid-file=false --exit-idle-time=-1 \
    --disallow-exit --high-priority=no --realtime=no --no-cpu-limit --log-target=stderr \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" -F "$demo_dir/devices.pa"
  PULSE_SERVER="unix:$socket"
  export PULSE_SERVER
  wait_until 15 "the sound server to answer (see $run/pulseaudio.log)" pactl_answers
  say "sound server started (pid $(last_pid)) with these devices:"
  pactl list short sinks | awk '{ print "demo:   output " $2 }'
  pactl list short sources | awk '$2 !~ /\.monitor$/ { print "demo:   input  " $2 }'
  say "  defaults: output $(pactl get-default-sink), input $(pactl get-default-source)"
}

# The web services' stand-in; it fails at once, with the reason, when the port is taken.
start_stand_in() {
  start_logged standin python3 -u "$demo_dir/standin.py" --port "$port" --hold "$release_update"
  local pid
  pid=$(last_pid)
  wait_until 10 "the stand-in to listen on 127.0.0.1:$port" \
    ready_or_gone "$pid" grep -q '^listening' "$run/standin.log"
  running "$pid" || fail "$(cat "$run/standin.log") (set LUMATIX_DEMO_PORT to another port)"
  say "web-service stand-in listening on 127.0.0.1:$port (pid $pid)"
}

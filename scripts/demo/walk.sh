#!/usr/bin/env bash
# Runs the real application on a machine without a display and walks its first run: a private
# X server, session bus and sound server (with a virtual "Lumatix U" speakerphone), and a
# stand-in for the web services on 127.0.0.1, in a sandbox of its own (build/demo-run). It
# clicks through the first-run screens, switches Meeting and then Music mode, checks the sound
# server's defaults after each, and saves a screenshot of every screen. Exits 0 only when every
# step happened; stops everything it started on the way out.
#
# scripts/run-app.sh runs it when there is no display. LUMATIX_DEMO_PORT chooses the
# stand-in's port (built into build/demo).
set -Eeuo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
demo_dir=$root/scripts/demo
build=$root/build/demo
run=$root/build/demo-run
port=${LUMATIX_DEMO_PORT:-47813}
release_update=$run/release-update-check
shots=$run/screenshots
source "$demo_dir/sandbox.sh"
trap 'fail "walk.sh line $LINENO: a command failed (logs in $run)"' ERR

# The demo's own build: every server address points at the stand-in.
say "building $build (servers at http://127.0.0.1:$port)"
server=http://127.0.0.1:$port
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
  -DLUMATIX_UPDATE_SERVER="$server" -DLUMATIX_GEOLOCATION_SERVER="$server" \
  -DLUMATIX_ANALYTICS_SERVER_GLOBAL="$server" -DLUMATIX_ANALYTICS_SERVER_CHINA="$server/cn"
cmake --build "$build"

# A fresh sandbox every time: a first run only happens once per home folder.
rm -rf "$run"
mkdir -p "$run/home" "$shots"
runtime=$(mktemp -d /tmp/lumatix-demo-XXXXXX)
trap 'stop_started; rm -rf "$runtime"' EXIT
trap 'exit 130' INT TERM
export HOME=$run/home XDG_CONFIG_HOME=$run/home/.config XDG_DATA_HOME=$run/home/.local/share
export XDG_CACHE_HOME=$run/home/.cache XDG_STATE_HOME=$run/home/.local/state
export XDG_RUNTIME_DIR=$runtime
unset WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION SESSION_MANAGER
say "sandbox $run (home, logs, screenshots), sockets in $runtime"

start_stand_in
start_x_server
start_session_bus
start_sound_server

# --- the application and its window ------------------------------------------------------

app_log=$run/application.log
window=

app_said() {
  grep -qxF -- "$1" "$app_log"
}

app_said_times() {
  [ "$(grep -cxF -- "$1" "$app_log")" -ge "$2" ]
}

# stand_in_said <pattern> [times]: the stand-in logged a line starting with the pattern.
stand_in_said() {
  [ "$(grep -c -- "^$1" "$run/standin.log")" -ge "${2:-1}" ]
}

find_window() {
  window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Lumatix Connection Assistant' \
    2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# X Y WIDTH HEIGHT of the window on screen.
X=0 Y=0 WIDTH=0 HEIGHT=0
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

window_is() {
  geometry
  [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]
}

# The screens lay out their content below the window's 28-point title bar, in points from the
# content's top left (1 point is 1 pixel here). Where to click, from the layouts in
# src/screens/onboarding, in the main window's 1200 x 634 content:
title_bar=28
# - the right-hand button of a first-run screen's pair (Agree, Turn On): 294 x 56, starting 6
#   right of the middle, 32 above the bottom;
right_button=(753 574)
# - the agreement's text panel: 720 x 300, centred, 166 down (title 76 + 43, then 47);
agreement_text=(600 316)
# - the Mode screen's two panels: 368 wide, 8 either side of the middle, 227 down (logo 107 +
#   40, gap 16, title 21, gap 4, description 19, gap 20), at least 180 high.
meeting_panel=(408 317)
music_panel=(792 317)

pointer_to() {
  geometry
  xdotool mousemove --sync $((X + $1)) $((Y + title_bar + $2))
}

click() {
  pointer_to "$1" "$2"
  xdotool click 1
}

scroll_down() {
  pointer_to "$1" "$2"
  xdotool click --repeat 60 --delay 10 5
}

# grab <target> [x y width height]: the window's part of the screen (a toast over it
# included), or the given part of it (from its top left), to a file or to "rgb:-".
grab() {
  geometry
  local x=${2:-0} y=${3:-0} width=${4:-$WIDTH} height=${5:-$HEIGHT}
  import -silent -window root -crop "${width}x${height}+$((X + x))+$((Y + y))" +repage "$1"
}

# A fingerprint of the area where the screens put their title (76 to 119 points down).
title_area() {
  geometry
  grab rgb:- 32 $((title_bar + 76)) $((WIDTH - 64)) 43 | md5sum
}

# Whole-window fingerprints taken 0.2 s apart agree: the screen has finished drawing.
window_still() {
  local first
  first=$(grab rgb:- | md5sum)
  sleep 0.2
  [ "$first" = "$(grab rgb:- | md5sum)" ]
}

title_area_changed() {
  [ "$(title_area)" != "$1" ]
}

# wait_for_screen <name> <title fingerprint of the screen before, or "">
wait_for_screen() {
  if [ -n "$2" ]; then
    wait_until 15 "the $1 screen" title_area_changed "$2"
  fi
  wait_until 10 "the $1 screen to finish drawing" window_still
  screen_title=$(title_area)
}

screenshot() {
  local file=$shots/$1.png
  grab "$file"
  say "  screenshot $file"
}

# The agreement screens: scrolls the text to its end, which turns the agree button on, then
# clicks it until the application reports the click for the <count>th time.
agree() {
  local count=$1 tries
  for ((tries = 0; tries < 10; tries++)); do
    scroll_down "${agreement_text[@]}"
    click "${right_button[@]}"
    poll 2 app_said_times didAgreeClick "$count" && return 0
  done
  fail "the agree button did not answer (see $app_log)"
}

defaults_are() {
  [ "$(pactl get-default-sink) $(pactl get-default-source)" = "$1 $2" ]
}

# --- the walk ----------------------------------------------------------------------------

say "starting $build/bin/lumatix-connection-assistant (log: $app_log)"
# Nothing of the caller's environment but what the sandbox gives it.
env -i PATH="$PATH" HOME="$HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_DATA_HOME="$XDG_DATA_HOME" \
  XDG_CACHE_HOME="$XDG_CACHE_HOME" XDG_STATE_HOME="$XDG_STATE_HOME" \
  XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DISPLAY="$DISPLAY" \
  DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" PULSE_SERVER="$PULSE_SERVER" \
  LANG=C.UTF-8 LANGUAGE=en QT_QPA_PLATFORM=xcb \
  "$build/bin/lumatix-connection-assistant" >"$app_log" 2>&1 &
record application
app_pid=$!

say "licence agreement: waiting for the main window"
wait_until 20 "the main window" find_window
wait_until 5 "the licence screen" app_said "launch screen: EULA"
wait_until 5 "the main window's size (1200 x 662)" window_is 1200 662
wait_for_screen licence ""
geometry
say "  main window $window: ${WIDTH}x${HEIGHT} at $X,$Y"
screenshot 01-licence
say "licence agreement: scrolling to the end and clicking Agree"
agree 1

say "microphone: waiting for the desktop's answer"
wait_until 10 "the microphone answer" app_said "get Microphone Permission"
say "  granted (no desktop switch keeps the microphone from the application)"

say "launch at login: waiting for its screen"
wait_for_screen "launch at login" "$screen_title"
screenshot 02-launch-at-login
say "launch at login: clicking the button that turns it on"
click "${right_button[@]}"
autostart=$XDG_CONFIG_HOME/autostart/lumatix-connection-assistant.desktop
wait_until 5 "the launch-at-login click" app_said didOpenSettingClick
wait_until 5 "the autostart entry $autostart" test -f "$autostart"
say "  autostart entry written in the sandbox: $autostart"

say "update check: waiting for its window (the stand-in holds the answer)"
held_or_offline() {
  stand_in_said 'update held ' || app_said "Not reachable"
}
wait_until 15 "the update check to reach the stand-in" held_or_offline
if app_said "Not reachable"; then
  say "  the desktop reports no network: the application passes over the update check"
else
  wait_until 10 "the update-check window" window_is 340 304
  wait_for_screen "update check" ""
  screenshot 03-update-check
  wait_until 5 "the region lookup" stand_in_said 'region 200 '
  say "  region lookup answered ($(grep -m 1 '^countryCode = ' "$app_log")); releasing the update answer"
  touch "$release_update"
  wait_until 10 "the update answers" stand_in_said 'update 200 ' 2
  say "  update server answered: no newer version"
fi

say "usage statistics: waiting for the consent screen"
wait_until 15 "the main window's size back (1200 x 662)" window_is 1200 662
wait_for_screen "usage statistics" "$screen_title"
screenshot 04-usage-statistics
say "usage statistics: clicking Agree"
agree 2
wait_until 10 "the launch event at the stand-in" stand_in_said 'analytics nb_launch/'

say "Mode screen: waiting for it"
wait_for_screen Mode "$screen_title"
screenshot 05-mode

say "Meeting mode: clicking its panel"
click "${meeting_panel[@]}"
wait_until 5 "the Meeting click" app_said didMeetingClick
wait_until 10 "Meeting mode's defaults" defaults_are lumatix_u_output lumatix_u_input
say "  defaults now: output $(pactl get-default-sink), input $(pactl get-default-source)"
screenshot 06-meeting-mode

say "Music mode: clicking its panel"
click "${music_panel[@]}"
wait_until 5 "the Music click" app_said didMusicClick
wait_until 10 "Music mode's defaults" defaults_are lumatix_u_output builtin_mic
say "  defaults now: output $(pactl get-default-sink), input $(pactl get-default-source)"
screenshot 07-music-mode

wait_until 10 "the Meeting event at the stand-in" stand_in_said 'analytics nb_mode/meeting '
wait_until 10 "the Music event at the stand-in" stand_in_said 'analytics nb_mode/music '
say "analytics events received by the stand-in:"
grep '^analytics ' "$run/standin.log" | awk '{ print "demo:   " $2 }'
running "$app_pid" || fail "the application ended early (see $app_log)"

say "done: every step happened; screenshots in $shots"

#!/usr/bin/env bash
# Drives quillfen95 from the keyboard on a made-up machine (the program in C:\QF95\, a
# stand-in game on drive D:), one case per start, on an X server of its own:
#   menu_keys        Alt+H, A opens the about box from the Help menu; Escape closes it; Alt+F,
#                    X is "Exit", and the program ends by itself with status 0;
#   message_box      "Set FileManager at Expert Mode" shows its warning; Return answers it, the
#                    main window comes back to the front and the close writes the expert flag;
#                    a box with OK only takes Escape as OK too; at the next start the same
#                    command clears the flag without a word;
#   terminate_in_box SIGTERM while the warning is up: the box ends, the command finishes and
#                    the program closes as "Exit" closes it, status 0;
#   browse           "Add/Modify Game", then the first row's "Browse": the file dialog opens
#                    (in the game's folder, as the screenshot shows);
#   game_running     "Run" with a DOS session that lasts a few seconds: meanwhile the window is
#                    made larger and must draw the new part (a window that waits without
#                    drawing leaves it black), and it takes no keys; afterwards it is usable;
#   multiplayer      the main window with the IPX layout;
#   lan_client       the window idle in multiplayer mode with auto-launch on, our IPX relay and
#                    two copies of the headless driver (a server for three players and a
#                    client): the window hears the server, shows its join and wait dialog, and
#                    starts the game with the others in a DOS session on the same network;
#   joystick         (asked for by name) a FIFO stands in for the joystick device and the test
#                    writes the device's event records into it: the stick moves the X pointer
#                    right and down, and button 1 over "Play" starts the game; the settings
#                    dialog from its command is kept as a screenshot.
# The program's ready file names the window in front, message boxes included: every wait is on
# that file or on the process, each with a time limit.
#   tests/gui/keyboard_session.sh QUILLFEN95 BUILD_DIR SHOT_DIR [CASE...]
# Screenshots and the program's output go to SHOT_DIR. Exits 77 (skipped) when Xvfb, xdotool
# or ImageMagick is missing.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
shots=$(realpath -m "$3")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
shift 3
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(menu_keys message_box terminate_in_box browse game_running multiplayer lan_client)
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

main_title="Duke3D 1.3 Reg. - Quillfen95"
box_title="Quillfen95"
expert_mode=32892
run_game=32828
define_game=32866
mode_switch=32903
location_title="Game Location Configuration"
work=$(mktemp -d)
pid=
xvfb=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$shots"

# Our own server: -displayfd takes a free display number, so tests running side by side do
# not race for one. No window manager: keys_to hands out the focus.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

fresh_machine() {
  rm -rf "$work/m"
  mkdir -p "$work"/m/{drive_c/QF95,drive_d/GAMES/DUKE3D,prefix/dosdevices,home}
  ln -s "$work/m/drive_c" "$work/m/prefix/dosdevices/c:"
  ln -s "$work/m/drive_d" "$work/m/prefix/dosdevices/d:"
  ln -s / "$work/m/prefix/dosdevices/z:"
  cp "$build/Quillfen.Sig" "$build/arg_pass.com" "$work/m/drive_c/QF95/"
  cp "$build/standin.com" "$work/m/drive_d/GAMES/DUKE3D/DUKE3D.EXE"
  program="$work/m/drive_c/QF95"
  ready="$work/m/ready"
}

start() {  # extra environment...
  rm -f "$ready"
  # GTK and fontconfig keep their caches to the end: leaks are the unit tests' to find.
  (cd "$program" && exec env HOME="$work/m/home" QF95_PREFIX="$work/m/prefix" \
     QF95_TEST_READY_FILE="$ready" \
     ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$@" "$exe") \
    >>"$log" 2>&1 &
  pid=$!
}

# Waits up to 30 s until the front window is titled $1.
wait_front() {
  for _ in $(seq 1 300); do
    [ "$(cat "$ready" 2>/dev/null)" = "$1" ] && return 0
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; return 1; }
    sleep 0.1
  done
  echo "no window \"$1\" in front (last: $(cat "$ready" 2>/dev/null))"
  return 1
}

# Gives the keyboard focus to the window titled $1 and types the keys after it.
keys_to() {
  local title=$1 window
  shift
  window=$(timeout 10 xdotool search --onlyvisible --name "^$title\$" | tail -n 1)
  [ -n "$window" ] || { echo "no X window \"$title\""; return 1; }
  timeout 10 xdotool windowfocus --sync "$window" || { echo "no focus for \"$title\""; return 1; }
  timeout 10 xdotool key --delay 100 "$@"
}

# Waits up to 30 s for the program to end; its exit status is the function's.
wait_end() {
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not close"
    return 1
  fi
  wait "$pid"
  local status=$?
  pid=
  [ $status -eq 0 ] || echo "the program ended with status $status"
  return $status
}

close_by_sigterm() {
  kill -TERM "$pid"
  wait_end
}

# The window in front is drawn before the ready file names it; the pause lets the server
# finish the last frame.
shot() { sleep 0.3; timeout 20 import -window root "$shots/$1.png"; }

# The settings file of a plain close, to compare with: the expert flag is the one byte that
# differs, so the test does not hard-code the record layout.
settings_after_plain_close() {
  fresh_machine
  start
  wait_front "$main_title" || return 1
  close_by_sigterm || { echo "a plain close failed"; return 1; }
  cp "$program/QuillfenUnivInfo.dat" "$work/plain.dat"
}

case_menu_keys() {
  fresh_machine
  start
  wait_front "$main_title" || return 1
  keys_to "$main_title" alt+h a || return 1
  wait_front "About Quillfen95" || return 1
  shot keys_about_box
  keys_to "About Quillfen95" Escape || return 1
  wait_front "$main_title" || return 1
  keys_to "$main_title" alt+f x || return 1
  wait_end || { echo "Exit from the keyboard failed"; return 1; }
  [ -s "$program/QuillfenUnivInfo.dat" ] || { echo "Exit saved no settings"; return 1; }
}

case_message_box() {
  settings_after_plain_close || return 1
  fresh_machine
  start QF95_TEST_COMMAND=$expert_mode
  wait_front "$box_title" || return 1
  shot expert_mode_warning
  keys_to "$box_title" Return || return 1
  wait_front "$main_title" || return 1
  close_by_sigterm || { echo "close after the warning failed"; return 1; }
  cmp -s "$work/plain.dat" "$program/QuillfenUnivInfo.dat" \
    && { echo "answering the warning did not set expert mode"; return 1; }
  # The next start reads the flag back, and the same command clears it without a box.
  start QF95_TEST_COMMAND=$expert_mode
  wait_front "$main_title" || return 1
  sleep 1
  [ "$(cat "$ready")" = "$main_title" ] || { echo "switching expert mode off showed a box"; return 1; }
  close_by_sigterm || return 1
  cmp -s "$work/plain.dat" "$program/QuillfenUnivInfo.dat" \
    || { echo "toggling expert mode twice left the settings changed"; return 1; }
  # Escape answers a box with OK alone as OK: the flag is set again.
  start QF95_TEST_COMMAND=$expert_mode
  wait_front "$box_title" || return 1
  keys_to "$box_title" Escape || return 1
  wait_front "$main_title" || return 1
  close_by_sigterm || return 1
  cmp -s "$work/plain.dat" "$program/QuillfenUnivInfo.dat" \
    && { echo "Escape on the warning did not set expert mode"; return 1; }
  return 0
}

case_terminate_in_box() {
  settings_after_plain_close || return 1
  fresh_machine
  start QF95_TEST_COMMAND=$expert_mode
  wait_front "$box_title" || return 1
  close_by_sigterm || { echo "SIGTERM with the warning up did not close the program"; return 1; }
  # The command went on after its box and toggled the flag before the close saved it.
  cmp -s "$work/plain.dat" "$program/QuillfenUnivInfo.dat" \
    && { echo "the command did not finish before the close"; return 1; }
  return 0
}

# The mean brightness (0 to 1) of a region WxH+X+Y of a screenshot.
brightness() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:; }

case_game_running() {
  fresh_machine
  # A DOS session that tells us it started and lasts four seconds.
  cat >"$work/m/slow-dosbox" <<EOF2
#!/bin/sh
touch "$work/m/session-started"
sleep 4
EOF2
  chmod +x "$work/m/slow-dosbox"
  start QF95_DOSBOX="$work/m/slow-dosbox" QF95_TEST_COMMAND=$run_game
  for _ in $(seq 1 300); do
    [ -e "$work/m/session-started" ] && break
    sleep 0.1
  done
  [ -e "$work/m/session-started" ] || { echo "Run started no DOS session"; return 1; }
  local window
  window=$(timeout 10 xdotool search --onlyvisible --name "^$main_title\$" | tail -n 1)
  [ -n "$window" ] || { echo "no X window \"$main_title\""; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Wider and taller than before: only a window that keeps handling its events draws there.
  xdotool windowmove "$window" 0 0 windowsize "$window" $((WIDTH + 300)) $((HEIGHT + 200))
  sleep 1
  shot game_running
  [ -e "$work/m/session-started" ] && kill -0 "$pid" 2>/dev/null \
    || { echo "the program ended during the session"; return 1; }
  local new_part
  new_part=$(brightness "$shots/game_running.png" "250x150+$((WIDTH + 20))+$((HEIGHT / 2))")
  awk -v b="$new_part" 'BEGIN { exit !(b > 0.2) }' \
    || { echo "the window did not draw while the game ran (brightness $new_part)"; return 1; }
  # After the session (under ten seconds: the pause option is offered) the window is the
  # player's again.
  wait_front "$box_title" || return 1
  keys_to "$box_title" Escape || return 1
  wait_front "$main_title" || return 1
  keys_to "$main_title" alt+h a || return 1
  wait_front "About Quillfen95" || return 1
  keys_to "About Quillfen95" Escape || return 1
  wait_front "$main_title" || return 1
  close_by_sigterm || return 1
}

case_browse() {
  fresh_machine
  start QF95_TEST_COMMAND=$define_game
  wait_front "$location_title" || return 1
  shot game_location_dialog
  local dialog
  dialog=$(timeout 10 xdotool search --onlyvisible --name "^$location_title\$" | tail -n 1)
  [ -n "$dialog" ] || { echo "no X window \"$location_title\""; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  # The first row's Browse button: right-hand column, first row.
  xdotool mousemove --window "$dialog" $((WIDTH - 45)) 48 click 1
  # The toolkit's file dialog is the desktop's own: it is looked for on the X server.
  local chooser=
  for _ in $(seq 1 100); do
    chooser=$(xdotool search --onlyvisible --name "^Select a file\$" 2>/dev/null | tail -n 1)
    [ -n "$chooser" ] && break
    sleep 0.1
  done
  [ -n "$chooser" ] || { echo "Browse opened no file dialog"; return 1; }
  shot browse_file_dialog
  keys_to "Select a file" Escape || return 1
  wait_front "$location_title" || return 1
  close_by_sigterm || return 1
}

# The main window in multiplayer mode with the IPX layout: a first start, the communication
# type set to "NetWork/IPX" in the settings file (offset 7243), then the mode button's command.
case_multiplayer() {
  settings_after_plain_close || return 1
  printf '\x02' | dd of="$program/QuillfenUnivInfo.dat" bs=1 seek=7243 conv=notrunc status=none
  start QF95_TEST_COMMAND=$mode_switch
  wait_front "$main_title" || return 1
  sleep 1
  shot multiplayer_ipx
  close_by_sigterm || return 1
  # Every start is in single-player mode; the communication type was kept.
  [ "$(xxd -s 7243 -l 1 -p "$program/QuillfenUnivInfo.dat")" = 02 ] ||
    { echo "the communication type was not kept"; return 1; }
}

# A DOS session that keeps its configuration in $SESSION_CONF and ends at once.
recording_dosbox() {
  cat >"$work/record-dosbox" <<'EOF2'
#!/bin/sh
while [ $# -gt 0 ]; do
  [ "$1" = -conf ] && cp "$2" "$SESSION_CONF"
  shift
done
EOF2
  chmod +x "$work/record-dosbox"
}

# A headless copy on a demo machine of its own, in the background: $1 the machine, $2 script.
headless_copy() {
  "$tools/make_demo_machine.sh" "$build" "$work/$1" >/dev/null
  printf '%s\n' "$2" >"$work/$1.script"
  (cd "$work/$1/drive_c/QF95" && exec env SESSION_CONF="$work/$1.conf" \
     timeout 120 "$build/qf95-headless" --prefix "$work/$1/prefix" "$work/$1.script") \
    >"$work/$1.txt" 2>&1 &
}

case_lan_client() {
  settings_after_plain_close || return 1
  cp "$build/standin.com" "$work/m/drive_d/GAMES/DUKE3D/COMMIT.EXE"
  # "NetWork/IPX", and auto-launch on (the mode itself is switched by the command).
  printf '\x02' | dd of="$program/QuillfenUnivInfo.dat" bs=1 seek=7243 conv=notrunc status=none
  printf '\x01' | dd of="$program/QuillfenUnivInfo.dat" bs=1 seek=7204 conv=notrunc status=none
  recording_dosbox
  local port relay server client
  port=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  "$build/qf95-ipxrelay" --port "$port" >"$work/relay.log" 2>&1 &
  relay=$!
  export QF95_IPX_SERVER="127.0.0.1:$port" QF95_DOSBOX="$work/record-dosbox"
  start QF95_TEST_COMMAND=$mode_switch SESSION_CONF="$work/window.conf"
  wait_front "$main_title" || { kill "$relay"; return 1; }
  local game='command 32846
command 32903
set comm NetWork/IPX
set auto-launch on
answer no'
  headless_copy server "$game
set players 3
command 32828"
  server=$!
  wait_front "Found Quillfen95 Server" || { kill "$relay"; return 1; }
  sleep 1
  shot lan_client_window
  headless_copy client "$game
listen 60"
  client=$!
  for _ in $(seq 1 300); do
    [ -e "$work/window.conf" ] && break
    sleep 0.1
  done
  wait "$server" "$client"
  kill "$relay"
  close_by_sigterm || return 1
  local ok=0
  [ -e "$work/window.conf" ] || { echo "the window started no game"; ok=1; }
  grep -q "^ipxnet connect 127.0.0.1 $port" "$work/window.conf" 2>/dev/null ||
    { echo "the window's game did not join the IPX network"; ok=1; }
  grep -qi "commit" "$work/window.conf" 2>/dev/null || { echo "the window did not start COMMIT"; ok=1; }
  grep -q -- "-> started" "$work/server.txt" || { echo "the server did not start:"; cat "$work/server.txt"; ok=1; }
  [ -e "$work/client.conf" ] || { echo "the other client started no game"; cat "$work/client.txt"; ok=1; }
  unset QF95_IPX_SERVER QF95_DOSBOX
  return $ok
}

# Event records of the joystick device into the FIFO open on descriptor 4: "VALUE TYPE NUMBER"
# triples (type 1 a button, 2 an axis).
js_events() {
  python3 -c '
import struct, sys
a = [int(v) for v in sys.argv[1:]]
sys.stdout.buffer.write(b"".join(struct.pack("IhBB", 0, a[i], a[i + 1], a[i + 2])
                                 for i in range(0, len(a), 3)))' "$@" >&4
}

pointer_at() { eval "$(xdotool getmouselocation --shell)"; echo "$X $Y"; }

case_joystick() {
  fresh_machine
  mkfifo "$work/js0"
  # Held open for writing by the test, so the program never sees the writer go.
  exec 4<>"$work/js0"
  cat >"$work/m/play-dosbox" <<EOF2
#!/bin/sh
touch "$work/m/session-started"
EOF2
  chmod +x "$work/m/play-dosbox"
  start QF95_JOYSTICK_DEVICE="$work/js0" QF95_DOSBOX="$work/m/play-dosbox" \
    QF95_TEST_BUTTONS_FILE="$work/m/buttons"
  wait_front "$main_title" || return 1
  # The stick rests at its centre (the driver's first records), far right (high speed: a tenth
  # of x each tick), back to rest.
  js_events 0 130 0 0 130 1
  xdotool mousemove 300 200
  sleep 0.3
  js_events 30000 2 0
  sleep 0.5
  js_events 0 2 0
  sleep 0.3
  local x y
  read -r x y < <(pointer_at)
  echo "pointer after the stick right: $x $y" >>"$log"
  [ "$x" -gt 330 ] && [ "$y" -eq 200 ] || { echo "the stick right moved the pointer to $x $y"; return 1; }
  # A quarter down: the mid speed, a twentieth of y each tick.
  js_events 8000 2 1
  sleep 0.5
  js_events 0 2 1
  sleep 0.3
  local x2 y2
  read -r x2 y2 < <(pointer_at)
  [ "$x2" -eq "$x" ] && [ "$y2" -gt 200 ] || { echo "the stick down moved the pointer to $x2 $y2"; return 1; }
  # Button 1 over Play: pressed, then let go.
  local play
  play=$(awk -F'\t' '$1 == "Play" { print $2 }' "$work/m/buttons")
  [ -n "$play" ] || { echo "no Play button in: $(cat "$work/m/buttons")"; return 1; }
  xdotool mousemove $play
  sleep 0.3
  js_events 1 1 0
  sleep 0.3
  js_events 0 1 0
  for _ in $(seq 1 100); do
    [ -e "$work/m/session-started" ] && break
    sleep 0.1
  done
  [ -e "$work/m/session-started" ] || { echo "button 1 over Play started no game"; return 1; }
  # The short session's question, then the settings.
  wait_front "$box_title" || return 1
  keys_to "$box_title" Escape || return 1
  wait_front "$main_title" || return 1
  close_by_sigterm || return 1
  start QF95_JOYSTICK_DEVICE="$work/js0" QF95_TEST_COMMAND=32927
  wait_front "Joystick Quillfen95 Settings" || return 1
  shot joystick_settings_dialog
  keys_to "Joystick Quillfen95 Settings" Escape || return 1
  wait_front "$main_title" || return 1
  close_by_sigterm || return 1
  exec 4>&-
}

fail=0
for name in "${cases[@]}"; do
  log="$shots/$name.log"
  : >"$log"
  if "case_$name"; then
    echo "ok: $name"
  else
    echo "FAILED: $name (the program's output: $log)"
    tail -n 20 "$log"
    fail=1
    [ -n "$pid" ] && { kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=; }
  fi
done
exit $fail

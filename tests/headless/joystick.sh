#!/usr/bin/env bash
# qf95-headless with the joystick: its settings dialog filled by the sliders' labels, Apply
# keeping the speeds in order, the on/off commands' boxes, and a stick at rest (its device a
# file of event records) that moves nothing while its button presses and releases once.
#   tests/headless/joystick.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"

demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
run() { run_headless "$demo" "$1" "$2"; }

# The records the driver sends on opening: both axes at rest, button 1 up.
python3 -c '
import struct, sys
sys.stdout.buffer.write(b"".join(struct.pack("IhBB", 0, 0, t, n) for t, n in ((130, 0), (130, 1), (129, 0))))
' >"$work/js0"
export QF95_JOYSTICK_DEVICE="$work/js0"

# Fields go before the command that opens their dialog.
cat > "$work/settings.script" <<'SCRIPT'
field Low Speed = 200
field Mid Speed = 100
field Apply = press
press ok
command 32927
field Over All Speed = 10
field High Speed = 9000
press cancel
command 32927
joystick 2
command 32926
command 32924
command 32926
SCRIPT
run "$work/settings.script" "$work/settings.txt"
rc=$?
echo "--- transcript"; cat "$work/settings.txt"
[ "$rc" -eq 0 ] || fail "the run ended with $rc: $(cat "$work/settings.txt.err")"
# Apply raised Mid to Low; Cancel put back what the second opening found; the menu item opened
# the settings while the joystick ran (untouched), and after the toggle switched it on.
grep -E '^(dialog|field|->|  slider|box .*[Jj]oystick|joystick|pointer)' "$work/settings.txt" \
  | grep -v '^-> ok$' >"$work/settings.seen"
cat > "$work/settings.want" <<'WANT'
dialog Joystick Quillfen95 Settings
field Low Speed = 200
field Mid Speed = 100
field Apply = press
  slider Over All Speed 5
  slider Low Speed 200
  slider Mid Speed 200
  slider High Speed 1000
dialog Joystick Quillfen95 Settings
field Over All Speed = 10
field High Speed = 9000
-> cancel
  slider Over All Speed 5
  slider Low Speed 200
  slider Mid Speed 200
  slider High Speed 1000
joystick 2
dialog Joystick Quillfen95 Settings
box Quillfen95: Joystick Off
box Quillfen95: Joystick On
WANT
diff "$work/settings.want" "$work/settings.seen" || fail "the settings run went otherwise"

# No device: the start says nothing, the toggle says it failed.
export QF95_JOYSTICK_DEVICE="$work/none"
printf 'command 32924\n' > "$work/none.script"
run "$work/none.script" "$work/none.txt" || fail "the run without a device failed"
cat "$work/none.txt"
expect "$work/none.txt" 'box Quillfen95: Error while trying to turn on joystick'
[ "$(grep -ci '^box.*joystick' "$work/none.txt")" -eq 1 ] || fail "the start without a device said so"

[ "$failures" -eq 0 ] || exit 1
echo "joystick: ok"

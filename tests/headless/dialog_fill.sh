#!/usr/bin/env bash
# qf95-headless fills dialogs as a player does: fields by the names the window shows, then OK
# or Cancel. The launch options and multiplayer dialogs store what was filled (and a cancelled
# one nothing); a field the dialog does not have or greys stops the run with the reason.
#   tests/headless/dialog_fill.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"

demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
run() { run_headless "$demo" "$1" "$2"; }

cat > "$work/fill.script" <<'SCRIPT'
command 32846
field Extra Command Line Options = /qf95-extra
field Spawn Option = Items
press ok
command 32787
field Terminate With Out Warning = on
press ok
command 32788
SCRIPT
run "$work/fill.script" "$work/fill.txt"
rc=$?
echo "--- transcript"; cat "$work/fill.txt"
[ "$rc" -eq 0 ] || fail "the fill ended with $rc: $(cat "$work/fill.txt.err")"
expect "$work/fill.txt" 'dialog Demo/NoMonsters/Respawn Options'
expect "$work/fill.txt" 'field Spawn Option = Items'
expect "$work/fill.txt" 'field Terminate With Out Warning = on'
[ "$(grep -c '^-> ok$' "$work/fill.txt")" -eq 2 ] || fail "not both dialogs were answered OK"
grep -q -- '/qf95-extra' "$demo/drive_c/QF95/Quillfen_Game_data.dat0" ||
  fail "the extra options were not stored in the game's data"

# The multiplayer dialogs: a new phone number filed under a name, a cancelled one, the
# automatic launch's options and the multiplayer mode.
cat > "$work/mp.script" <<'SCRIPT'
command 32846
command 32903
set comm Modem
field Phone Number = 5550100
field Name = Bob
press ok
type number Bob
field Phone Number = 5550199
press cancel
type number 5550199
show multiplayer
field Never launch as server = on
field My Clan = Kestrels
press ok
command 32994
set comm NetWork/IPX
field MultiPlayer Mode = Coop
press ok
open other-options
SCRIPT
run "$work/mp.script" "$work/mp.txt"
rc=$?
echo "--- transcript"; cat "$work/mp.txt"
[ "$rc" -eq 0 ] || fail "the multiplayer fill ended with $rc: $(cat "$work/mp.txt.err")"
expect "$work/mp.txt" '  Enter new name and phone number. Press OK to accept, or press CANCEL to return to main menu.'
expect "$work/mp.txt" '   PHONE NUMBER = [Enter Phone-Name Here | Bob] = Bob'
expect "$work/mp.txt" 'dialog Auto DeathMatch Launch Options'
expect "$work/mp.txt" 'dialog Other MultiPlayer Options'
univ="$demo/drive_c/QF95/QuillfenUnivInfo.dat"
[ "$(dd if="$univ" bs=1 skip=7084 count=8 status=none)" = Kestrels ] || fail "My Clan was not stored"
[ "$(xxd -s 7220 -l 1 -p "$univ")" = 01 ] || fail "\"Never launch as server\" was not stored"
[ "$(xxd -s 7242 -l 1 -p "$univ")" = 01 ] || fail "the multiplayer mode Coop was not stored"
[ "$(dd if="$univ" bs=1 skip=1632 count=7 status=none)" = 5550100 ] ||
  fail "the new phone number is not the list's second entry"
grep -aq 5550199 "$univ" && fail "the cancelled number was stored"

cat > "$work/bad.script" <<'SCRIPT'
command 32846
field No Such Field = 1
press ok
command 32787
SCRIPT
run "$work/bad.script" "$work/bad.txt"
rc=$?
[ "$rc" -eq 1 ] || fail "an unknown field did not stop the run (status $rc)"
grep -q 'No Such Field: no field "No Such Field" (it has: Play Demo' "$work/bad.txt.err" ||
  fail "the reason does not name the dialog's fields: $(cat "$work/bad.txt.err")"

[ "$failures" -eq 0 ] || exit 1
echo "dialog fill: ok"

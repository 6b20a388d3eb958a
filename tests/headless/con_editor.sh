#!/usr/bin/env bash
# The CON editor as a player works it: "Edit UserCon File" on an add-on's picked USER CON file,
# a map assigned to level 2, the level and the volume renamed, Finish writing the file back;
# "Weapons Option" for a game without weapon order switches says so instead of opening.
#   tests/headless/con_editor.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"

demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
addon="$demo/drive_d/GAMES/DUKE3D/ADDON"
mkdir -p "$addon"
printf '%s\r\n' 'definevolumename 0 L.A. MELTDOWN' \
  'definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST' \
  'definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT' > "$addon/USER.CON"
printf 'include USER.CON\r\n' > "$addon/GAME.CON"
printf 'map' > "$addon/NEWMAP.MAP"

cat > "$work/con.script" <<'SCRIPT'
command 32846
select-file D:\GAMES\DUKE3D\ADDON\USER.CON
field Level = 2
field File = NEWMAP.MAP
field Level Name = UPTOWN
field Volume Name = DOWNTOWN LA
press ok
command 32920
command 32941
SCRIPT
run_headless "$demo" "$work/con.script" "$work/con.txt"
rc=$?
echo "--- transcript"; cat "$work/con.txt"
[ "$rc" -eq 0 ] || fail "the run ended with $rc: $(cat "$work/con.txt.err")"
expect "$work/con.txt" 'dialog ConEditor'
expect "$work/con.txt" '  tab Vol0 : DOWNTOWN LA'
expect "$work/con.txt" '  level NEWMAP.MAP : UPTOWN'
expect "$work/con.txt" '  finished'
expected=$(printf '%s\r\n' 'definevolumename 0 DOWNTOWN LA' \
  'definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST' \
  'definelevelname 0 1 NEWMAP.MAP 05:10 03:21 UPTOWN' | xxd -p)
[ "$(xxd -p "$addon/USER.CON")" = "$expected" ] || { fail "USER.CON was not written back as edited"; cat -A "$addon/USER.CON"; }
expect "$work/con.txt" 'box Quillfen95: No GamePick options set for Weapons Options'
refuse "$work/con.txt" 'dialog Weapons Option'
[ "$failures" -eq 0 ] || exit 1
echo "con editor: ok"

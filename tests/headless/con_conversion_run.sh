#!/usr/bin/env bash
# A Duke Nukem 3D 1.3 add-on launched with "Duke3D 1.4 && 1.5" (the game found by its
# cdrom.ini): its USER file is converted for the later version, and the game, in a real DOS
# session, gets "/x" with the converted main file and the add-on's map; a second launch finds
# the converted files and converts nothing again.
#   tests/headless/con_conversion_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
printf '[Setup]\r\n' > "$duke/CDROM.INI"
printf 'include USER.CON\r\ngamestartup 1 2 3\r\n' > "$duke/GAME.CON"
addon="$duke/ADDON"
mkdir -p "$addon"
printf 'include USER.CON\r\n// the add-on main file\r\n' > "$addon/GAME.CON"
printf '%s\r\n' 'definesound ENDSEQVOL3SND1 E3ENDSEQ.VOC 0 0 0 0 0' \
  'gamestartup' '  DEFAULTVISIBILITY NUMFREEZEBOUNCES FREEZERHURTOWNER' \
  'definevolumename 0 OLD ADD-ON' > "$addon/USER.CON"
cp "$addon/USER.CON" "$work/user13.con"
printf 'map' > "$addon/TOWER.MAP"

cat > "$work/run.script" <<'SCRIPT'
command 32847
select-file D:\GAMES\DUKE3D\ADDON\TOWER.MAP
answer no
command 32828
answer no
command 32828
SCRIPT
run_script run
grep -q '^command 32847 Duke3D 1.4' "$work/run.txt" || fail "the 1.4/1.5 game was not picked"
[ "$(grep -c '^start dos duke3d.exe /xGAME.V15' "$work/run.txt")" -eq 2 ] ||
  fail "the game was not started twice with /xGAME.V15"
grep -q '^TAIL= /xGAME.V15' "$duke/ADDON/QFRUN.TXT" "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the stand-in did not get /xGAME.V15"
[ -f "$addon/USER.V15" ] || fail "no converted USER.V15"
grep -q 'include PLUT.CON // \*\*\*REMOVE ME\*\*\*' "$addon/USER.V15" ||
  fail "USER.V15 lacks the conversion header"
grep -q 'include USER.V15' "$addon/GAME.V15" || fail "GAME.V15 does not include USER.V15"
[ -f "$addon/plut.con" ] || [ -f "$addon/PLUT.CON" ] || fail "no plut.con"
cmp -s "$work/user13.con" "$addon/USER.CON" || fail "the 1.3 USER.CON was changed"
[ "$failures" -eq 0 ] || exit 1
echo "con conversion run: ok"

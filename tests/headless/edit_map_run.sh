#!/usr/bin/env bash
# The picked map in its kind's editor as a player runs it: Duke Nukem 3D's map editor works
# only in the game directory, so a map from "D:\Maps From Friends\" is given to it as a copy
# there ("~tmpQF95.MAP"), in a real DOS session; the automatic backup is made first and the
# copy is gone afterwards, the map in its place.
#   tests/headless/edit_map_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin.com" "$duke/BUILD.EXE"
maps="$demo/drive_d/Maps From Friends"
mkdir -p "$maps"
printf 'a map of a city' > "$maps/Red Light City.MAP"

cat > "$work/run.script" <<'SCRIPT'
command 32846
field Auto BackUp Edit Map/Wad to (*.Bck) = on
press ok
command 32788
select-file D:\Maps From Friends\Red Light City.MAP
answer no
command 32804
SCRIPT
run_script run
grep -q '^start dos build.exe ~tmpQF95.MAP in ' "$work/run.txt" ||
  fail "the map editor was not started on the copy in the game directory"
grep -q '^TAIL= ~tmpQF95.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the stand-in editor did not get the copy's name: $(cat "$duke/QFRUN.TXT" 2>/dev/null)"
grep -qi '^CWD=D:\\GAMES\\DUKE3D' "$duke/QFRUN.TXT" || fail "the editor did not run in the game directory"
[ "$(cat "$maps/Red Light City.MAP.bck" 2>/dev/null)" = 'a map of a city' ] ||
  fail "no backup of the map beside it"
[ "$(cat "$maps/Red Light City.MAP")" = 'a map of a city' ] || fail "the map was changed"
ls "$duke" | grep -qi 'tmpqf95' && fail "the editor's copy was left in the game directory"
[ "$failures" -eq 0 ] || exit 1
echo "edit map run: ok"

#!/usr/bin/env bash
# A map picked outside the game's tree, as a player runs it: Duke Nukem 3D is given the bare
# name and loads the map from the directory it runs in, so "D:\Maps From Friends\Red Light
# City.MAP" is copied there first and the game is told the 8.3 name the copy has there
# ("Red Light District.map" of the demo game already has REDLIG~1.MAP in that directory).
#   tests/headless/map_placement_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
friends="$demo/drive_d/Maps From Friends"
mkdir -p "$friends"
printf 'the red city' > "$friends/Red Light City.MAP"
cat > "$work/run.script" <<'SCRIPT'
command 32846
select-file D:\Maps From Friends\Red Light City.MAP
answer no
command 32828
SCRIPT
run_script run
expect "$work/run.txt" 'select picked D:\MAPSFR~1\REDLIG~1.MAP'
[ "$(cat "$duke/Red Light City.MAP" 2>/dev/null)" = 'the red city' ] ||
  fail "the map was not copied beside the game"
grep -q '^TAIL= -map REDLIG~2.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the game was not given the copy's name there: $(cat "$duke/QFRUN.TXT" 2>/dev/null)"
[ "$failures" -eq 0 ] || exit 1
echo "map placement run: ok"

#!/usr/bin/env bash
# "&Edit Selected Map" as a player runs it: the map editor (a stand-in BUILD.EXE) on a map from
# "D:\Maps From Friends\", started in a real DOS session through "buildpatch.bat" with the
# answer file "keys" (By-Pass Build Prompt), working on "~tempmap.map" in the game directory,
# with the question to run the game with the map after it; the map's backup is made first.
#   tests/headless/map_editor_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin.com" "$duke/BUILD.EXE"
friends="$demo/drive_d/Maps From Friends"
mkdir -p "$friends"
printf 'the red city' > "$friends/Red Light City.MAP"
cat > "$work/run.script" <<'SCRIPT'
command 32846
field By-Pass Build Prompt (Duke Only) = on
field Prompt to Run Game After Map-Editor = on
field Auto BackUp Edit Map/Wad to (*.Bck) = on
press ok
command 32788
select-file D:\Maps From Friends\Red Light City.MAP
answer no
command 32771
SCRIPT
run_script run
expect "$work/run.txt" 'start dos buildpatch.bat ~tempmap.map <keys in D:\games\Duke3d'
editor=$(line_of "$work/run.txt" 'start dos buildpatch.bat ~tempmap.map <keys in D:\games\Duke3d')
question=$(line_of "$work/run.txt" 'box Quillfen95: Do you want to run Duke Nukem with selected Map?')
[ "$question" -gt "$editor" ] || fail "the question to run the game did not come after the editor"
[ "$(cat "$duke/keys" 2>/dev/null)" = 'Y' ] || fail "no answer file keys"
[ "$(tr -d '\r' < "$duke/buildpatch.bat" 2>/dev/null)" = 'Build.exe ~tempmap.map <keys' ] ||
  fail "buildpatch.bat is not the editor's line: $(cat "$duke/buildpatch.bat" 2>/dev/null)"
grep -qi '^TAIL= ~tempmap.map' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the editor did not get the map's copy: $(cat "$duke/QFRUN.TXT" 2>/dev/null)"
[ "$(cat "$duke/~tempmap.map" 2>/dev/null)" = 'the red city' ] || fail "no copy of the map for the editor"
[ "$(cat "$friends/Red Light City.bck" 2>/dev/null)" = 'the red city' ] || fail "no backup beside the map"
[ "$failures" -eq 0 ] || exit 1
echo "map editor run: ok"

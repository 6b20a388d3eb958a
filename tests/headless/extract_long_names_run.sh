#!/usr/bin/env bash
# "Extract Map" into a directory of long names, with a stand-in extractor that writes the file
# the pattern asks for, in real DOS sessions: the extractor runs in "D:\Maps From Friends\"
# (its 8.3 form in the session) on the game's group file, and then on a group file picked
# there, which it gets by its 8.3 name; the extracted map shows in that directory.
#   tests/headless/extract_long_names_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin_extract.com" "$duke/KEXTRACT.EXE"
printf 'KenSilverman' > "$duke/DUKE3D.GRP"
maps="$demo/drive_d/Maps From Friends"
mkdir -p "$maps"
printf 'a map of a city' > "$maps/Red Light City.MAP"
printf 'KenSilverman' > "$maps/Party Pack.GRP"

cat > "$work/run.script" <<'SCRIPT'
command 32846
select-file D:\Maps From Friends\Red Light City.MAP
command 32777
SCRIPT
run_script run
expect "$work/run.txt" 'start command D:\games\Duke3d\kextract.exe D:\games\Duke3d\DUKE3D.GRP *.MAP in D:\Maps From Friends\'
[ "$(tr -d '\r' < "$maps/E1L1.MAP" 2>/dev/null)" = 'FROM D:\GAMES\DUKE3D\DUKE3D.GRP' ] ||
  fail "no E1L1.MAP from the game's group file in the directory: $(ls "$maps")"

# A group file picked among the long names goes to the DOS program by its 8.3 name.
rm -f "$maps/E1L1.MAP"
cat > "$work/pick.script" <<'SCRIPT'
command 32846
select-file D:\Maps From Friends\Party Pack.GRP
command 32777
SCRIPT
run_headless "$demo" "$work/pick.script" "$work/pick.txt" --output "$work/pick.out"
rc=$?
echo "--- transcript"; cat "$work/pick.txt"
[ "$rc" -eq 0 ] || fail "the second run ended with $rc: $(cat "$work/pick.txt.err")"
[ "$(tr -d '\r' < "$maps/E1L1.MAP" 2>/dev/null)" = 'FROM D:\MAPSFR~1\PARTYP~1.GRP' ] ||
  fail "the extractor did not get the picked group file by its 8.3 name: $(cat "$maps/E1L1.MAP" 2>/dev/null)"
[ "$failures" -eq 0 ] || exit 1
echo "extract long names run: ok"

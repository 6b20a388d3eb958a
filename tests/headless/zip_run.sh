#!/usr/bin/env bash
# A map inside a ZIP archive as a player runs it: an archive made by zip in
# "D:\Maps From Friends\" is opened in the file list, the map in its "maps" folder picked and
# Run; the machine's unzip takes it out into the game's "~.QF~\" and the game (a stand-in in
# a real DOS session) is told to load it and finds it there. Then a DOS unzip program of the
# player's, a stand-in, gets its command line in that directory, and the same program marked
# in "Unzip Profile" as a Windows unzip gets the options alone.
#   tests/headless/zip_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox, unzip or zip is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"
command -v unzip >/dev/null && command -v zip >/dev/null || { echo "no unzip or zip: skipped"; exit 77; }

demo_machine
friends="$demo/drive_d/Maps From Friends"
mkdir -p "$work/pack/maps" "$friends"
printf 'the red city' > "$work/pack/maps/REDCITY.MAP"
(cd "$work/pack" && zip -q -r "$friends/Friends Pack.zip" maps) || fail "zip failed"

cat > "$work/run.script" <<'SCRIPT'
command 32846
select-file D:\Maps From Friends\Friends Pack.zip\maps/REDCITY.MAP
answer no
command 32828
SCRIPT
run_script run
expect "$work/run.txt" 'select picked D:\MAPSFR~1\FRIEND~1.ZIP\maps/REDCITY.MAP'
grep -q '^start unzip D:\\MAPSFR~1\\FRIEND~1.ZIP maps/REDCITY.MAP into .*\\~.QF~\\$' "$work/run.txt" ||
  fail "the machine's unzip was not asked for the member"
[ "$(cat "$duke/~.QF~/REDCITY.MAP" 2>/dev/null)" = 'the red city' ] ||
  fail "the map is not in the game's scratch directory"
grep -qi '^TAIL=.*-map REDCITY.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the game was not told to load the map: $(cat "$duke/QFRUN.TXT" 2>/dev/null)"
# The game loads it from the directory it runs in.
grep -qi '^CWD=D:\\GAMES\\DUKE3D' "$duke/QFRUN.TXT" || fail "the game did not run in its directory"
[ "$(cat "$duke/REDCITY.MAP" 2>/dev/null)" = 'the red city' ] ||
  fail "the map the game was told to load is not where it runs"

# The player's own DOS unzip program: a stand-in that records its command line.
mkdir -p "$demo/drive_c/PKUNZIP"
cp "$build/standin.com" "$demo/drive_c/PKUNZIP/PKUNZIP.EXE"
rm -f "$duke/~.QF~/REDCITY.MAP"
run_headless "$demo" "$work/run.script" "$work/run2.txt" --output "$work/run2.out"
echo "--- transcript with the DOS unzip"; cat "$work/run2.txt"
grep -q '^start command c:\\pkunzip\\pkunzip.exe -e -o  -d -jD:\\MAPSFR~1\\FRIEND~1.ZIP in .*\\~.QF~\\$' \
  "$work/run2.txt" || fail "the DOS unzip program did not get its command line"
grep -q '^TAIL= -e -o  -d -jD:\\MAPSFR~1\\FRIEND~1.ZIP' "$duke/~.QF~/QFRUN.TXT" 2>/dev/null ||
  fail "the stand-in unzip did not receive the command line: $(cat "$duke/~.QF~/QFRUN.TXT" 2>/dev/null)"
grep -q 'could not be taken out of' "$work/run2.txt" ||
  fail "a member the program did not produce was not said"

# "Unzip Profile": the same program marked as a Windows unzip gets the options alone.
cat > "$work/profile.script" <<'SCRIPT'
field Unzip Program = c:\pkunzip\pkunzip.exe
field WinZip = on
press ok
command 32939
command 32846
select-file D:\Maps From Friends\Friends Pack.zip\maps/REDCITY.MAP
answer no
command 32828
SCRIPT
run_script profile
expect "$work/profile.txt" 'field WinZip = on'
grep -q '^start command c:\\pkunzip\\pkunzip.exe -e -o D:\\MAPSFR~1\\FRIEND~1.ZIP in ' "$work/profile.txt" ||
  fail "the unzip program chosen in the profile did not get the Windows options"
grep -q '^WinZip=1' "$demo/drive_c/QF95/Quillfen.Zip" || fail "the profile was not kept"
[ "$failures" -eq 0 ] || exit 1
echo "zip run: ok"

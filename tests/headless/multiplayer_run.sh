#!/usr/bin/env bash
# qf95-headless end to end in multiplayer mode on a demo machine, as a player sets it up: a map
# run twice is the favourites tab's one line, counted twice; then Duke Nukem 3D switched to multiplayer, 4 players, the name "Kestrel", "NetWork/IPX" and the
# socket "88A5" typed (after "123", which is refused): "Run" starts COMMIT with its switches in
# a real DOS session and COMMIT.DAT holds the players and the socket, the game's settings file
# the name; then Doom II starts IPXSETUP with "-nodes 4".
#   tests/headless/multiplayer_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
cat > "$work/run.script" <<'SCRIPT'
command 32846
select-file D:\GAMES\DUKE3D\CITY.MAP
answer no
command 32828
answer no
command 32828
command 32910
select-favourite 1
command 32903
set players 4
type name Kestrel
set comm NetWork/IPX
type socket 123
type socket 88A5
show multiplayer
answer no
command 32828
command 32853
show multiplayer
answer no
command 32828
SCRIPT
run_headless "$demo" "$work/run.script" "$work/run.txt" --output "$work/dosbox.out"
rc=$?
echo "--- transcript"; cat "$work/run.txt"
[ "$rc" -eq 0 ] || fail "run ended with $rc: $(cat "$work/run.txt.err")"
# The map launched twice is one favourite counted twice, dated today.
expect "$work/run.txt" 'favourites 1'
expect "$work/run.txt" "favourite 002  [$(LC_ALL=C date +%d-%b-%y)]  CITY.MAP"
expect "$work/run.txt" 'select picked D:\games\Duke3d\CITY.MAP'
expect "$work/run.txt" 'box Quillfen95: Socket number must be a four digit number'
expect "$work/run.txt" '  Number of Players = [2 | 3 | 4 | 5 | 6 | 7 | 8] = 4'
expect "$work/run.txt" '  SOCKET NUMBER = [8849 | 88A5] = 88A5'
# The picked map goes to the game through COMMIT in place of episode and level.
expect "$work/run.txt" 'start dos commit.exe /c1 "-map CITY.MAP" in D:\GAMES\DUKE3D'
# Doom II takes four players at most; the socket picked is the one typed for Duke.
expect "$work/run.txt" '  Number of Players = [2 | 3 | 4] = 4'
expect "$work/run.txt" 'start dos ipxsetup.exe "-nodes 4" -altdeath "-port 34981" "-warp 1" "-skill 1" in E:\DOOM2'
[ "$(grep -c '^box Quillfen95: Socket number' "$work/run.txt")" -eq 1 ] ||
  fail "the refused socket was not told exactly once"

duke="$demo/drive_d/GAMES/DUKE3D"
commit=$(ls "$duke" | grep -ix commit.dat)
if [ -n "$commit" ]; then
  tr -d '\r' < "$duke/$commit" > "$work/commit.txt"
  expect "$work/commit.txt" 'COMMTYPE = 3'
  expect "$work/commit.txt" 'NUMPLAYERS = 4'
  expect "$work/commit.txt" 'SOCKETNUMBER = 34981'
else
  fail "no COMMIT.DAT in the game's directory"
fi
grep -q 'PlayerName = "Kestrel"' "$duke/DUKE3D.CFG" || fail "the player's name is not in DUKE3D.CFG"
grep -q '^TAIL= /c1 -map CITY.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "COMMIT did not run in the game's directory with its switches"
[ "$failures" -eq 0 ] || exit 1
echo "multiplayer run: ok"

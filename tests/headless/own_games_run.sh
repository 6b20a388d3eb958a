#!/usr/bin/env bash
# qf95-headless end to end, in a real DOS session: a player's games where the player keeps them.
# A prefix with only C: and Z:, a stand-in Duke Nukem 3D in "<tmp>/My Games/Duke Nukem 3D/"
# and a map in "<tmp>/Maps From Friends/" (no letter of its own: reached as Z:\...). The first
# start offers the folder, it becomes D: and the game is found; the map is picked through Z:,
# "Run" starts the stand-in in DOSBox, which writes the 8.3 directory it ran in and its tail.
#   tests/headless/own_games_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

mkdir -p "$work/prefix/drive_c/QF95" "$work/prefix/dosdevices"
ln -s ../drive_c "$work/prefix/dosdevices/c:"
ln -s / "$work/prefix/dosdevices/z:"
cp "$build/Quillfen.Sig" "$build/arg_pass.com" "$work/prefix/drive_c/QF95/"
games="$work/My Games"
mkdir -p "$games/Duke Nukem 3D" "$work/Maps From Friends"
cp "$build/standin.com" "$games/Duke Nukem 3D/DUKE3D.EXE"
printf 'a map' > "$work/Maps From Friends/City Of Friends.map"
zmap="Z:$(printf '%s' "$work/Maps From Friends/City Of Friends.map" | tr / '\\')"

cat > "$work/run.script" <<SCRIPT
answer yes
choose-folder $games
command 32846
select-file $zmap
set skill 3
answer no
command 32828
SCRIPT
(cd "$work/prefix/drive_c/QF95" &&
  timeout 150 "$exe" --prefix "$work/prefix" --output "$work/dosbox.out" "$work/run.script") \
  >"$work/run.txt" 2>"$work/run.err"
rc=$?
echo "--- transcript"; cat "$work/run.txt"
[ "$rc" -eq 0 ] || fail "run ended with $rc: $(cat "$work/run.err")"
expect "$work/run.txt" 'command 32846 Duke3D 1.3 Reg.'
grep -q '^select picked Z:.*\\MAPSFR~1\\CITYOF~1.MAP$' "$work/run.txt" || fail "the map was not picked"
expect "$work/run.txt" 'start dos duke3d.exe /s3 "-map CITYOF~1.MAP" in D:\DUKENU~1'
ran="$games/Duke Nukem 3D/QFRUN.TXT"
[ -f "$ran" ] || fail "the stand-in did not run: $(tail -5 "$work/dosbox.out")"
[ "$(tr -d '\r' < "$ran")" = "$(printf 'CWD=D:\\DUKENU~1\nTAIL= /s3 -map CITYOF~1.MAP')" ] ||
  fail "the stand-in saw: $(cat "$ran")"

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))

#!/usr/bin/env bash
# qf95-headless end to end on a demo machine (tools/make_demo_machine.sh):
#   1. a first start that finds the stand-in games, a pick of Duke Nukem 3D, a user map picked
#      in the file lists (one in a sub-directory first, so a list is walked there and back),
#      a skill, "Run" in a real DOS session and the pause question after it: the transcript
#      shows the session with the composed arguments, and the stand-in wrote QFRUN.TXT in the
#      game's directory;
#   2. a first start that finds no game: the offer to choose the games' folder is declined, the
#      location dialog is asked for and cancelled, and the boxes take the script's answers in
#      order (an OK to try again, then a cancel);
#   3. scripts the driver must refuse.
#   tests/headless/headless_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

# 1. Run a user map of the found game.
demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
cat > "$work/run.script" <<'SCRIPT'
# the first game the search found: Duke Nukem 3D on D:
command 32846
select-file D:\GAMES\DUKE3D\User Maps\Moon Base.map
select-file D:\GAMES\DUKE3D\CITY.MAP
set skill 3
# the pause question after the session; its safe answer would be no
answer yes
command 32828
SCRIPT
(cd "$demo/drive_c/QF95" &&
  timeout 150 "$exe" --prefix "$demo/prefix" --output "$work/dosbox.out" "$work/run.script") \
  >"$work/run.txt" 2>"$work/run.err"
rc=$?
echo "--- transcript 1"; cat "$work/run.txt"
[ "$rc" -eq 0 ] || fail "run ended with $rc: $(cat "$work/run.err")"
expect "$work/run.txt" 'command 32846 Duke3D 1.3 Reg.'
expect "$work/run.txt" 'select picked D:\GAMES\DUKE3D\USERMA~1\MOONBA~1.MAP'
expect "$work/run.txt" 'select picked D:\GAMES\DUKE3D\CITY.MAP'
start='start dos duke3d.exe /s3 "-map CITY.MAP" in D:\GAMES\DUKE3D'
expect "$work/run.txt" "$start"
[ "$(grep -c '^start ' "$work/run.txt")" -eq 1 ] || fail "not exactly one program start"
pause=$(line_of "$work/run.txt" 'box Quillfen95: Do you wish to to set the Pause-Before-Returning-From-Game option?\n  This option can be used to trouble-shoot a launching problem.\nSee help file for more information.')
[ "$pause" -gt 0 ] || fail "no pause question"
[ "$(sed -n "$((pause + 1))p" "$work/run.txt")" = "-> yes" ] || fail "the pause question did not get the script's yes"
[ "$(line_of "$work/run.txt" "$start")" -lt "$pause" ] || fail "the pause question came before the session"
[ "$(tail -1 "$work/run.txt")" = "end" ] || fail "the transcript does not end with the close"
qfrun="$demo/drive_d/GAMES/DUKE3D/QFRUN.TXT"
if [ -f "$qfrun" ]; then
  grep -q '^CWD=D:\\GAMES\\DUKE3D' "$qfrun" || fail "the game ran elsewhere: $(cat "$qfrun")"
  grep -q '^TAIL= /s3 -map CITY.MAP' "$qfrun" || fail "the game got other arguments: $(cat "$qfrun")"
else
  fail "the stand-in wrote no QFRUN.TXT in the game directory"
fi
grep -q DOSBox "$work/dosbox.out" 2>/dev/null || fail "DOSBox's own output did not go to --output"
grep -q DOSBox "$work/run.txt" && fail "DOSBox's output is in the transcript"

# 2. No game on the machine: the first start's boxes and dialog.
empty="$work/empty"
"$tools/make_demo_machine.sh" "$build" "$empty" >/dev/null
find "$empty/drive_d" "$empty/drive_e" -iname '*.exe' -delete
printf 'answer no\nanswer ok\nanswer ok\nanswer cancel\ncommand 32880\n' >"$work/empty.script"
(cd "$empty/drive_c/QF95" && timeout 60 "$exe" --prefix "$empty/prefix" <"$work/empty.script") \
  >"$work/empty.txt" 2>"$work/empty.err"
rc=$?
echo "--- transcript 2"; cat "$work/empty.txt"
[ "$rc" -eq 0 ] || fail "the start without games ended with $rc: $(cat "$work/empty.err")"
cat >"$work/empty.expected" <<'EXPECTED'
box Quillfen95: No game was found on the drives.\n\nDo you want to choose the folder where your games are?  It becomes drive F: and is searched.
-> no
box Quillfen95: Quillfen95 has the ability to launch up to tweenty different games.  Please select the game(s) you which to launch and initialize.
-> ok
dialog Game Location Configuration
box Quillfen95: No Game defined.  In order to continue at least one game must be defined
-> ok
dialog Game Location Configuration
box Quillfen95: No Game defined.  In order to continue at least one game must be defined
-> cancel
command 32880 Sound/Video/Memory Options
dialog Sound/Video/Memory Options
EXPECTED
head -12 "$work/empty.txt" | diff "$work/empty.expected" - || fail "the start without games went otherwise"
grep -q '^start ' "$work/empty.txt" && fail "a program was started without a game"

# 3. Scripts the driver refuses: an unknown directive before anything runs (2), and an answer
#    the next question does not offer (1).
(cd "$empty/drive_c/QF95" && printf 'command 32828\nclick Play\n' |
  "$exe" --prefix "$empty/prefix" >"$work/bad.txt" 2>"$work/bad.err")
rc=$?
[ "$rc" -eq 2 ] || fail "an unknown directive gave $rc"
grep -q 'line 2' "$work/bad.err" || fail "the refusal does not name the line: $(cat "$work/bad.err")"
[ -s "$work/bad.txt" ] && fail "a refused script still ran"
(cd "$empty/drive_c/QF95" && printf 'answer no\nanswer yes\n' |
  "$exe" --prefix "$empty/prefix" >"$work/bad.txt" 2>"$work/bad.err")
rc=$?
[ "$rc" -eq 1 ] || fail "yes for an OK/Cancel box gave $rc"

[ "$failures" -eq 0 ] && echo "headless run: all checks passed"
exit $((failures > 0))

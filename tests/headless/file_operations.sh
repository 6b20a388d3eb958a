#!/usr/bin/env bash
# The file manager's operations as a player works them: a map deleted with its text and zip
# (three questions, in order, the zip kept), the same delete in expert mode (no question, the
# files in the desktop's trash), a copy onto itself, a copy and a rename.
#   tests/headless/file_operations.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"
unset XDG_DATA_HOME  # the trash is the one of this run's home

demo_machine
mkdir -p "$duke/NEWMAPS"
for f in MAP01.MAP MAP01.TXT MAP01.ZIP MAP02.MAP MAP02.TXT MAP02.ZIP MAP03.MAP; do
  echo "$f" > "$duke/$f"
done
cat > "$work/ops.script" <<'SCRIPT'
command 32846
select-file D:\GAMES\DUKE3D\MAP01.MAP
answer yes
answer yes
answer no
command 32794
command 32892
select-file D:\GAMES\DUKE3D\MAP02.MAP
command 32935
command 32892
select-dir D:\GAMES\DUKE3D\
select-file D:\GAMES\DUKE3D\MAP03.MAP
command 32801
select-dir D:\GAMES\DUKE3D\NEWMAPS
answer ok
command 32801
field Name = Harbour Town
press ok
command 32795
select-file D:\GAMES\DUKE3D\Harbour Town.MAP
field Name = ..\CITY
press ok
command 32936
SCRIPT
run_headless "$demo" "$work/ops.script" "$work/ops.txt"
rc=$?
echo "--- transcript"; cat "$work/ops.txt"
[ "$rc" -eq 0 ] || fail "the run ended with $rc: $(cat "$work/ops.txt.err")"

# (The transcript shows every line break as \n.)
# The delete asks for the file, its text and its zip, in that order.
q1=$(line_of "$work/ops.txt" 'box Quillfen95: Are you sure you want to DELETE:\n\nD:\GAMES\DUKE3D\MAP01.MAP')
q2=$(line_of "$work/ops.txt" 'box Quillfen95: Do you want to delete the text file (D:\GAMES\DUKE3D\MAP01.txt) associated with D:\GAMES\DUKE3D\MAP01.MAP')
q3=$(line_of "$work/ops.txt" 'box Quillfen95: Do you want to delete the zip file (D:\GAMES\DUKE3D\MAP01.zip) associated with D:\GAMES\DUKE3D\MAP01.MAP')
{ [ "$q1" -gt 0 ] && [ "$q2" -gt "$q1" ] && [ "$q3" -gt "$q2" ]; } ||
  fail "the delete's questions are not file, text, zip ($q1 $q2 $q3)"
[ -e "$duke/MAP01.ZIP" ] || fail "MAP01.ZIP went although the answer was no"
trash="$HOME/.local/share/Trash"
for f in MAP01.MAP MAP01.TXT MAP02.MAP MAP02.TXT MAP02.ZIP; do
  [ -e "$duke/$f" ] && fail "$f is still there"
  [ -f "$trash/files/$f" ] || fail "$f is not in the trash"
  grep -q "^Path=$duke/$f\$" "$trash/info/$f.trashinfo" 2>/dev/null ||
    grep -q "^Path=.*/GAMES/DUKE3D/$f\$" "$trash/info/$f.trashinfo" ||
    fail "$f.trashinfo does not say where it was"
done
# Expert mode: no question for MAP02 and its companions.
refuse "$work/ops.txt" 'box Quillfen95: Are you sure you want to DELETE:\n\nD:\GAMES\DUKE3D\MAP02.MAP'
expect "$work/ops.txt" 'box Quillfen95: Source file (D:\GAMES\DUKE3D\MAP03.MAP) is the same as destination (D:\GAMES\DUKE3D\MAP03.MAP).\nTo copy/move file, select the source file in the LEFT list box.  Then select the destination Directory/Folder on the Long-Name tab (Right-List).'
expect "$work/ops.txt" 'box Quillfen95: Copy \n\nSource: D:\GAMES\DUKE3D\MAP03.MAP\nDest: D:\GAMES\DUKE3D\NEWMAPS\MAP03.MAP'
[ -f "$duke/NEWMAPS/MAP03.MAP" ] || fail "MAP03.MAP was not copied"
expect "$work/ops.txt" 'dialog Rename offering MAP03'
expect "$work/ops.txt" 'dialog Rename offering Harbour Town'
[ -f "$duke/Harbour Town.MAP" ] || fail "MAP03.MAP was not renamed to Harbour Town.MAP"
[ -e "$duke/MAP03.MAP" ] && fail "MAP03.MAP is still there after the rename"
# A name that leaves the directory is refused.
[ -e "$demo/drive_d/GAMES/CITY.MAP" ] && fail "the rename left the directory"
grep -qF 'cannot be used: give a name only' "$work/ops.txt" || fail "no refusal of ..\\CITY"
[ "$failures" -eq 0 ] || exit 1
echo "file operations: ok"

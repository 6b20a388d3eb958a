#!/usr/bin/env bash
# qf95-headless end to end: a player's games outside the prefix.
#   1. A prefix with only C: and Z: and a stand-in Duke Nukem 3D in "<tmp>/My Games/Duke Nukem
#      3D/": the first start finds nothing, offers the folder chooser, the chosen folder becomes
#      D: (a dosdevices link) and the game is found there; then the Drives dialog: listed, a
#      drive added, a refused change explained, C: not removable, the added drive removed.
#   2. The same machine with the offer declined: no drive is made and the game location dialog
#      comes as before.
#   tests/headless/game_folder_offer.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")

# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"

# A fresh prefix as the program makes it, with the factory definitions in C:\QF95\.
machine() {
  rm -rf "$work/prefix"
  mkdir -p "$work/prefix/drive_c/QF95" "$work/prefix/dosdevices"
  ln -s ../drive_c "$work/prefix/dosdevices/c:"
  ln -s / "$work/prefix/dosdevices/z:"
  cp "$build/Quillfen.Sig" "$work/prefix/drive_c/QF95/"
}
run() {  # SCRIPT TRANSCRIPT
  (cd "$work/prefix/drive_c/QF95" && timeout 60 "$exe" --prefix "$work/prefix" "$1") >"$2" \
    2>"$2.err"
}

games="$work/My Games"
mkdir -p "$games/Duke Nukem 3D" "$work/Other Folder"
cp "$build/standin.com" "$games/Duke Nukem 3D/DUKE3D.EXE"

# 1. The offer taken, then the Drives dialog.
machine
cat > "$work/take.script" <<SCRIPT
answer yes
choose-folder $games
# the game the search found on the new drive
command 32846
drives show
drives add $work/Other Folder
drives change E: $work/not there
drives remove c
drives remove E
SCRIPT
run "$work/take.script" "$work/take.txt"
rc=$?
echo "--- transcript 1"; cat "$work/take.txt"
[ "$rc" -eq 0 ] || fail "run 1 ended with $rc: $(cat "$work/take.txt.err")"
expect "$work/take.txt" 'box Quillfen95: No game was found on the drives.\n\nDo you want to choose the folder where your games are?  It becomes drive D: and is searched.'
expect "$work/take.txt" '-> yes'
expect "$work/take.txt" 'dialog Choose the folder where your games are'
expect "$work/take.txt" "-> $games"
refuse "$work/take.txt" 'dialog Game Location Configuration'
expect "$work/take.txt" 'command 32846 Duke3D 1.3 Reg.'
[ "$(readlink "$work/prefix/dosdevices/d:")" = "$games" ] || fail "d: does not link to $games"
grep -aqF 'D:\Duke Nukem 3D\' "$work/prefix/drive_c/QF95/QuillfenGameInfo.dat" ||
  fail "the game file does not hold D:\\Duke Nukem 3D\\"
expect "$work/take.txt" 'command 32995 Drives...'
expect "$work/take.txt" 'dialog Drives'
expect "$work/take.txt" "drive C: $work/prefix/drive_c"
expect "$work/take.txt" "drive D: $games"
expect "$work/take.txt" 'drive Z: /'
expect "$work/take.txt" '-> close'
expect "$work/take.txt" "-> add E: $work/Other Folder"
expect "$work/take.txt" "drive E: $work/Other Folder"
expect "$work/take.txt" "-> change E: $work/not there"
expect "$work/take.txt" "box Drives: The folder \"$work/not there\" does not exist."
expect "$work/take.txt" '-> remove C:'
expect "$work/take.txt" '-> disabled'
expect "$work/take.txt" '-> remove E:'
[ -L "$work/prefix/dosdevices/c:" ] || fail "c: was removed"
[ -e "$work/prefix/dosdevices/e:" ] && fail "e: is still there"
[ -d "$work/Other Folder" ] || fail "the removed drive's folder went too"
expect "$work/take.txt" 'end'

# A second start loads what the first one found, without asking again.
cat > "$work/again.script" <<SCRIPT
command 32846
SCRIPT
run "$work/again.script" "$work/again.txt"
echo "--- transcript 2"; cat "$work/again.txt"
expect "$work/again.txt" 'command 32846 Duke3D 1.3 Reg.'
refuse "$work/again.txt" 'dialog Choose the folder where your games are'

# 2. The offer declined.
machine
cat > "$work/decline.script" <<SCRIPT
answer no
SCRIPT
run "$work/decline.script" "$work/decline.txt"
rc=$?
echo "--- transcript 3"; cat "$work/decline.txt"
[ "$rc" -eq 0 ] || fail "run 3 ended with $rc: $(cat "$work/decline.txt.err")"
expect "$work/decline.txt" '-> no'
refuse "$work/decline.txt" 'dialog Choose the folder where your games are'
expect "$work/decline.txt" 'dialog Game Location Configuration'
[ -e "$work/prefix/dosdevices/d:" ] && fail "a drive was made though the offer was declined"

# Scripts the driver refuses before running anything.
for bad in 'drives add' 'drives remove' 'drives change D:' 'drives remove 7' 'drives swap D: E:' \
  'choose-folder'; do
  printf '%s\n' "$bad" > "$work/bad.script"
  run "$work/bad.script" "$work/bad.txt"
  [ $? -eq 2 ] || fail "'$bad' was not refused with status 2"
done

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))

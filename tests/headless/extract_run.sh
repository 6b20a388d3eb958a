#!/usr/bin/env bash
# EditTools' extraction as a player runs it: "Extract Map" with Duke Nukem 3D's extractor (a
# stand-in that records its command line) run in a real DOS session in the list's directory,
# given the game's group file and the pattern; "EditArt" without the editor says it is missing.
#   tests/headless/extract_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin.com" "$duke/KEXTRACT.EXE"
printf 'KenSilverman' > "$duke/DUKE3D.GRP"

cat > "$work/run.script" <<'SCRIPT'
command 32846
command 32777
command 32776
SCRIPT
run_script run
grep -qi '^start command D:\\games\\Duke3d\\kextract.exe D:\\games\\Duke3d\\DUKE3D.GRP \*.MAP' \
  "$work/run.txt" || fail "the extractor was not run with the group file and the pattern"
grep -q '^TAIL= D:\\GAMES\\DUKE3D\\DUKE3D.GRP \*.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  grep -qi 'DUKE3D.GRP \*.MAP' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the stand-in extractor did not get the group file and the pattern"
expect "$work/run.txt" 'box Quillfen95: D:\games\Duke3d\editart.exe program is not in the Game directory. See "EditArt", "KExtract", and "goodies directory" for more information'
[ "$failures" -eq 0 ] || exit 1
echo "extract run: ok"

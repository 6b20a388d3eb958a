#!/usr/bin/env bash
# qf95-headless end to end with a real game: a first start on a fresh prefix finds Chocolate
# Doom with Freedoom's data and defines "Freedoom: Phase 2"; "Run" plays its first demo in the
# port (skill 4, level 7, the typed extra options), a WAD picked in the file manager reaches
# the port by its host path (a long name with blanks), and the same game switched to DOSBox in
# the define-game dialog runs the DOS way again (a stand-in in DOSBox).
#   tests/headless/native_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) without chocolate-doom, Freedoom or DOSBox.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
iwad=/usr/share/games/doom/freedoom2.wad
port=$(PATH="$PATH:/usr/games" command -v chocolate-doom) || { echo "skipped: no chocolate-doom"; exit 77; }
[ -f "$iwad" ] || { echo "skipped: no $iwad (package freedoom)"; exit 77; }
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"
# The port keeps its configuration under $HOME, which is the scratch directory's own; the
# first start looks for the ports where this machine has them.
unset QF95_NATIVE_PATH QF95_NATIVE_DATA

prefix="$work/prefix"
mkdir -p "$prefix/drive_c/QF95" "$prefix/dosdevices"
ln -s ../drive_c "$prefix/dosdevices/c:"
ln -s / "$prefix/dosdevices/z:"
cp "$build/Quillfen.Sig" "$build/arg_pass.com" "$prefix/drive_c/QF95/"
# A WAD with no lumps: the port adds it and plays on.
mkdir -p "$work/My Maps"
printf 'PWAD\0\0\0\0\014\0\0\0' > "$work/My Maps/Some Map.wad"
wad_dos="Z:$(printf '%s' "$work/My Maps/Some Map.wad" | tr / '\\')"

run() {  # run SCRIPT TRANSCRIPT: the driver in C:\QF95\ of the prefix, the port's output kept
  (cd "$prefix/drive_c/QF95" &&
    timeout 150 "$exe" --prefix "$prefix" --output "$2.out" --timeout 60 "$1") >"$2" 2>"$2.err"
  local rc=$?
  echo "--- $2"; cat "$2"
  [ "$rc" -eq 0 ] || fail "$1 ended with $rc: $(cat "$2.err")"
}

# 1. The first start defines the game and selects it (no DOS game here); it plays the demo.
cat > "$work/play.script" <<SCRIPT
field Extra Command Line Options = <cml>-timedemo demo1 -nodraw -nosound
press ok
command 32787
set skill 4
set level 7
command 32828
select-file $wad_dos
command 32828
SCRIPT
run "$work/play.script" "$work/play.txt"
grep -q '^\[20\]$' "$prefix/drive_c/QF95/Quillfen.Run" || fail "slot 20 is not run natively"
expect "$work/play.txt" "start native $port -iwad $iwad -timedemo demo1 -nodraw -nosound -warp 7 -skill 4 in Z:\\usr\\share\\games\\doom\\"
expect "$work/play.txt" "start native $port -iwad $iwad -timedemo demo1 -nodraw -nosound -warp 7 -skill 4 -file \"$work/My Maps/Some Map.wad\" in Z:\\usr\\share\\games\\doom\\"
# A port's short run is no launching problem: no pause question, no box at all.
grep -q '^box ' "$work/play.txt" && fail "a box was shown"
# The port played the demo, twice, with the switches it was given.
[ "$(grep -c 'timed [0-9]* gametics' "$work/play.txt.out")" -eq 2 ] ||
  fail "the port did not play the demo twice: $(tail -5 "$work/play.txt.out")"
[ "$(grep -c 'startskill 3  deathmatch: 0  startmap: 7' "$work/play.txt.out")" -eq 2 ] ||
  fail "the port did not get -skill 4 -warp 7"
grep -qF " adding $work/My Maps/Some Map.wad" "$work/play.txt.out" || fail "the port did not add the WAD"

# 2. The same game switched to DOSBox, with a stand-in as its program.
mkdir -p "$prefix/drive_c/STANDIN"
cp "$build/standin.com" "$prefix/drive_c/STANDIN/DOOM2.EXE"
cat > "$work/dos.script" <<'SCRIPT'
field Run with = DOSBox
field Game Execution File = C:\STANDIN\DOOM2.EXE
press ok
define-game 20
answer no
command 32828
SCRIPT
run "$work/dos.script" "$work/dos.txt"
grep -q '^RunWith=dosbox$' "$prefix/drive_c/QF95/Quillfen.Run" || fail "DOSBox was not kept"
grep -q '^start dos DOOM2.EXE .*"-warp 7" "-skill 4" "-file Z:\\.*\\SOMEMA~1.WAD" in C:\\STANDIN$' "$work/dos.txt" ||
  fail "no DOS session start"
ran="$prefix/drive_c/STANDIN/QFRUN.TXT"
[ -f "$ran" ] || fail "the stand-in did not run: $(tail -5 "$work/dos.txt.out")"
grep -q 'CWD=C:\\STANDIN' "$ran" || fail "the stand-in saw: $(cat "$ran")"

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))

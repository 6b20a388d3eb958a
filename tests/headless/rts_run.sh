#!/usr/bin/env bash
# The RTS editor as a player runs it, with a stand-in RTS tool in real DOS sessions: the picked
# RTS file is unpacked ("-u") in the working directory beside it, one sound is replaced by a
# file with a long name from another directory, and Finish packs the list ("MakeRts.txt") and
# puts the rebuilt file in place of the old one; the working directory is gone afterwards.
# Then "Create New RTS File" with the list in the game directory: "new.rts" there, edited the
# same way.
#   tests/headless/rts_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin_rts.com" "$duke/RTSUTIL.EXE"
# An RTS file whose name table (168 bytes before its end) names TAUNT01 ... TAUNT10.
python3 - "$duke/DUKE.RTS" <<'PY'
import sys
table = b"".join(b"TAUNT%02d\0" % i + bytes(8) for i in range(1, 11))
open(sys.argv[1], "wb").write(b"sounds" * 20 + table + bytes(8))
PY
mkdir -p "$duke/Sounds"
printf 'a cheer' > "$duke/Sounds/Big Cheer.wav"

cat > "$work/run.script" <<'SCRIPT'
command 32846
select-file D:\GAMES\DUKE3D\DUKE.RTS
field Sound = 2
field File = [..]
field File = [Sounds]
field File = Big Cheer.wav
press ok
command 32784
command 32985
field Sound = 1
press ok
command 32785
SCRIPT
run_script run

unpack=$(line_of "$work/run.txt" 'start command D:\games\Duke3d\rtsutil.exe -u DUKE.RTS in D:\games\Duke3d\~~delete.~me\')
pack=$(line_of "$work/run.txt" 'start command D:\games\Duke3d\rtsutil.exe MakeRts.txt in D:\games\Duke3d\~~delete.~me\')
[ "$unpack" -gt 0 ] || fail "the RTS tool was not run with -u in the working directory"
[ "$pack" -gt "$unpack" ] || fail "the RTS tool was not run on MakeRts.txt after the unpacking"
expect "$work/run.txt" '  sound TAUNT01.voc'
expect "$work/run.txt" '  sound BIGCHE~1.WAV'
# The stand-in writes "RTS BUILT" and the list it was given into the RTS file the list names.
rebuilt=$(tr -d '\r\0' < "$duke/DUKE.RTS")
expected_list=$(printf 'RTS BUILT\nDUKE.RTS\nTAUNT01.voc\nBIGCHE~1.WAV')
[ "${rebuilt:0:${#expected_list}}" = "$expected_list" ] ||
  fail "DUKE.RTS is not the rebuilt file with the replaced sound: $(head -c 200 "$duke/DUKE.RTS")"
grep -q '^TAUNT10.voc$' <<<"$rebuilt" || fail "the list lacks the tenth sound"
# ... and ends with the name table, which the editor reads the next time.
python3 - "$duke/DUKE.RTS" <<'PY' || fail "the rebuilt DUKE.RTS has no name table of the sounds"
import sys
data = open(sys.argv[1], "rb").read()[-168:]
names = [data[16 * i:16 * i + 8].rstrip(b"\0").decode() for i in range(10)]
sys.exit(names != ["TAUNT01", "BIGCHE~1"] + ["TAUNT%02d" % i for i in range(3, 11)])
PY
[ -e "$duke/~~delete.~me" ] && fail "the working directory was left: $(ls "$duke/~~delete.~me")"
[ "$(cat "$duke/Sounds/Big Cheer.wav")" = 'a cheer' ] || fail "the replacement sound was changed"

# A new RTS file from the game's own one, in the game directory.
[ -f "$duke/new.rts" ] || fail "no new.rts in the game directory"
[ "$(head -c 20 "$duke/new.rts" 2>/dev/null | tr -d '\r')" = "$(printf 'RTS BUILT\nnew.rts')" ] ||
  fail "new.rts was not rebuilt by the RTS tool: $(head -c 200 "$duke/new.rts" 2>/dev/null)"
expect "$work/run.txt" 'start command D:\games\Duke3d\rtsutil.exe -u new.rts in D:\games\Duke3d\~~delete.~me\'
[ -e "$duke/~~delete.~me" ] && fail "the working directory of the new file was left"
[ "$failures" -eq 0 ] || exit 1
echo "rts run: ok"

#!/usr/bin/env bash
# "Run Game Setup.exe" as a player runs it: the game directory's setup program (the stand-in
# game under the name SETUP.EXE) starts in a DOS session of its own and the program goes on
# without waiting for it; the session runs in the game directory and leaves no configuration
# file behind. "Run Editor/Build Setup" without BSETUP.EXE says so.
#   tests/headless/setup_run.sh QF95_HEADLESS BUILD_DIR
# Exits 77 (skipped) when DOSBox is not installed.
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=dos_session_env.sh
source "$(dirname "$0")/dos_session_env.sh"

demo_machine
cp "$build/standin.com" "$duke/SETUP.EXE"

cat > "$work/run.script" <<'SCRIPT'
command 32846
command 32813
command 32814
SCRIPT
run_script run
expect "$work/run.txt" 'start dos-detached D:\games\Duke3d\setup.exe in D:\games\Duke3d\'
expect "$work/run.txt" 'box Quillfen95: D:\games\Duke3d\bsetup.exe program is not in the Game directory.'

# The session goes on after the program has ended: wait for it (at most 60 s).
for _ in $(seq 1 600); do
  [ -f "$duke/QFRUN.TXT" ] && ! ls "$XDG_RUNTIME_DIR"/quillfen95/start-*.conf >/dev/null 2>&1 && break
  sleep 0.1
done
grep -qi '^CWD=D:\\GAMES\\DUKE3D' "$duke/QFRUN.TXT" 2>/dev/null ||
  fail "the setup program did not run in the game directory: $(cat "$duke/QFRUN.TXT" 2>/dev/null)"
ls "$XDG_RUNTIME_DIR"/quillfen95/start-*.conf 2>/dev/null && fail "the session's configuration was left"
[ "$failures" -eq 0 ] || exit 1
echo "setup run: ok"

#!/usr/bin/env bash
# Makes a demo machine and runs a real first start on it:
#   drive C: the program directory C:\QF95\ with the factory definitions, the argument helper
#   and a game list; drives D: and E: with stand-in games: our small DOS program under the
#   games' program names. It is not the game: when run it writes the directory it ran in and
#   the command line it got to QFRUN.TXT.
# The catalogue is started twice: the first start searches the drives, the second loads
# what the first wrote and runs the current game in DOSBox.
#   tools/demo_first_start.sh BUILD_DIR DEMO_DIR [--check]
set -euo pipefail
build=$(realpath "$1")
demo=$(realpath -m "$2")
check=${3:-}

"$(dirname "$0")/make_demo_machine.sh" "$build" "$demo"

cd "$demo/drive_c/QF95"
echo "== First start (C:\\QF95\\) =="
"$build/qf95-catalogue" --prefix "$demo/prefix" | tee "$demo/first.txt"
echo
echo "== Second start, and Run =="
# Without a display DOSBox runs headless.
[ -n "${DISPLAY:-}" ] || export SDL_VIDEODRIVER=dummy
export QF95_LAUNCH_LOG="$demo/launch.log"
"$build/qf95-catalogue" --prefix "$demo/prefix" --run | tee "$demo/second.txt"
echo "-- what the stand-in game saw (D:\\GAMES\\DUKE3D\\QFRUN.TXT):"
cat "$demo/drive_d/GAMES/DUKE3D/QFRUN.TXT" 2>/dev/null || echo "(nothing: the game did not run)"

if [ "$check" = "--check" ]; then
  fail=0
  expect() { grep -qF -- "$2" "$demo/$1" || { echo "missing in $1: $2"; fail=1; }; }
  expect first.txt '*0    yes      Duke3D 1.3 Reg.      duke3d.exe     D:\games\Duke3d\'
  expect first.txt ' 5    yes      Quake                quake.exe      D:\games\Quake\'
  expect first.txt ' 7    yes      Doom II              doom2.exe      E:\Doom2\'
  expect first.txt ' 9    yes      Heretic              Heretic.exe    E:\3dgames\Heretic\'
  expect first.txt ' 20   yes      Chex Quest           chex.exe       E:\PROGRA~1\Chex\'
  # This machine's native ports come after the listed games: Freedoom in Chocolate Doom.
  slots=21
  if PATH="$PATH:/usr/games" command -v chocolate-doom >/dev/null &&
    [ -f /usr/share/games/doom/freedoom2.wad ]; then
    expect first.txt ' 21   yes      Freedoom: Phase 2'
    slots=$(($(sed -n '/^Slot/,$p' "$demo/first.txt" | grep -E '^[ *][0-9]+ +yes ' | tail -1 |
      tr -d '*' | awk '{print $1}') + 1))
  fi
  diff <(sed -n '/^Slot/,/^ 20/p' "$demo/first.txt") <(sed -n '/^Slot/,/^ 20/p' "$demo/second.txt") \
    || { echo "second start differs"; fail=1; }
  grep -q '^CWD=D:\\GAMES\\DUKE3D' "$demo/drive_d/GAMES/DUKE3D/QFRUN.TXT" \
    || { echo "the stand-in game did not run"; fail=1; }
  [ "$(stat -c %s QuillfenGameInfo.dat)" = $((slots * 12255)) ] || { echo "game file size"; fail=1; }
  [ "$(stat -c %s QuillfenUnivInfo.dat)" = 7346 ] || { echo "settings file size"; fail=1; }
  [ $fail -eq 0 ] && echo "demo check passed"
  exit $fail
fi

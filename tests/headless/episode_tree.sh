#!/usr/bin/env bash
# Picking a content file shows its episodes and levels, as the description tab's tree shows
# them: a Duke Nukem 3D USER CON file of the demo machine, and Freedoom's WAD (the Debian package
# freedoom) picked with Doom II, which lists its thirty-two maps.
#   tests/headless/episode_tree.sh QF95_HEADLESS BUILD_DIR
set -uo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
# shellcheck source=headless_env.sh
source "$(dirname "$0")/headless_env.sh"

demo="$work/demo"
"$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
printf 'definevolumename 0 L.A. MELTDOWN\r\ndefinevolumename 1 LUNAR APOCALYPSE\r\n%s\r\n%s\r\n' \
  'definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST' \
  'definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT' \
  > "$demo/drive_d/GAMES/DUKE3D/USER.CON"
freedoom=/usr/share/games/doom/freedoom2.wad
script='command 32846
select-file D:\GAMES\DUKE3D\USER.CON'
if [ -f "$freedoom" ]; then
  ln -s "$freedoom" "$demo/drive_e/Doom2/FREEDOOM2.WAD"
  script="$script
command 32853
select-file E:\\Doom2\\FREEDOOM2.WAD"
fi
printf '%s\n' "$script" > "$work/tree.script"
run_headless "$demo" "$work/tree.script" "$work/tree.txt"
rc=$?
echo "--- transcript"; cat "$work/tree.txt"
[ "$rc" -eq 0 ] || fail "the run ended with $rc: $(cat "$work/tree.txt.err")"
expect "$work/tree.txt" '  episode 1 : L.A. MELTDOWN'
expect "$work/tree.txt" '    level 2 : RED LIGHT DISTRICT'
expect "$work/tree.txt" '  episode 2 : LUNAR APOCALYPSE'
expect "$work/tree.txt" '  episode 3 : Episode 3'
if [ -f "$freedoom" ]; then
  expect "$work/tree.txt" '  episode 1 : MAP01'
  expect "$work/tree.txt" '  episode 32 : MAP32'
  refuse "$work/tree.txt" '  episode 33 :'
else
  echo "note: $freedoom is missing (package freedoom); the WAD part did not run"
fi
[ "$failures" -eq 0 ] || exit 1
echo "episode tree: ok"

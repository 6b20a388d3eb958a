#!/usr/bin/env bash
# Makes a demo machine under DEMO_DIR:
#   drive C: the program directory C:\QF95\ with the factory definitions, the argument helper
#   and a game list; drives D: and E: with stand-in games: our small DOS program under the
#   games' program names. It is not the game: when run it writes the directory it ran in and
#   the command line it got to QFRUN.TXT.
#   tools/make_demo_machine.sh BUILD_DIR DEMO_DIR
set -euo pipefail
build=$(realpath "$1")
demo=$(realpath -m "$2")

rm -rf "$demo"
mkdir -p "$demo"/{drive_c/QF95,drive_d,drive_e} "$demo/prefix/dosdevices"
ln -s "$demo/drive_c" "$demo/prefix/dosdevices/c:"
ln -s "$demo/drive_d" "$demo/prefix/dosdevices/d:"
ln -s "$demo/drive_e" "$demo/prefix/dosdevices/e:"
ln -s / "$demo/prefix/dosdevices/z:"

standin() {  # path under the demo, game name
  mkdir -p "$(dirname "$demo/$1")"
  cp "$build/standin.com" "$demo/$1"
}
standin drive_d/GAMES/DUKE3D/DUKE3D.EXE "Duke Nukem 3D 1.3"
# Its network start-up program and its settings file, as an installed copy has them.
standin drive_d/GAMES/DUKE3D/COMMIT.EXE "COMMIT"
printf '[Setup]\r\nSetupVersion = "1.3D"\r\n\r\n[Comm Setup]\r\nPlayerName = "DUKE"\r\n' \
  > "$demo/drive_d/GAMES/DUKE3D/DUKE3D.CFG"
standin drive_d/GAMES/Quake/QUAKE.EXE "Quake"
standin drive_e/Doom2/DOOM2.EXE "Doom II"
standin drive_e/3dgames/Heretic/HERETIC.EXE "Heretic"
standin "drive_e/Program Files/Chex/CHEX.EXE" "Chex Quest"
cp "$build/Quillfen.Sig" "$build/arg_pass.com" "$demo/drive_c/QF95/"
cat > "$demo/drive_c/QF95/gamelst1.cfg" <<'CFG'
[Chex Quest]
ExecuteFile = "chex.exe"
SearchDir = "Chex"
GameType = "8"
CFG

# A few user maps to pick in the file lists.
mkdir -p "$demo/drive_d/GAMES/DUKE3D/User Maps"
for map in "Red Light District.map" "Hollywood Holocaust Remix.map" CITY.MAP; do
  printf 'demo map\r\n' > "$demo/drive_d/GAMES/DUKE3D/$map"
done
printf 'demo map\r\n' > "$demo/drive_d/GAMES/DUKE3D/User Maps/Moon Base.map"

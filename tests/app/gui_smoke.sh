#!/usr/bin/env bash
# Starts quillfen95 under Xvfb on a made-up machine (the program in C:\QF95\, Duke Nukem 3D
# 1.3 on drive D: as our stand-in game), takes screenshots and checks what the program left
# behind:
#   1. a first start: the drive search finds the game; the window is drawn (not blank); the
#      close writes ToolBar.dat with the default layout and the catalogue files;
#   2. the about box over the main window;
#   3. a start with the main toolbar docked on the left: it is still there at the next close.
#   tests/app/gui_smoke.sh QUILLFEN95 BUILD_DIR SHOT_DIR
# Exits 77 (skipped) when Xvfb or ImageMagick is missing.
set -euo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
shots=$(realpath -m "$3")
for tool in xvfb-run import identify; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"/{drive_c/QF95,drive_d/GAMES/DUKE3D,prefix/dosdevices,home} "$shots"
ln -s "$work/drive_c" "$work/prefix/dosdevices/c:"
ln -s "$work/drive_d" "$work/prefix/dosdevices/d:"
ln -s / "$work/prefix/dosdevices/z:"
cp "$build/Quillfen.Sig" "$build/arg_pass.com" "$work/drive_c/QF95/"
cp "$build/standin.com" "$work/drive_d/GAMES/DUKE3D/DUKE3D.EXE"
program="$work/drive_c/QF95"

# One run of the program: waits until the window titled $2 is drawn, takes the screenshot $1,
# then ends the program with SIGTERM (which closes it as "Exit" does).
cat > "$work/run_once.sh" <<'RUN'
#!/usr/bin/env bash
set -u
shot=$1 title=$2 exe=$3 ready=$4
rm -f "$ready"
"$exe" &
pid=$!
for _ in $(seq 1 600); do
  [ -f "$ready" ] && grep -qxF -- "$title" "$ready" && break
  kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; exit 1; }
  sleep 0.1
done
grep -qxF -- "$title" "$ready" 2>/dev/null || { echo "no window \"$title\" (last: $(cat "$ready" 2>/dev/null))"; kill -KILL "$pid"; exit 1; }
sleep 1
import -window root "$shot"
kill -TERM "$pid"
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "the program did not close"; kill -KILL "$pid"; exit 1; fi
wait "$pid"
RUN
chmod +x "$work/run_once.sh"

fail=0
run() {  # screenshot name, expected window title, extra environment...
  local shot="$shots/$1.png" title=$2
  shift 2
  # GTK and fontconfig keep their caches to the end: in a sanitizer build only our leaks
  # would count, and those are the unit tests' to find.
  (cd "$program" && env HOME="$work/home" QF95_PREFIX="$work/prefix" \
     QF95_TEST_READY_FILE="$work/ready" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
     "$@" \
     xvfb-run -a -s "-screen 0 1280x1024x24" "$work/run_once.sh" "$shot" "$title" "$exe" \
       "$work/ready") || { echo "run $shot failed"; fail=1; return; }
  # A drawn window has more than one colour.
  local deviation
  deviation=$(identify -format '%[fx:standard_deviation]' "$shot")
  awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || { echo "$shot looks blank ($deviation)"; fail=1; }
}
le_words() { od -An -t d4 -v "$1" | xargs; }

run main_window "Duke3D 1.3 Reg. - Quillfen95"
[ "$(stat -c %s "$program/QuillfenUnivInfo.dat" 2>/dev/null)" = 7346 ] || { echo "no settings file"; fail=1; }
[ "$(le_words "$program/ToolBar.dat" 2>/dev/null)" = "59419 59422 1 1" ] \
  || { echo "ToolBar.dat: $(le_words "$program/ToolBar.dat" 2>/dev/null)"; fail=1; }

run about_box "About Quillfen95" QF95_TEST_COMMAND=57664

printf '\x1c\xe8\x00\x00\x1e\xe8\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00' > "$program/ToolBar.dat"
run toolbar_left "Duke3D 1.3 Reg. - Quillfen95"
[ "$(le_words "$program/ToolBar.dat")" = "59420 59422 1 1" ] \
  || { echo "ToolBar.dat after a left dock: $(le_words "$program/ToolBar.dat")"; fail=1; }

[ $fail -eq 0 ] && echo "gui smoke test passed; screenshots in $shots"
exit $fail

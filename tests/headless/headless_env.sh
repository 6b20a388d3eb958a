# Sourced by the headless end-to-end scripts: the scratch directory $work (removed at the end)
# with a home of its own, and the helpers fail, expect, refuse, line_of and run_headless.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
mkdir -p "$HOME"
# The machine's native ports (Chocolate Doom with Freedoom) stay out of these first starts; the
# native test looks for them.
export QF95_NATIVE_PATH= QF95_NATIVE_DATA=
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect TRANSCRIPT LINE: the transcript holds the line, letter case aside (the catalogue
# keeps directories as the game definitions spell them).
expect() { grep -qixF -- "$2" "$1" || fail "no line '$2' in $1"; }
refuse() { grep -qixF -- "$2" "$1" && fail "line '$2' in $1"; }
# line_of TRANSCRIPT LINE: its line number, 0 when missing.
line_of() { grep -nixF -- "$2" "$1" | head -1 | cut -d: -f1 | grep . || echo 0; }
# run_headless PREFIX SCRIPT TRANSCRIPT [OPTIONS...]: the driver started in the prefix's
# C:\QF95\, its errors in TRANSCRIPT.err; its status is the function's.
run_headless() {
  local prefix=$1 script=$2 transcript=$3
  shift 3
  (cd "$prefix/drive_c/QF95" && timeout 150 "$exe" --prefix "$prefix/prefix" "$@" "$script") \
    >"$transcript" 2>"$transcript.err"
}
# demo_machine: the demo machine in $demo (needs $tools and $build), Duke Nukem 3D's directory
# in $duke.
demo_machine() {
  demo="$work/demo"
  "$tools/make_demo_machine.sh" "$build" "$demo" >/dev/null
  duke="$demo/drive_d/GAMES/DUKE3D"
}
# run_script NAME: $work/NAME.script run on the demo machine, its transcript in $work/NAME.txt
# and shown; a run that did not end normally is a failure.
run_script() {
  run_headless "$demo" "$work/$1.script" "$work/$1.txt" --output "$work/$1.out"
  local rc=$?
  echo "--- transcript $1"
  cat "$work/$1.txt"
  [ "$rc" -eq 0 ] || fail "the run ended with $rc: $(cat "$work/$1.txt.err")"
}

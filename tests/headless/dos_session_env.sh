# Sourced by the headless scripts that run real DOS sessions: skips (77) without DOSBox, makes
# the scratch directory $work (removed at the end) with a home and a runtime directory of its
# own, DOSBox without a display or sound, and the helpers fail, expect and line_of.
command -v "${QF95_DOSBOX:-dosbox}" >/dev/null || { echo "skipped: no dosbox"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QF95_DOSBOX_SOUND=off HOME="$work/home"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect TRANSCRIPT LINE: the transcript holds the line, letter case aside (the catalogue
# keeps directories as the game definitions spell them).
expect() { grep -qixF -- "$2" "$1" || fail "no line '$2' in $1"; }
# line_of TRANSCRIPT LINE: its line number, 0 when missing.
line_of() { grep -nixF -- "$2" "$1" | head -1 | cut -d: -f1 | grep . || echo 0; }

# Sourced by the headless scripts that run real DOS sessions: skips (77) without DOSBox, then
# headless_env.sh, with a runtime directory of its own and DOSBox without a display or sound.
command -v "${QF95_DOSBOX:-dosbox}" >/dev/null || { echo "skipped: no dosbox"; exit 77; }

# shellcheck source=headless_env.sh
source "$(dirname "${BASH_SOURCE[0]}")/headless_env.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QF95_DOSBOX_SOUND=off
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR"

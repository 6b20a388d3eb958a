#!/usr/bin/env bash
# Makes the demo machine (tools/make_demo_machine.sh) and starts the main window on it, from
# C:\QF95\ : the first start searches the demo drives and finds the stand-in games.
# Without a display the window runs under Xvfb: a screenshot of it is kept as
# DEMO_DIR/main_window.png and the program is closed again.
#   tools/start_demo.sh BUILD_DIR DEMO_DIR
set -euo pipefail
build=$(realpath "$1")
demo=$(realpath -m "$2")
"$(dirname "$0")/make_demo_machine.sh" "$build" "$demo"
cd "$demo/drive_c/QF95"
export QF95_PREFIX="$demo/prefix" QF95_LAUNCH_LOG="$demo/launch.log"

if [ -n "${DISPLAY:-}" ]; then
  exec "$build/quillfen95"
fi

echo "No display: running the main window under Xvfb for a screenshot."
export SDL_VIDEODRIVER=dummy QF95_TEST_READY_FILE="$demo/ready"
cat > "$demo/shot.sh" <<SHOT
#!/usr/bin/env bash
"$build/quillfen95" &
pid=\$!
for _ in \$(seq 1 300); do [ -s "$demo/ready" ] && break; sleep 0.1; done
sleep 1
import -window root "$demo/main_window.png"
kill -TERM \$pid
wait \$pid
SHOT
chmod +x "$demo/shot.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$demo/shot.sh"
echo "Screenshot: $demo/main_window.png (window title: $(cat "$demo/ready" 2>/dev/null))"

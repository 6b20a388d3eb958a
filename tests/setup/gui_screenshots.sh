#!/usr/bin/env bash
# Starts setup from the setup image under a virtual X server and takes a picture of the
# welcome window, the install dialog, the about dialog and the About setup box. Each picture
# must exist, show more than one colour and differ from the welcome window's; with xwininfo
# the window's title is checked too.
#
#   gui_screenshots.sh IMAGE_DIR OUT_DIR
set -u
image=$1
out=$2
for tool in xvfb-run import identify; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
work=$(mktemp -d /tmp/qf95-gui-XXXXXX)
trap 'rm -rf "$work"' EXIT

# Runs under the X server: one setup per picture, taken when setup says its window is drawn.
cat > "$work/shoot.sh" << 'SCRIPT'
set -u
image=$1 out=$2 work=$3
status=0
shoot() {
  local name=$1 title=$2
  shift 2
  coproc SETUP { cd "$image" && exec ./setup --announce-ready "$@" 2>> "$work/setup.log"; }
  local pid=$SETUP_PID line=""
  # Waits for setup's "ready"; the bound only matters when setup fails to come up.
  read -r -t 60 line <&"${SETUP[0]}"
  if [ "$line" = ready ]; then
    import -window root "$out/$name.png"
    if command -v xwininfo > /dev/null && ! xwininfo -root -tree | grep -qF "\"$title\": ("; then
      echo "$name: no window titled \"$title\""
      status=1
    fi
  else
    echo "$name: setup did not show its window"
    status=1
  fi
  kill "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
}
shoot welcome "Quillfen95 Setup"
shoot install_dialog "Quillfen95 Install" --show-install-dialog
shoot about_dialog "About" --show-about-dialog
shoot about_box "About setup" --show-about-box
exit $status
SCRIPT

export QF95_PREFIX=$work/prefix XDG_DATA_HOME=$work/data
rm -f "$out"/*.png
xvfb-run -a -s "-screen 0 800x600x24" bash "$work/shoot.sh" "$image" "$out" "$work"
status=$?
for name in welcome install_dialog about_dialog about_box; do
  file=$out/$name.png
  if [ ! -s "$file" ]; then
    echo "$name: no picture"
    status=1
    continue
  fi
  colours=$(identify -format %k "$file")
  echo "$name: $colours colours"
  [ "$colours" -gt 1 ] || { echo "$name: the picture is blank"; status=1; }
  if [ "$name" != welcome ] && cmp -s "$file" "$out/welcome.png"; then
    echo "$name: the picture shows only the welcome window"
    status=1
  fi
done
[ -s "$work/setup.log" ] && { echo "setup wrote:"; cat "$work/setup.log"; }
exit $status

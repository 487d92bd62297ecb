#!/usr/bin/env bash
# The real program on a real X server: start it with a program file, run the program with
# Ctrl+R, check the picture's pixels in a screenshot, quit with Ctrl+Q (answering the save
# question) and check that the settings file was written. Needs Xvfb, openbox, xdotool and
# ImageMagick (scripts/install-deps.sh installs them); a missing tool is a failure, not a skip.
set -euo pipefail

program=${1:?usage: desktop-test.sh path/to/turtlescope}
for tool in Xvfb openbox xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done

. "$(dirname "$0")/virtual-desktop.sh"
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/log" ] && sed 's/^/turtlescope: /' "$work/log" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/turtlescope-desktop-test.png"
    exit 1
}

start_virtual_desktop 1280x1024 || fail "Xvfb did not start"

printf 'pensize 16\ncolour red\nforward 150\n' > "$work/redline.turtle"
"$program" "$work/redline.turtle" >"$work/log" 2>&1 &
app=$!
pids+=($app)

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
editor=$(find_window 'redline') || fail "no program window"
# A program opened from the desktop comes up in front of the picture made for it.
sleep 1
[ "$(xdotool getactivewindow)" = "$editor" ] || fail "the program window is not in front"
xdotool windowactivate --sync "$editor"
xdotool key --clearmodifiers ctrl+r
sleep 3

picture=$(find_window 'Untitled') || fail "no picture window"
xdotool windowactivate --sync "$picture"
sleep 1
import -window root "$work/shot.png"
eval "$(xdotool getwindowgeometry --shell "$picture")"
# The turtle starts in the middle of the picture and heads up: count red pixels around there.
cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2))
red=$(convert "$work/shot.png" -crop "200x240+$((cx - 100))+$((cy - 200))" +repage \
    -fuzz 15% -fill black +opaque red -fill white -opaque red \
    -format '%[fx:round(mean*w*h)]' info:)
echo "red pixels near the picture's middle: $red"
[ "$red" -ge 1500 ] || fail "the run drew $red red pixels, expected a 16 by 150 line"

xdotool key --clearmodifiers ctrl+q
question=$(find_window '^Turtlescope$') || fail "no save question at quit"
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key --clearmodifiers alt+d
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not quit"

settings="$XDG_CONFIG_HOME/turtlescope/settings.json"
[ -f "$settings" ] || fail "no settings file at $settings"
count=$(grep -c '"type"' "$settings")
[ "$count" -eq 12 ] || fail "the settings file holds $count resources, expected 12"
echo "PASS"

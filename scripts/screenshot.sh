#!/usr/bin/env bash
# Makes the README's screenshot of the real program under a virtual X server: the palettes, a
# program window with an example, and the picture it drew. Usage: scripts/screenshot.sh
# [build/bin/turtlescope] [examples/flower.turtle] [docs/screenshot.png]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/turtlescope}
example=${2:-$root/examples/flower.turtle}
output=${3:-$root/docs/screenshot.png}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$(dirname "$output")"
"$program" "$example" >/dev/null 2>&1 &
pids+=($!)
editor=$(timeout 20 xdotool search --sync --onlyvisible --name "$(basename "$example" .turtle)" | head -n1)
# The program to the lower left, out of the way of the picture's middle where the turtle draws.
xdotool windowsize --sync "$editor" 430 330
xdotool windowmove --sync "$editor" 12 440
xdotool windowactivate --sync "$editor"
xdotool key --clearmodifiers ctrl+r
sleep 4
import -window root "$output"
echo "wrote $output"

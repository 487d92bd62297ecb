#!/usr/bin/env bash
# Makes the README's screenshot of the real program under a virtual X server: the palettes, a
# program window with an example, and the picture it drew. Usage: scripts/screenshot.sh
# [build/bin/turtlescope] [examples/flower.turtle] [docs/screenshot.png]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/turtlescope}
example=${2:-$root/examples/flower.turtle}
output=${3:-$root/docs/screenshot.png}

. "$root/scripts/virtual-desktop.sh"
start_virtual_desktop 1280x800

mkdir -p "$(dirname "$output")"
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

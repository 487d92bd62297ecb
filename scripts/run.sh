#!/usr/bin/env bash
# Starts Turtlescope from a build tree. Without a display it renders the sample program with the
# headless renderer instead and says where the picture went.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
bin="$build/bin"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/turtlescope" "${@:2}"
fi
out=${TMPDIR:-/tmp}/turtlescope-sample
mkdir -p "$out"
"$bin/turtlescope-render" -o "$out/sample.png" "$here/examples/sample.turtle"
echo "No display: rendered examples/sample.turtle to $out/sample.png"

#!/usr/bin/env bash
# Starts Turtlescope from a build tree. Until the application window exists, this runs the
# headless renderer on a sample program and says where the result went.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
bin="$build/bin"
if [ -x "$bin/turtlescope" ]; then
    exec "$bin/turtlescope"
fi
out=${TMPDIR:-/tmp}/turtlescope-sample
mkdir -p "$out"
if "$bin/turtlescope-render" -o "$out/sample.png" "$here/examples/sample.turtle" 2>/dev/null; then
    echo "Rendered examples/sample.turtle to $out/sample.png"
else
    "$bin/turtlescope-render" --tree "$here/examples/sample.turtle" > "$out/sample-tree.json"
    echo "Parsed examples/sample.turtle; its instruction tree is in $out/sample-tree.json"
fi

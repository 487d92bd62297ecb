#!/usr/bin/env bash
# Renders every example with the headless renderer and compares it pixel for pixel with its
# reference picture in examples/reference/. With --update, writes the references instead.
set -euo pipefail

renderer=${1:?usage: check-references.sh path/to/turtlescope-render [--update]}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for program in "$here"/*.turtle; do
    name=$(basename "$program" .turtle)
    reference="$here/reference/$name.png"
    "$renderer" --size 480x360 -o "$work/$name.png" "$program"
    if [ "${2:-}" = --update ]; then
        cp "$work/$name.png" "$reference"
        continue
    fi
    if [ ! -f "$reference" ]; then
        echo "FAIL $name: no reference picture" >&2
        status=1
        continue
    fi
    differing=$(compare -metric AE "$work/$name.png" "$reference" null: 2>&1 || true)
    if [ "$differing" != 0 ]; then
        echo "FAIL $name: $differing pixels differ from the reference" >&2
        status=1
    else
        echo "ok   $name"
    fi
done
exit $status

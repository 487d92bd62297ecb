#!/bin/sh
# Launcher: the real executable sits beside its Languages folder under lib/turtlescope.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/turtlescope/turtlescope" "$@"

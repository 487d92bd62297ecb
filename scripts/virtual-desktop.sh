# Sourced by the scripts that drive the real program: a scratch folder ($work), a virtual X
# server with a window manager on a display of its own, and a home and settings of its own, all
# ended and removed when the script exits. Start programs and add their process IDs to $pids.

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# start_virtual_desktop WxH: false when the X server did not start.
start_virtual_desktop() {
    # Xvfb picks a free display number and tells it through file descriptor 3.
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    exec 3>&-
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    # A test runner may ask for the offscreen platform; the program must reach this X server.
    unset QT_QPA_PLATFORM
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
    mkdir -p "$HOME"
}

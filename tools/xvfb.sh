# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the program on a virtual display of their
# own. There is no window manager on it.
#
# Sourcing it makes a work folder, $work, and an array, pids: on exit every
# process in pids is stopped and the folder removed.

work=$(mktemp -d)
pids=()
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# start_xvfb [Xvfb argument...]
# Starts Xvfb on a free display, exports DISPLAY and adds Xvfb's pid to pids.
start_xvfb()
{
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp "$@" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
}

# find_window TITLE, or find_window [xdotool search option...]
# Prints the id of the first visible window with exactly this title (or that
# `xdotool search` finds with these options) once it is there; fails after
# five seconds without it.
find_window()
{
    local id
    [ $# -eq 1 ] && set -- --name "^$1\$"
    for _ in $(seq 250); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.02
    done
    return 1
}

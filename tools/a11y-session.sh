#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as a screen reader's user runs ぽにるか: on a virtual display
# of its own, in a D-Bus session of its own with the desktop's accessibility
# bus (AT-SPI) running, and Qt programs told to speak to it.
# Usage: tools/a11y-session.sh COMMAND [ARGUMENT ...]
set -euo pipefail

if [ -z "${PONIRUKA_A11Y_SESSION:-}" ]; then
    export PONIRUKA_A11Y_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
xvfb=
cleanup()
{
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# Qt looks for the accessibility bus once, when a program starts: start it
# first (asking for its address starts it).
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null

export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LANG=C.UTF-8
status=0
"$@" || status=$?
exit "$status"

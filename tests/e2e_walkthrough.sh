#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A child's walk through the real program on a virtual display:
#  1. the splash gives way to the menu; an exercise opens and closes the
#     menu, "メニュー" goes back; "バージョン" opens the about box, which
#     stays when the exercise goes; "おわる" ends the program with every window;
#  2. a key on the splash ends the program without a menu;
#  3. the menu, asked to close the moment "メニュー" brings it back, ends the
#     program, 20 times out of 20.
# Usage: e2e_walkthrough.sh PATH-TO-PONIRUKA PATH-TO-CLOSENEWWINDOW
set -euo pipefail
. "$(dirname "$0")/../tools/xvfb.sh"

# The program runs from a folder of the test's own.
cp "$1" "$work/poniruka"
closer=$2

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

start_xvfb || fail "Xvfb did not start"
export LANG=C.UTF-8

# The id of the first visible window that `xdotool search` finds with these
# options, waiting for it to appear.
found()
{
    find_window "$@" || fail "no window $*"
}

# The window with exactly this title; the splash of the program with this process id.
window() { found --name "^$1\$"; }
splash() { found --pid "$1"; }

# Waits until no visible window has this title.
gone()
{
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" is still open"
}

# Clicks a point of a window, in its own pixels.
click()
{
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Waits for the program to end and checks its status.
ends_with()
{
    local pid=$1 expected=$2 status
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program is still running"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq "$expected" ] || fail "the program ended with status $status, not $expected"
}

menu=メインメニュー
time1=ぽにるか：たしたらなんじになる？
about=ぽにるかのﾊﾞｰｼﾞｮﾝ情報

echo "walk: splash, menu, exercise, about box, おわる"
"$work/poniruka" &
app=$!
pids+=($app)
id=$(window "$menu")
click "$id" 120 40 # なんじになる？１
id=$(window "$time1")
gone "$menu"
click "$id" 380 14 # バージョン
box=$(window "$about")
xdotool windowmove "$box" 0 0 # out of the way, as a child would drag it
click "$id" 344 144 # メニュー
id=$(window "$menu")
gone "$time1"
window "$about" >/dev/null # the about box stays
click "$id" 120 240 # おわる
ends_with "$app" 0
gone "$about"

echo "walk: a key on the splash ends the program"
"$work/poniruka" &
app=$!
pids+=($app)
splash "$app" >/dev/null
xdotool key a
ends_with "$app" 0
xdotool search --onlyvisible --name "^$menu\$" >/dev/null 2>&1 && fail "the menu opened"

echo "walk: the menu closed the moment it comes back, 20 times"
for run in $(seq 20); do
    "$work/poniruka" &
    app=$!
    pids+=($app)
    click "$(splash "$app")" 14 154 # the frame: the menu at once
    id=$(window "$menu")
    click "$id" 120 40 # なんじになる？１
    id=$(window "$time1")
    "$closer" "$menu" >"$work/closer$run" &
    pids+=($!)
    for _ in $(seq 100); do grep -q ready "$work/closer$run" && break; sleep 0.05; done
    click "$id" 344 144 # メニュー
    ends_with "$app" 0
done

echo "every walk passed"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A child's walk through the real program on a virtual display:
#  1. the splash gives way to the menu; each exercise opens and closes the
#     menu, "メニュー" goes back; "バージョン" opens the about box, which
#     stays when the exercise goes; "おわる" ends the program with every window;
#  2. a key on the splash ends the program without a menu.
# Usage: e2e_walkthrough.sh PATH-TO-PONIRUKA
set -euo pipefail
. "$(dirname "$0")/../tools/xvfb.sh"

# The program runs from a folder of the test's own.
cp "$1" "$work/poniruka"

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

start_xvfb || fail "Xvfb did not start"
export LANG=C.UTF-8

# The id of the visible window with exactly this title, waiting for it to appear.
window()
{
    find_window "$1" || fail "no window \"$1\""
}

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
time2=ぽにるか：○じかんまえはなんじ？
about=ぽにるかのﾊﾞｰｼﾞｮﾝ情報

echo "walk: splash, menu, both exercises, about box, おわる"
"$work/poniruka" &
app=$!
pids+=($app)
id=$(window "$menu")
click "$id" 120 40 # なんじになる？１
id=$(window "$time1")
gone "$menu"
click "$id" 344 144 # メニュー
id=$(window "$menu")
gone "$time1"
click "$id" 120 144 # なんじになる？２
id=$(window "$time2")
gone "$menu"
click "$id" 523 21 # バージョン
box=$(window "$about")
click "$id" 523 21 # バージョン again: still one box
sleep 0.3
[ "$(xdotool search --onlyvisible --name "^$about\$" | wc -l)" -eq 1 ] || fail "more than one about box"
xdotool windowmove "$box" 0 0 # out of the way, as a child would drag it
click "$id" 504 144 # メニュー
id=$(window "$menu")
gone "$time2"
window "$about" >/dev/null # the about box stays
click "$id" 120 240 # おわる
ends_with "$app" 0
gone "$about"

echo "walk: a key on the splash ends the program"
"$work/poniruka" &
app=$!
pids+=($app)
for _ in $(seq 100); do
    splash=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n1 || true)
    [ -n "$splash" ] && break
    sleep 0.05
done
[ -n "$splash" ] || fail "no splash"
xdotool key a
ends_with "$app" 0
xdotool search --onlyvisible --name "^$menu\$" >/dev/null 2>&1 && fail "the menu opened"

echo "every walk passed"

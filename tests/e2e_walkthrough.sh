#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A child's walk through the real program on a virtual display:
#  1. the splash gives way to the menu; the menu opens an exercise,
#     "バージョン" opens the about box, "メニュー" goes back to the menu, and
#     "おわる" ends the program (which screens stay open is tested offscreen);
#  2. the menu, asked to close the moment "メニュー" brings it back, ends the
#     program, 20 times out of 20.
# Usage: e2e_walkthrough.sh PATH-TO-PONIRUKA PATH-TO-CLOSENEWWINDOW
set -euo pipefail
. "$(dirname "$0")/../tools/xvfb.sh"

# The program runs from a folder of the test's own.
cp "$1" "$work/poniruka"
closer=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
start_xvfb || fail "Xvfb did not start"
export LANG=C.UTF-8

# The id of the visible window with exactly this title (or found with these xdotool options), waiting for it.
window() { find_window "$@" || fail "no window $*"; }
# Clicks a point of a window, in its own pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Waits for the program to end and checks its status.
ends_with()
{
    local status=0
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$1" 2>/dev/null && fail "the program is still running"
    wait "$1" || status=$?
    [ "$status" -eq "$2" ] || fail "the program ended with status $status, not $2"
}

menu=メインメニュー
time1=ぽにるか：たしたらなんじになる？
about=ぽにるかのﾊﾞｰｼﾞｮﾝ情報

echo "walk: splash, menu, exercise, about box, おわる"
"$work/poniruka" &
app=$!
pids+=($app)
click "$(window "$menu")" 120 40 # なんじになる？１
id=$(window "$time1")
click "$id" 380 14 # バージョン
xdotool windowmove "$(window "$about")" 0 0 # out of the way, as a child would drag it
click "$id" 344 144 # メニュー
id=$(window "$menu")
click "$id" 120 240 # おわる
ends_with "$app" 0

echo "walk: the menu closed the moment it comes back, 20 times"
for run in $(seq 20); do
    "$work/poniruka" &
    app=$!
    pids+=($app)
    click "$(window --pid "$app")" 14 154 # the splash's frame: the menu at once
    click "$(window "$menu")" 120 40      # なんじになる？１
    id=$(window "$time1")
    "$closer" "$menu" >"$work/closer$run" &
    pids+=($!)
    for _ in $(seq 100); do grep -q ready "$work/closer$run" && break; sleep 0.05; done
    click "$id" 344 144 # メニュー
    ends_with "$app" 0
done

echo "every walk passed"

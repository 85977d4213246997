#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes one picture of each of the five screens, each cropped to its window,
# and of each exercise with a posed problem and with each verdict.
#
#   tools/screenshots.sh [program]          # default: build/dev/poniruka
#   QT_SCALE_FACTOR=2 SCREENSHOTS=/tmp/2x tools/screenshots.sh
#
# Starts its own virtual display (Xvfb) on a free display number, starts the
# program on it, walks splash → menu → なんじになる？１ → menu →
# なんじになる？２ → バージョン with xdotool, and saves the pictures into
# $SCREENSHOTS (default docs/screenshots/). It stops what it started, by pid.
#
# Each step is a function. On each exercise it also poses a problem, answers
# it wrongly, then finds the right answer by trying them all, watching for
# the verdict to turn red. There is no window manager on the display:
# windows are not activated by themselves and may overlap, so a step focuses
# the window it types into and takes its picture before opening the next.
set -euo pipefail
cd "$(dirname "$0")/.."

. tools/packages.sh
ensure_packages imagemagick x11-utils

PROGRAM=${1:-build/dev/poniruka}
OUT=${SCREENSHOTS:-docs/screenshots}
SCALE=${QT_SCALE_FACTOR:-1}
XVFB_PID=
PROGRAM_PID=
WORK=$(mktemp -d)

# Stops the program, then the display, and waits for each to be gone.
cleanup()
{
    local pid
    for pid in $PROGRAM_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

die()
{
    echo "screenshots.sh: $*" >&2
    exit 1
}

start_display()
{
    local n
    for n in $(seq 90 160); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x800x24 -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    die "Xvfb did not start on $DISPLAY"
}

start_program()
{
    [ -x "$PROGRAM" ] || die "no program at $PROGRAM (build it first: cmake --build --preset dev)"
    "$PROGRAM" &
    PROGRAM_PID=$!
}

# wait_window ARGS...: the id of the first visible window that xdotool search
# finds with ARGS, waiting up to 5 s for it.
wait_window()
{
    local id
    for _ in $(seq 250); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.02
    done
    die "no window: $*"
}

# shoot WINDOW NAME: saves the window's picture as $OUT/NAME.png.
shoot()
{
    sleep 0.5 # let it paint
    import -window "$1" -depth 8 "$OUT/$2.png"
    echo "$OUT/$2.png"
}

# keys WINDOW KEY...: focuses the window, then types the keys.
keys()
{
    local window=$1
    shift
    xdotool windowfocus --sync "$window" key "$@"
}

# at WINDOW X Y: the screen point of a point of the window's interior, given
# in logical pixels (twips / 15), whatever the scale.
at()
{
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    awk -v ox="$X" -v oy="$Y" -v x="$2" -v y="$3" -v s="$SCALE" 'BEGIN { printf "%d %d", ox + x * s, oy + y * s }'
}

# click WINDOW X Y: clicks at a point of the window's interior.
click()
{
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$@") click 1
}

# pixels PICTURE COLOUR X Y W H: how many pixels of exactly that colour a
# window's picture shows in a rectangle (logical pixels).
pixels()
{
    local crop
    crop=$(awk -v s="$SCALE" -v x="$3" -v y="$4" -v w="$5" -v h="$6" \
        'BEGIN { printf "%dx%d+%d+%d", w * s, h * s, x * s, y * s }')
    convert "$1" -crop "$crop" -depth 8 txt:- 2>/dev/null | grep -c "$2" || true
}

# typed WINDOW: whether the minutes box shows any text, from a fresh picture.
typed()
{
    import -window "$1" -depth 8 "$WORK/window.png"
    [ "$(pixels "$WORK/window.png" '#000000' 124 $((BOXES_Y - 24)) 57 49)" -gt 0 ]
}

# right WINDOW: whether the verdict is red, in the last picture taken.
right()
{
    [ "$(pixels "$WORK/window.png" '#FF0000' 304 "$VERDICT_Y" 129 57)" -gt 20 ]
}

# answer WINDOW HOURS MINUTES: types an answer into the two boxes of the
# exercise that exercise_pictures works on and, once the program shows it,
# presses "こたえる"; then waits until the program has judged it: a wrong
# answer empties the boxes, a right one turns the verdict red. (xdotool's
# type takes every word after it, so each box gets a call of its own.)
answer()
{
    # shellcheck disable=SC2086
    xdotool mousemove $HOURS_AT click 1 sleep 0.02 type "$2"
    # shellcheck disable=SC2086
    xdotool mousemove $MINUTES_AT click 1 sleep 0.02 type "$3"
    for _ in $(seq 100); do typed "$1" && break; sleep 0.02; done
    # shellcheck disable=SC2086
    xdotool mousemove $OK_AT click 1
    for _ in $(seq 100); do
        typed "$1" || return 0
        right "$1" && return 0
        sleep 0.02
    done
    die "the answer $2:$3 was not judged"
}

# solve WINDOW MAXHOURS MAXMINUTES: tries every answer from $MIN_HOURS on, as
# a very patient child would, until the verdict turns red ("せいかい").
solve()
{
    local h m
    for h in $(seq "$MIN_HOURS" "$2"); do
        for m in $(seq 0 "$3"); do
            answer "$1" "$h" "$m"
            right "$1" && return 0
        done
    done
    die "no answer was right"
}

# A posed problem, a wrong answer, then the right one.
exercise_pictures()
{
    local window=$1 name=$2
    xdotool windowfocus --sync "$window"
    HOURS_AT=$(at "$window" 40 "$BOXES_Y")
    MINUTES_AT=$(at "$window" 152 "$BOXES_Y")
    OK_AT=$(at "$window" "$OK_X" "$OK_Y")
    click "$window" "$OK_X" "$ST_Y"
    shoot "$window" "$name-posed"
    answer "$window" 99 99
    shoot "$window" "$name-wrong"
    solve "$window" "$MAX_HOURS" 59
    shoot "$window" "$name-right"
}

# The splash has no title; it is the program's first and, for one second, only window.
step_splash()
{
    shoot "$(wait_window --classname poniruka)" splash
}

step_menu()
{
    MENU=$(wait_window --name '^メインメニュー$')
    shoot "$MENU" frmmein
}

# "なんじになる？１" has the focus when the menu opens.
step_frmtime()
{
    keys "$MENU" space
    FRMTIME=$(wait_window --name 'たしたらなんじになる')
    shoot "$FRMTIME" frmtime
    OK_X=344 ST_Y=48 OK_Y=96 BOXES_Y=252 VERDICT_Y=224 MIN_HOURS=2 MAX_HOURS=11
    exercise_pictures "$FRMTIME" frmtime
}

# Back to the menu, then "なんじになる？２".
step_frmtime2()
{
    click "$FRMTIME" 344 144
    MENU=$(wait_window --name '^メインメニュー$')
    keys "$MENU" Tab space
    FRMTIME2=$(wait_window --name 'じかんまえはなんじ')
    shoot "$FRMTIME2" frmtime2
    OK_X=504 ST_Y=56 OK_Y=96 BOXES_Y=244 VERDICT_Y=216 MIN_HOURS=0 MAX_HOURS=4
    exercise_pictures "$FRMTIME2" frmtime2
}

# "バージョン" in the top right corner of the second exercise.
step_about()
{
    click "$FRMTIME2" 521 22
    shoot "$(wait_window --name 'ﾊﾞｰｼﾞｮﾝ情報')" frmabout
}

main()
{
    mkdir -p "$OUT"
    start_display
    start_program
    step_splash
    step_menu
    step_frmtime
    step_frmtime2
    step_about
}

main

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ぽにるか beside a bare Qt window (bench/bare_window.cpp) on a virtual
# display: start-up, memory over a long session, the two quiz buttons and the
# size of the program. Prints figures and asserts nothing.
#
#   tools/bench.sh [--runs N] [--trips N]
#       N starts of each program, interleaved (default 10), and N round trips
#       through the runtime (default 10000)
#   tools/bench.sh --clicked N
#       N round trips clicked in the real program with xdotool, as a child
#       clicks them: menu, なんじになる？１, ちょうせん, メニュー
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10 trips=10000 clicked=0
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2 ;;
    --trips) trips=$2 ;;
    --clicked) clicked=$2 ;;
    *)
        sed -n '6,13s/^# \{0,1\}//p' "$0" >&2
        exit 2
        ;;
    esac
    shift 2
done

. tools/packages.sh
ensure_packages libxcb1-dev # the launcher watches windows appear through xcb

cmake --preset release >/dev/null
cmake --build --preset release --target poniruka bare_window bench_runtime bench_launch >/dev/null
bin=build/release
. tools/xvfb.sh

# A display of our own, with a black root window: a window's first pixels are
# the first that are not black.
start_xvfb -br
mkdir -m 700 "$work/runtime"
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"

resident() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

if [ "$clicked" -gt 0 ]; then
    menu=メインメニュー time1=ぽにるか：たしたらなんじになる？
    "$bin/poniruka" &
    app=$!
    pids+=($app)
    for ((trip = 1; trip <= clicked; trip++)); do
        xdotool mousemove --window "$(find_window "$menu")" 120 40 click 1      # なんじになる？１
        id=$(find_window "$time1")
        xdotool mousemove --window "$id" 344 48 click 1 mousemove --window "$id" 344 144 click 1 # ちょうせん, メニュー
        find_window "$menu" >/dev/null
        if [ "$trip" -eq 100 ]; then
            sleep 0.5
            after100=$(resident "$app")
        fi
    done
    sleep 0.5
    afterAll=$(resident "$app")
    echo "$clicked round trips clicked: RSS $after100 KiB after 100, $afterAll KiB after $clicked," \
        "$(((afterAll - after100) * 1024 / (clicked > 100 ? clicked - 100 : 1))) bytes a trip"
    exit 0
fi

# Starts, the two programs in turn.
for ((run = 1; run <= runs; run++)); do
    "$bin/bench/bench_launch" "$bin/poniruka" >>"$work/launch.poniruka"
    "$bin/bench/bench_launch" "$bin/bench/bare_window" >>"$work/launch.bare"
done

# In-process figures: round trips on X, clicks offscreen.
"$bin/bench/bench_runtime" trips "$trips" >"$work/trips.poniruka" 2>/dev/null
"$bin/bench/bare_window" trips "$trips" >"$work/trips.bare" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bin/bench/bench_runtime" clicks >"$work/clicks.poniruka" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bin/bench/bare_window" clicks >"$work/clicks.bare" 2>/dev/null

for program in poniruka bench/bare_window; do
    strip -o "$work/stripped" "$bin/$program"
    stat -c %s "$work/stripped" >>"$work/sizes"
done

# median [lowest-highest] of a field of the launch lines, divided by $3.
launched()
{
    awk -v name="$2" -v scale="$3" '{ for (i = 1; i < NF; i++) if ($i == name) print $(i + 1) / scale }' \
        "$work/launch.$1" | sort -g |
        awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                                  printf "%.1f [%.1f-%.1f]", m, v[1], v[NR] }'
}
# The value of a "name value" line, divided by $3.
figure() { awk -v name="$2" -v scale="$3" '$1 == name { printf "%.1f", $2 / scale }' "$work/$1"; }
# median [10th-90th percentile] of a click line.
clicks() { awk -v name="$2" '$1 == name { printf "%s [%s-%s]", $2, $3, $4 }' "$work/clicks.$1"; }
row() { printf '%-38s %-24s %s\n' "$@"; }

echo "ぽにるか beside a bare Qt window: Xvfb, release build, $runs starts of each interleaved;"
echo "median [lowest-highest], for the clicks median [10th-90th percentile] of 2000"
row "" "poniruka" "bare Qt window"
row "exec -> first window mapped (ms)" "$(launched poniruka mapped_ms 1)" "$(launched bare mapped_ms 1)"
row "exec -> first pixels (ms)" "$(launched poniruka first_pixels_ms 1)" "$(launched bare first_pixels_ms 1)"
row "peak RSS, 1 s after the menu (MiB)" "$(launched poniruka peak_rss_kib 1024)" "$(launched bare peak_rss_kib 1024)"
row "splash -> menu (ms)" "$(launched poniruka next_window_ms 1)" "$(launched bare next_window_ms 1)"
row "RSS after 100 round trips (MiB)" "$(figure trips.poniruka rss_after_100_kib 1024)" \
    "$(figure trips.bare rss_after_100_kib 1024)"
row "RSS after $trips round trips (MiB)" "$(figure trips.poniruka rss_after_all_kib 1024)" \
    "$(figure trips.bare rss_after_all_kib 1024)"
row "  growth a trip after 100 (bytes)" "$(figure trips.poniruka growth_per_trip_bytes 1)" \
    "$(figure trips.bare growth_per_trip_bytes 1)"
row "cmdst_Click, offscreen (us)" "$(clicks poniruka cmdst_click_us)" "$(clicks bare click_us) (a label written)"
row "cmdok_Click, offscreen (us)" "$(clicks poniruka cmdok_click_us)" "$(clicks bare click_us)"
row "stripped binary (KiB)" "$(($(sed -n 1p "$work/sizes") / 1024))" "$(($(sed -n 2p "$work/sizes") / 1024))"

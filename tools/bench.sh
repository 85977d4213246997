#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ぽにるか beside a bare Qt window (bench/bare_window.cpp) on a virtual
# display: start-up, memory over a long session, the two quiz buttons and the
# size of the program. Prints figures and asserts nothing.
#
#   tools/bench.sh [--runs N] [--trips N] [--package]
#       N starts of each program, interleaved (default 40), then three
#       that stay up for their memory 5 s after start, and N round trips
#       through the runtime (default 10000); with --package, also the
#       installed package's /usr/bin/poniruka beside a bare window built with
#       the package's compiler and linker flags (dpkg-buildflags)
#   tools/bench.sh --clicked N
#       N round trips clicked in the real program with xdotool, as a child
#       clicks them: menu, なんじになる？１, ちょうせん, メニュー
set -euo pipefail
cd "$(dirname "$0")/.."

runs=40 memoryRuns=3 trips=10000 clicked=0 package=0
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2 && shift ;;
    --trips) trips=$2 && shift ;;
    --clicked) clicked=$2 && shift ;;
    --package) package=1 ;;
    *)
        sed -n '6,16s/^# \{0,1\}//p' "$0" >&2
        exit 2
        ;;
    esac
    shift
done

. tools/packages.sh
ensure_packages "${PONIRUKA_BENCH_PACKAGES[@]}"

cmake --preset release >/dev/null
cmake --build --preset release --target poniruka bare_window bench_runtime bench_launch >/dev/null
bin=build/release
if [ "$package" -eq 1 ]; then
    [ -x /usr/bin/poniruka ] || {
        echo "--package measures the installed program: tools/package.sh, then sudo apt install ./build/package/poniruka_*.deb" >&2
        exit 1
    }
    # The flags debian/rules builds with, so the bare window pays what the
    # package pays (-z now resolves every symbol before the first window).
    maint=$(sed -n 's/^export DEB_BUILD_MAINT_OPTIONS *= *//p' debian/rules)
    flags() { DEB_BUILD_MAINT_OPTIONS=$maint dpkg-buildflags --get "$1"; }
    cmake -S . -B build/bench-package -G Ninja -DCMAKE_BUILD_TYPE=None -DPONIRUKA_BUILD_TESTS=OFF \
        -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
    cmake --build build/bench-package --target bare_window >/dev/null
fi
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

# Starts, the programs in turn: timed starts, stopped once the menu is up,
# then a few that stay up for their memory five seconds after start.
launch()
{
    "$bin/bench/bench_launch" "$@" "$bin/poniruka" >>"$work/launch.poniruka"
    "$bin/bench/bench_launch" "$@" "$bin/bench/bare_window" >>"$work/launch.bare"
    if [ "$package" -eq 1 ]; then
        "$bin/bench/bench_launch" "$@" /usr/bin/poniruka >>"$work/launch.installed"
        "$bin/bench/bench_launch" "$@" build/bench-package/bench/bare_window >>"$work/launch.installed-bare"
    fi
}
for ((run = 1; run <= runs; run++)); do launch --times; done
for ((run = 1; run <= memoryRuns; run++)); do launch; done

# In-process figures: round trips on X, clicks offscreen.
"$bin/bench/bench_runtime" trips "$trips" >"$work/trips.poniruka" 2>/dev/null
"$bin/bench/bare_window" trips "$trips" >"$work/trips.bare" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bin/bench/bench_runtime" clicks >"$work/clicks.poniruka" 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bin/bench/bare_window" clicks >"$work/clicks.bare" 2>/dev/null

for program in "$bin/poniruka" "$bin/bench/bare_window"; do
    strip -o "$work/stripped" "$program"
    stat -c %s "$work/stripped" >>"$work/sizes"
done

# The values of a field of the launch lines of $1, divided by $3, in order;
# a timed start has no memory (-1).
values()
{
    awk -v name="$2" -v scale="$3" '{ for (i = 1; i < NF; i++) if ($i == name && $(i + 1) >= 0) print $(i + 1) / scale }' \
        "$work/launch.$1" | sort -g
}
median() { values "$@" | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# median [lowest-highest] of a field of the launch lines, divided by $3.
launched()
{
    values "$@" | awk -v median="$(median "$@")" '{ v[NR] = $1 } END { printf "%.1f [%.1f-%.1f]", median, v[1], v[NR] }'
}
# How the program ($1) compares with its bare window ($2) in a field: the
# ratio of the medians, or their difference in MiB.
ratio() { awk -v a="$(median "$1" "$3" 1)" -v b="$(median "$2" "$3" 1)" 'BEGIN { printf "x %.2f", a / b }'; }
excess() { awk -v a="$(median "$1" "$3" 1024)" -v b="$(median "$2" "$3" 1024)" 'BEGIN { printf "%+.1f", a - b }'; }
# The value of a "name value" line, divided by $3.
figure() { awk -v name="$2" -v scale="$3" '$1 == name { printf "%.1f", $2 / scale }' "$work/$1"; }
# median [10th-90th percentile] of a click line.
clicks() { awk -v name="$2" '$1 == name { printf "%s [%s-%s]", $2, $3, $4 }' "$work/clicks.$1"; }
# The launch columns: each program, then its bare window.
columns=(poniruka bare)
[ "$package" -eq 1 ] && columns+=(installed installed-bare)
row()
{
    local line
    line=$(printf '%-38s' "$1" && shift && printf ' %-22s' "$@")
    echo "${line%"${line##*[! ]}"}"
}
# A start-up row, every column.
startup()
{
    local cells=() column
    for column in "${columns[@]}"; do cells+=("$(launched "$column" "$2" "$3")"); done
    row "$1" "${cells[@]}"
}
# Each program against its bare window: "ratio" of the medians, or their "excess" in MiB.
against()
{
    local cells=() i
    for ((i = 0; i < ${#columns[@]}; i += 2)); do cells+=("$($2 "${columns[i]}" "${columns[i + 1]}" "$3")" ""); done
    row "$1" "${cells[@]}"
}

echo "ぽにるか beside a bare Qt window: Xvfb, $((runs + memoryRuns)) starts of each interleaved, the memory of $memoryRuns;"
echo "median [lowest-highest], for the clicks median [10th-90th percentile] of 2000"
if [ "$package" -eq 1 ]; then
    row "" "release build" "bare Qt window" "package $(dpkg-query -W -f='${Version}' poniruka)" "bare, package's flags"
else
    row "" "release build" "bare Qt window"
fi
startup "exec -> first window mapped (ms)" mapped_ms 1
against "  against the bare window" ratio mapped_ms
startup "exec -> first pixels (ms)" first_pixels_ms 1
against "  against the bare window" ratio first_pixels_ms
startup "RSS 5 s after start (MiB)" rss_kib 1024
against "  against the bare window (MiB)" excess rss_kib
startup "splash -> menu (ms)" next_window_ms 1
row "RSS after 100 round trips (MiB)" "$(figure trips.poniruka rss_after_100_kib 1024)" \
    "$(figure trips.bare rss_after_100_kib 1024)"
row "RSS after $trips round trips (MiB)" "$(figure trips.poniruka rss_after_all_kib 1024)" \
    "$(figure trips.bare rss_after_all_kib 1024)"
row "  growth a trip after 100 (bytes)" "$(figure trips.poniruka growth_per_trip_bytes 1)" \
    "$(figure trips.bare growth_per_trip_bytes 1)"
row "cmdst_Click, offscreen (us)" "$(clicks poniruka cmdst_click_us)" "$(clicks bare click_us) (a label written)"
row "cmdok_Click, offscreen (us)" "$(clicks poniruka cmdok_click_us)" "$(clicks bare click_us)"
row "stripped binary (KiB)" "$(($(sed -n 1p "$work/sizes") / 1024))" "$(($(sed -n 2p "$work/sizes") / 1024))"

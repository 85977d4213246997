#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer and program under Wine, as a school's computer runs
# them: a fresh Wine prefix in a Japanese locale, on a virtual display of its
# own. Run tools/windows-build.sh first.
#
#   tools/windows-walk.sh [--shots DIR]
#
# Installs build/windows/poniruka-*-x64.msi silently and checks what it put
# where (the folder, the Start-menu shortcut, the installed-programs entry)
# and what the installed executable carries (tests/windows/resources.cpp).
# Then starts the program from its shortcut and walks it: the splash gives way
# to the menu; in both exercises a problem, a wrong answer and an empty
# answer; the about box, whose system-information button starts the program
# the registry names (tests/windows/marker.cpp) without waiting for it; back
# to the menu; おわる. Last, removes it silently and checks that nothing of it
# is left. With --shots, leaves a picture of each screen in DIR (wine-*.png).
set -euo pipefail
USER=${USER:-$(id -un)}
cd "$(dirname "$0")/.."
shots=
if [ "${1:-}" = --shots ]; then
    shots=$(realpath "$2")
    mkdir -p "$shots"
fi
. tools/packages.sh
ensure_packages "${PONIRUKA_WINDOWS_PACKAGES[@]}"
. tools/xvfb.sh

msi=$(ls build/windows/poniruka-*-x64.msi)
started=$SECONDS
passed=0
stage()
{
    passed=$((passed + 1))
    printf 'windows-walk: %-44s %4d s\n' "$1" "$((SECONDS - started))"
}
fail()
{
    echo "windows-walk: FAIL $*" >&2
    [ -z "$shots" ] || [ -z "${DISPLAY:-}" ] || import -window root -depth 8 "$shots/wine-failed.png" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    exit 1
}

# A Japanese system: Windows' ANSI code page is then 932, as on the school's
# computers, and the shortcut's path to ぽにるか survives in it. The locale is
# made here, for this walk alone.
mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" 2>"$work/localedef.log" \
    || fail "no Japanese locale: $(cat "$work/localedef.log")"
# (This shell knows nothing of LOCPATH and would warn that it cannot use the locale.)
{ export LOCPATH="$work/locale" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nor does Windows have this machine's IPA and Reggae fonts: hidden from Wine,
# the program must draw with the copies in its own folder.
cat >"$work/fonts.conf" <<'FONTS'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <glob>/usr/share/fonts/opentype/ipafont-gothic/*</glob>
    <glob>/usr/share/fonts/truetype/fonts-japanese-*</glob>
    <glob>/usr/share/fonts/truetype/reggae/*</glob>
  </rejectfont></selectfont>
</fontconfig>
FONTS
export FONTCONFIG_FILE="$work/fonts.conf"

# The two helper programs, built for Windows.
cross=(x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Werror -static)
mkdir -p "$work/checks" "$work/marker"
"${cross[@]}" -municode tests/windows/resources.cpp -lversion -lshell32 -o "$work/checks/resources.exe"
"${cross[@]}" -mwindows tests/windows/marker.cpp -o "$work/marker/marker.exe"

start_xvfb
wineboot --init >"$work/wineboot.log" 2>&1 || fail "no Wine prefix: $(tail -n 5 "$work/wineboot.log")"
stage "fresh prefix, Japanese locale"

# ---- installing --------------------------------------------------------------
wine msiexec /i "$(winepath -w "$msi")" /qn >"$work/install.log" 2>&1 || fail "install failed"
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/ぽにるか"
for file in poniruka.exe fonts/ipagp.ttf fonts/ReggaeOne-Regular.ttf fonts/LICENSES.txt; do
    [ -f "$installed/$file" ] || fail "not installed: Program Files\\ぽにるか\\$file"
done
# Wine 8 puts an all-users shortcut in the user's Start menu: either will do.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ぽにるか.lnk"
    "$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ぽにるか.lnk")
shortcut=
for candidate in "${shortcuts[@]}"; do [ -f "$candidate" ] && shortcut=$candidate; done
[ -n "$shortcut" ] || fail "no Start-menu shortcut ぽにるか"
stage "installed in Program Files\\ぽにるか, a shortcut"

# The installed-programs list: the name, the version, the icon.
product=$(msiinfo export "$msi" Property | sed -n 's/^ProductCode\t\(.*\)\r$/\1/p')
wine reg export "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" \
    "$(winepath -w "$work/uninstall.reg")" >/dev/null 2>&1 || fail "not in the installed-programs list"
iconv -f UTF-16 -t UTF-8 "$work/uninstall.reg" | tr -d '\r' >"$work/uninstall.txt"
grep -qx '"DisplayName"="ぽにるか"' "$work/uninstall.txt" || fail "the installed-programs entry is not named ぽにるか"
grep -qx '"DisplayVersion"="1.0.0"' "$work/uninstall.txt" || fail "the installed-programs entry is not version 1.0.0"
[ -s "$WINEPREFIX/drive_c/windows/Installer/$product/clock.ico" ] || fail "the installed-programs entry has no icon"
stage "in the installed-programs list: name, 1.0.0, icon"

wine "$work/checks/resources.exe" "C:\\Program Files\\ぽにるか\\poniruka.exe" >"$work/resources.log" 2>&1 \
    || fail "the executable's resources: $(cat "$work/resources.log")"
stage "$(tail -n 1 "$work/resources.log" | tr -d '\r')"

# ---- the program ---------------------------------------------------------------
# Under Wine a window paints a moment after it shows or changes: each step
# waits for the picture to hold still, after it changed where a change is due.
picture() { import -window "$1" -depth 8 rgb:- 2>/dev/null | md5sum; }
# settled WINDOW [BEFORE]: waits until the window is painted (more than one
# colour), differs from the picture BEFORE and holds still; fails after 5 s
settled()
{
    local last= now
    for _ in $(seq 50); do
        now=$(picture "$1")
        if [ "$now" = "$last" ] && [ "$now" != "${2:-}" ] \
            && [ "$(import -window "$1" -format %k info: 2>/dev/null)" -gt 1 ]; then
            return 0
        fi
        last=$now
        sleep 0.05
    done
    return 1
}
shot() { [ -z "$shots" ] || import -window "$1" -depth 8 "$shots/wine-$2.png"; }
gone() # gone TITLE: waits until no visible window has this title
{
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}
running() { pgrep -f 'ぽにるか\\poniruka\.exe' >/dev/null; }
# inked WINDOW X Y WIDTH HEIGHT: how many pixels of that part of the window are
# the dark blue of "ちがうよ" (text is smoothed: near it, not exactly it).
inked()
{
    import -window "$1" -depth 8 -crop "$4x$5+$2+$3" txt:- 2>/dev/null \
        | awk -F'[(),]' 'NR > 1 && $3 < 64 && $4 < 64 && $5 > 96 { n++ } END { print n + 0 }'
}

# quiz TITLE NAME CHALLENGE-X ANSWER-X VERDICT-Y: one exercise, open
quiz()
{
    local window=$1 title=$2 cx=$3 ax=$4 vy=$5
    settled "$window" || fail "$title: never painted"
    # ちょうせん: a problem, and the minutes box takes the typing.
    local before
    before=$(picture "$window")
    xdotool mousemove --window "$window" "$cx" 48 click 1
    settled "$window" "$before" || fail "$title: ちょうせん posed no problem"
    shot "$window" "$title-posed"
    # A wrong answer: the boxes are emptied and the verdict reads ちがうよ, in dark blue.
    [ "$(inked "$window" 304 "$vy" 129 57)" -eq 0 ] || fail "$title: a verdict before any answer"
    before=$(picture "$window")
    xdotool windowfocus --sync "$window" type 99
    xdotool mousemove --window "$window" 40 $((vy + 28)) click 1
    xdotool type 99
    settled "$window" "$before" || fail "$title: the answer boxes took no typing"
    xdotool mousemove --window "$window" "$ax" 96 click 1
    for _ in $(seq 100); do [ "$(inked "$window" 304 "$vy" 129 57)" -gt 20 ] && break; sleep 0.05; done
    [ "$(inked "$window" 304 "$vy" 129 57)" -gt 20 ] || fail "$title: no ちがうよ for a wrong answer"
    shot "$window" "$title-wrong"
    # こたえる with both boxes empty: the message box, with the program's title; Enter closes it.
    xdotool mousemove --window "$window" "$ax" 96 click 1
    box=$(find_window ぽにるか) || fail "$title: no message box for an empty answer"
    settled "$box" || fail "$title: the message box was never painted"
    shot "$box" "$title-empty"
    xdotool windowfocus --sync "$box" key Return
    gone ぽにるか || fail "$title: Enter did not close the message box"
}

wine start /unix "$shortcut" >"$work/program.log" 2>&1
splash=$(find_window --class poniruka.exe) || fail "nothing came up"
[ "$(xdotool getwindowname "$splash")" != メインメニュー ] || fail "the menu came without the splash"
settled "$splash" && shot "$splash" splash
menu=$(find_window メインメニュー) || fail "the menu never came"
settled "$menu" || fail "the menu was never painted"
running || fail "the program is not the one installed"
shot "$menu" menu
stage "started from its shortcut: splash, then the menu"

xdotool windowfocus --sync "$menu" key Return
first=$(find_window 'ぽにるか：たしたらなんじになる？') || fail "Enter on なんじになる？１ did not open it"
quiz "$first" frmtime 344 344 224
# The hour box's context menu: Qt's own texts, from its Japanese translation
# inside the program (seen in the picture, not read back).
windows=$(xdotool search --onlyvisible --class poniruka.exe | sort)
xdotool mousemove --window "$first" 40 252 click 3
popup=
for _ in $(seq 100); do
    popup=$(comm -13 <(echo "$windows") <(xdotool search --onlyvisible --class poniruka.exe | sort) | head -n1)
    [ -n "$popup" ] && break
    sleep 0.05
done
[ -n "$popup" ] || fail "no context menu in the hour box"
settled "$popup" && shot "$popup" frmtime-contextmenu
xdotool key Escape
stage "なんじになる？１: problem, wrong, empty"

# バージョン, top right: the about box. Its system-information button starts
# what the registry names, in a normal window, and does not wait for it.
wine reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
    /d "$(winepath -w "$work/marker/marker.exe")" /f >/dev/null 2>&1 || fail "could not write the registry"
xdotool mousemove --window "$first" 380 14 click 1
about=$(find_window ぽにるかのﾊﾞｰｼﾞｮﾝ情報) || fail "the about box did not open"
settled "$about" || fail "the about box was never painted"
shot "$about" frmabout
xdotool windowfocus --sync "$about" key alt+s
for _ in $(seq 100); do [ -s "$work/marker/started.txt" ] && break; sleep 0.05; done
[ -s "$work/marker/started.txt" ] || fail "ｼｽﾃﾑ情報 did not start the program the registry names"
tr -d '\r' <"$work/marker/started.txt" | grep -qx 'show 1' || fail "not started in a normal window: $(cat "$work/marker/started.txt")"
xdotool windowfocus --sync "$about" key Return
gone ぽにるかのﾊﾞｰｼﾞｮﾝ情報 || fail "OK did not close the about box while the started program ran"
touch "$work/marker/stop"
stage "about box: Alt+S started ｼｽﾃﾑ情報, not waited for; OK"

# メニュー, then なんじになる？２.
xdotool mousemove --window "$first" 344 144 click 1
menu=$(find_window メインメニュー) || fail "メニュー did not bring the menu back"
settled "$menu" || fail "the menu was never painted again"
xdotool mousemove --window "$menu" 120 144 click 1
second=$(find_window 'ぽにるか：○じかんまえはなんじ？') || fail "なんじになる？２ did not open"
quiz "$second" frmtime2 504 504 216
stage "なんじになる？２: problem, wrong, empty"

xdotool mousemove --window "$second" 504 192 click 1
for _ in $(seq 100); do running || break; sleep 0.1; done
running && fail "おわる did not end the program"
stage "ended with おわる"

# ---- removing ------------------------------------------------------------------
wine msiexec /x "$(winepath -w "$msi")" /qn >"$work/remove.log" 2>&1 || fail "removal failed"
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $installed"
[ ! -e "${shortcuts[0]}" ] && [ ! -e "${shortcuts[1]}" ] || fail "the shortcut was left"
wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" >/dev/null 2>&1 \
    && fail "still in the installed-programs list"
wineserver -w
stage "removed, nothing left"
echo "windows-walk: $passed stages: $passed passed, 0 failed"

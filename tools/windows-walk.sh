#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer and program under Wine, on a virtual display of its
# own, in a fresh Wine prefix: installs build/windows/poniruka-*-x64.msi
# silently, starts the installed program, waits for the splash to give way
# to the menu, opens なんじになる？１ with the keyboard, poses a problem,
# answers with both boxes empty, opens and closes the about box, ends the
# program with おわる, removes it silently and checks that nothing of it is
# left. Run tools/windows-build.sh first.
set -euo pipefail
USER=${USER:-$(id -un)}
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages "${PONIRUKA_WINDOWS_PACKAGES[@]}"
. tools/xvfb.sh

msi=$(ls build/windows/poniruka-*-x64.msi)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
started=$SECONDS
stage() { printf 'windows-walk: %-36s %4d s\n' "$1" "$((SECONDS - started))"; }
fail() { echo "windows-walk: $*" >&2; wineserver -k 2>/dev/null || true; exit 1; }

start_xvfb
wineboot --init >"$work/wineboot.log" 2>&1 || fail "no Wine prefix: $(tail -n 5 "$work/wineboot.log")"
stage "fresh prefix"
wine msiexec /i "$(winepath -w "$msi")" /qn >"$work/install.log" 2>&1 || fail "install failed"
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Poniruka"
[ -f "$installed/poniruka.exe" ] || fail "nothing installed in Program Files"
# Wine 8 puts an all-users shortcut in the user's Start menu: either will do.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Poniruka.lnk"
    "$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Poniruka.lnk")
[ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ] || fail "no Start-menu shortcut"
stage "installed"

wine "C:\\Program Files\\Poniruka\\poniruka.exe" >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")
menu=$(find_window メインメニュー) || fail "the menu never came"
stage "splash, then the menu"
xdotool windowfocus --sync "$menu" key Return
quiz=$(find_window 'ぽにるか：たしたらなんじになる？') || fail "なんじになる？１ did not open"
xdotool windowfocus --sync "$quiz" key space
stage "なんじになる？１, a problem posed"
# こたえる with both boxes empty: the message box, with the program's title.
xdotool mousemove --window "$quiz" 344 96 click 1
box=$(find_window ぽにるか) || fail "no message box for an empty answer"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^ぽにるか$' >/dev/null 2>&1 || break; sleep 0.1; done
stage "an empty answer, its message"
# バージョン, top right: the about box; Enter presses its OK.
xdotool mousemove --window "$quiz" 380 14 click 1
about=$(find_window ぽにるかのﾊﾞｰｼﾞｮﾝ情報) || fail "the about box did not open"
xdotool windowfocus --sync "$about" key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' >/dev/null 2>&1 && fail "OK did not close the about box"
stage "the about box, closed with OK"
# おわる, the fourth button of the column.
xdotool mousemove --window "$quiz" 344 192 click 1
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "おわる did not end the program"
stage "ended with おわる"

wine msiexec /x "$(winepath -w "$msi")" /qn >"$work/remove.log" 2>&1 || fail "removal failed"
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $installed"
[ ! -e "${shortcuts[0]}" ] && [ ! -e "${shortcuts[1]}" ] || fail "the shortcut was left"
stage "removed, nothing left"
echo "windows-walk: 7 stages: 7 passed, 0 failed"

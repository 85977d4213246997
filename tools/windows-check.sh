#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The system-information launcher on Windows: builds tests/windows/sysinfo_registry.cpp
# with mingw-w64 (the launcher, its registry reader and the advapi32 binding;
# nothing of Qt) and runs it under Wine, whose registry is a real implementation
# of the same functions. Headless, in a Wine prefix of its own that is thrown
# away afterwards. Prints the check's "N passed, M failed"; fails when a case does.
set -euo pipefail
cd "$(dirname "$0")/.."

. tools/packages.sh
ensure_packages g++-mingw-w64-x86-64 wine64 wine

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No Mono or Gecko to offer to install, and no display to show anything on.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
finish()
{
    local status=$?
    # On the way out after a failure, stop the prefix's server rather than wait for it.
    [ "$status" -eq 0 ] || wineserver -k 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -static -I. \
    tests/windows/sysinfo_registry.cpp info/sysinfo.cpp info/registry_win.cpp shell/commandline.cpp \
    -ladvapi32 -o "$work/sysinfo_registry.exe"

# Makes the prefix first, so that its messages do not mix with the check's.
wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
wine "$work/sysinfo_registry.exe"
wineserver -w

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ぽにるか for Windows, from the same sources:
#
#   tools/windows-build.sh
#
# leaves build/windows/poniruka.exe (one statically linked GUI program),
# build/windows/poniruka-<version>-x64.msi (the installer) and
# build/windows/poniruka-<version>-x64.zip (the program and its fonts, to run
# from a folder or a USB stick). The static Qt comes from tools/windows-qt.sh,
# built once; the pictures are drawn by this machine's poniruka_iconrender.
set -euo pipefail
cd "$(dirname "$0")/.."

. tools/packages.sh
ensure_packages "${PONIRUKA_WINDOWS_PACKAGES[@]}"

stage() { printf 'windows-build: %-28s %4d s\n' "$1" "$((SECONDS - started))"; }
started=$SECONDS
PONIRUKA_WINDOWS_QT=$(tools/windows-qt.sh)
export PONIRUKA_WINDOWS_QT
stage "Qt for Windows ready"

cmake --preset release >/dev/null
cmake --build --preset release --target poniruka_iconrender >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows
out=build/windows
stage "program built"

# Only Windows' own DLLs: no Qt, no MinGW runtime beside the program.
imports=$(x86_64-w64-mingw32-objdump -p "$out/poniruka.exe" | sed -n 's/^\tDLL Name: //p')
if grep -i -E '^(qt|lib|mingw)' <<<"$imports"; then
    echo "windows-build: poniruka.exe needs DLLs that Windows lacks (above)" >&2
    exit 1
fi

version=$(sed -n 's/^project(poniruka VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
staged=$out/stage
rm -rf "$staged"
mkdir -p "$staged/fonts"
cp "$out/poniruka.exe" "$staged/"
cp /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf /usr/share/fonts/truetype/reggae/ReggaeOne-Regular.ttf "$staged/fonts/"
{
    echo "IPA P Gothic (ipagp.ttf):"
    cat /usr/share/doc/fonts-ipafont-gothic/copyright
    echo
    echo "Reggae One (ReggaeOne-Regular.ttf):"
    cat /usr/share/doc/fonts-reggae/copyright
} | sed 's/$/\r/' >"$staged/fonts/LICENSES.txt"

msi=$out/poniruka-$version-x64.msi
wixl --arch x64 -D Version="$version" -D Stage="$staged" -D Icon="build/windows/icons/clock.ico" \
    -o "$msi" packaging/windows/poniruka.wxs
stage "installer built"

zip=$PWD/$out/poniruka-$version-x64.zip
rm -f "$zip"
(cd "$staged" && zip -q -r "$zip" poniruka.exe fonts)
stage "zip built"
ls -l "$out/poniruka.exe" "$msi" "$zip"

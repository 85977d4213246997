#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A static Qt (qtbase alone) for 64-bit Windows, cross-built with mingw-w64 from
# Debian's own qt6-base source package, of the same version as the host's Qt:
#
#   tools/windows-qt.sh        # prints the Qt prefix on standard output
#
# The build takes about twenty minutes on two cores and is done once: the
# result is kept in ${XDG_CACHE_HOME:-~/.cache}/poniruka/, under a name made of
# the Qt version and of the content of this script and of the toolchain file,
# so a change to either builds afresh and an unchanged one is reused. The
# source comes through a source list of this script's own; the system's apt
# configuration is read, never changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. tools/packages.sh
ensure_packages "${PONIRUKA_WINDOWS_PACKAGES[@]}"

toolchain=$root/packaging/windows/mingw-w64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%%+*}
key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/poniruka
prefix=$cache/qt-$upstream-mingw-w64-static-$key

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

say() { echo "windows-qt: $*" >&2; }
started=$SECONDS
work=$cache/build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"

# The system's own archives, as source lists: every "deb" entry turned into
# "deb-src" in a folder of this script's own.
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list"
done >"$work/apt/sources.list.d/system-src.list"
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && sed 's/^Types:.*/Types: deb-src/' "$list" >"$work/apt/sources.list.d/$(basename "$list")"
done
apt_options=(
    -o Dir::Etc::sourcelist=/dev/null
    -o Dir::Etc::sourceparts="$work/apt/sources.list.d"
    -o Dir::State::Lists="$work/apt/lists"
    -o Dir::Cache="$work/apt/cache"
    -o Debug::NoLocking=1
)
say "fetching the source of qt6-base $version"
apt-get "${apt_options[@]}" -q update >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
(cd "$work" && apt-get "${apt_options[@]}" -q source --download-only "qt6-base=$version") >>"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log" >&2; exit 1; }
dsc=$(ls "$work"/qt6-base_*.dsc)
dpkg-source --no-check -x "$dsc" "$work/src" >>"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
say "source ready after $((SECONDS - started)) s"

# What the program needs of Qt and nothing more: Widgets and the Windows
# platform, accessibility included, with Qt's own copies of the libraries
# Windows lacks. Direct2D stays on: without it the platform plugin's font
# database does not link. Debian's tarball lacks the tablet sources.
mkdir -p "$work/build"
cd "$work/build"
"$work/src/configure" -prefix "$prefix" \
    -xplatform win32-g++ -static -static-runtime -release -optimize-size \
    -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-glib -no-zstd -no-pkg-config \
    -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-testlib -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
    -qt-host-path /usr \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    >"$work/configure.log" 2>&1 || { tail -n 60 "$work/configure.log" >&2; exit 1; }
say "configured after $((SECONDS - started)) s; building (about twenty minutes on two cores)"
nice cmake --build . --parallel "$(nproc)" >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log" >&2; exit 1; }
cmake --install . >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log" >&2; exit 1; }
cd "$root"
touch "$prefix/.complete"
rm -rf "$work"
# Older builds of this script are of no further use.
for old in "$cache"/qt-*-mingw-w64-static-*; do
    [ "$old" = "$prefix" ] || rm -rf "$old"
done
say "Qt for Windows built in $((SECONDS - started)) s: $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix"

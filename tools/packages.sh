# SPDX-License-Identifier: MIT
# Sourced by run.sh and test.sh: the Debian packages that building, running and
# testing the program need, in one list, and the step that installs the
# missing ones. Nothing is installed or updated when all are present.

PONIRUKA_PACKAGES=(
    cmake
    g++
    ninja-build
    git
    qt6-base-dev
    qt6-svg-dev          # the pictures are drawn from their vector sources
    qt6-translations-l10n # Qt's own texts (context menus, buttons) in Japanese
    fonts-ipafont-gothic # stands in for "ＭＳ Ｐゴシック"
    fonts-reggae         # stands in for the pop faces
    xvfb                 # the end-to-end walk-through runs on a virtual display
    xdotool              # ... and clicks through it
    libx11-dev           # ... and closes a window the moment it appears
    at-spi2-core         # the accessibility bus, for what a screen reader finds
    dbus-daemon          # ... in a session bus of its own (dbus-run-session)
    dbus-bin             # ... started with dbus-send
    desktop-file-utils   # checks the desktop entry
    appstream            # checks the metainfo
)

# What tools/package.sh needs besides, to build and check the Debian package.
PONIRUKA_PACKAGING_PACKAGES=(
    build-essential
    dpkg-dev             # dpkg-buildpackage, and the flags the package is built with
    debhelper
    lintian
    binutils             # readelf: the installed program carries no search path
)

# What tools/bench.sh needs besides.
PONIRUKA_BENCH_PACKAGES=(
    libxcb1-dev          # the launcher watches windows appear through xcb
    dpkg-dev             # --package: the bare window with the package's flags
)

# What building and checking the Windows program needs besides, installed by the
# Windows scripts alone (tools/windows-*.sh), never by run.sh or test.sh.
PONIRUKA_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix # the cross compiler, POSIX-threads variant
    dpkg-dev             # dpkg-source unpacks Debian's Qt source package
    xz-utils             # ... which is compressed with xz
    perl                 # Qt's configure and header tools are partly Perl
    wixl                 # builds the MSI installer
    msitools             # reads it back (msiinfo)
    zip                  # the folder to run from a USB stick
    wine                 # runs the program, the installer and the checks
    wine64
    locales              # ... in a Japanese locale, made for the walk alone
    imagemagick          # the walk's pictures, and the colour of a verdict
)

# ensure_packages [extra package ...]: the list above and these
ensure_packages()
{
    local missing=() pkg
    for pkg in "${PONIRUKA_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "These packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "${missing[@]}"
}

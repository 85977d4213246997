#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the pictures of the screens anew: each of the five screens as it
# loads, and each exercise with a problem posed, a wrong answer and the right
# one, into docs/screenshots/. They are the README's pictures and, at once,
# what tst_pictures compares every screen with, pixel for pixel: a change of
# the look is one commit of pictures, looked over as such.
#
#   tools/screenshots.sh
#
# Builds tst_pictures in the developer build and runs it with --regenerate:
# each window's interior drawn offscreen at scale 1, with the fonts of
# tests/pictures-fonts.conf only. installed-200.png, the installed program on
# a desktop at 200 %, is not drawn here.
set -euo pipefail
cd "$(dirname "$0")/.."

. tools/packages.sh
ensure_packages

cmake --preset dev >/dev/null
cmake --build --preset dev --target tst_pictures
build/dev/tests/tst_pictures --regenerate -silent
git status --short docs/screenshots

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds ぽにるか and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set): start ぽにるか from a desktop session." >&2
    exit 2
fi

. tools/packages.sh
ensure_packages

cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/poniruka "$@"

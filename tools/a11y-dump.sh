#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints every screen of ぽにるか as a screen reader finds it on the
# accessibility bus: roles, names, descriptions, states, relations, actions,
# and the notifications that speak each verdict.
# Usage: tools/a11y-dump.sh [PATH-TO-PONIRUKA]   (default: the dev build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

. "$here/packages.sh"
ensure_packages python3-gi gir1.2-atspi-2.0

program=$(realpath "${1:-$here/../build/dev/poniruka}")
# Debian's own Python, which the python3-gi package serves.
exec "$here/a11y-session.sh" /usr/bin/python3 "$here/a11y-dump.py" "$program"

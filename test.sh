#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds ぽにるか with warnings as errors and runs
# the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"

. tools/packages.sh
ensure_packages

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

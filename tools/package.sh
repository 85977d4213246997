#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of ぽにるか and checks it with lintian:
#
#   tools/package.sh        # leaves build/package/poniruka_<version>_<arch>.deb
#   sudo apt install ./build/package/poniruka_*.deb
#
# Installs what the build lacks, builds from a copy of the source tree in
# build/package/ (so the tree itself stays clean and the package files land
# there rather than beside the checkout), and runs the offscreen test suites
# on the way.
set -euo pipefail
cd "$(dirname "$0")/.."

. tools/packages.sh
ensure_packages "${PONIRUKA_PACKAGING_PACKAGES[@]}"

# The build dependencies from debian/control that are not installed yet.
unmet=$(dpkg-checkbuilddeps 2>&1 | sed -n 's/.*Unmet build dependencies: //p' | sed 's/([^)]*)//g')
if [ -n "$unmet" ]; then
    # shellcheck disable=SC2086 # one word per package
    ensure_packages $unmet
fi

version=$(dpkg-parsechangelog -S Version)
out=build/package
rm -rf "$out"
mkdir -p "$out/poniruka-$version"
git ls-files -z --cached --others --exclude-standard \
    | while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done \
    | xargs -0 cp --parents -t "$out/poniruka-$version"

# Two jobs unless told otherwise: the build machines are shared.
(cd "$out/poniruka-$version" && DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2} dpkg-buildpackage -us -uc -b)
rm -rf "${out:?}/poniruka-$version"

# A program installed beside the system's libraries carries no search path of
# its own; lintian does not look for one.
for deb in "$out"/*.deb; do
    tree=$(mktemp -d)
    dpkg-deb -x "$deb" "$tree"
    while IFS= read -r -d '' file; do
        if readelf -h "$file" >/dev/null 2>&1 && readelf -d "$file" 2>/dev/null | grep -E '\((RPATH|RUNPATH)\)'; then
            echo "${deb##*/}: ${file#"$tree"} carries a search path" >&2
            rm -rf "$tree"
            exit 1
        fi
    done < <(find "$tree" -type f -print0)
    rm -rf "$tree"
done

changes=$(ls "$out"/poniruka_"$version"_*.changes)
lintian --fail-on error,warning "$changes"
ls "$out"/*.deb

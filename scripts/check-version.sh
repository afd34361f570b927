#!/usr/bin/env bash
# Checks that the README and the guides name the project's version, the one CMake has (passed
# as the argument), wherever they name a version or a release file: a stale download name is a
# broken link.
set -euo pipefail
cd "$(dirname "$0")/.."
version="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "'$version' is not a version"
names=$(grep -o -h -E 'Pelvoro[- ][0-9]+\.[0-9]+\.[0-9]+' README.md docs/*.html || true)
grep -q -F "Pelvoro-$version-setup.exe" README.md || fail "README.md does not name Pelvoro-$version-setup.exe"
stale=$(echo "$names" | grep -v -x -E "Pelvoro[- ]${version//./\\.}" | sort -u || true)
[ -z "$stale" ] || fail "other versions named: $(echo $stale)"
echo "README and guides name version $version"

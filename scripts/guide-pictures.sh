#!/usr/bin/env bash
# Takes the pictures of the user guides (docs/imatges/) from the i686 build under 32-bit Wine,
# building it first. Needs what scripts/install-deps.sh installs, Wine's own fonts and optipng
# among them: the pictures show Wine's Marlett caption buttons and MS Sans Serif.
# Arguments go to scripts/guide_pictures.py (--bin DIR, --out DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2
python3 scripts/guide_pictures.py "$@"
# The build ships the guides with their pictures: once more, so it carries the new ones.
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 >/dev/null

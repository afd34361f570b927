#!/usr/bin/env bash
# Builds the three presets and runs every test: the headless tests, the checks of the Windows
# binaries, and the end-to-end cases on the i686 release build under 32-bit Wine and on the
# x86_64 build under wine64, each on an Xvfb display and in a Wine prefix of its own, so two
# run at a time. A failing test is not run again: it is a fault to find. Arguments go to ctest
# (e.g. -L e2e32, -R dwell).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --test-dir build/native --output-on-failure -j2 "$@"

#!/usr/bin/env bash
# The program next to minimal programs of ours under Wine: sizes, start-up, memory, and CPU with
# the frame following the pointer. Needs the Windows builds (cmake --build --preset win32, and
# win64 for --arch win64/both). Options: see bench_floor.py --help.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec python3 "$here/bench_floor.py" "$@"

#!/usr/bin/env bash
# Cost of the hook procedures per event next to a bare CallNextHookEx, under wine64.
# Needs build/win64/tools/BenchHook.exe (cmake --build --preset win64).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec python3 "$here/run_e2e.py" bench "$@"

#!/usr/bin/env bash
# Cost of the hook procedures per event next to a bare CallNextHookEx, on the i686 build under
# 32-bit Wine and on the x86_64 build under wine64. Needs both Windows builds
# (cmake --build --preset win32; cmake --build --preset win64).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for arch in win32 win64; do
  echo "== $arch"
  python3 "$here/run_e2e.py" bench --arch "$arch" "$@"
done

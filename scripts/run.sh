#!/usr/bin/env bash
# Builds the x86_64 program and starts it under wine64 on the current X display.
# Arguments are passed on to Pelvoro (e.g. NOABOUT).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: set DISPLAY (for a virtual one: Xvfb :1 & export DISPLAY=:1)." >&2
  exit 1
fi

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

export WINEDEBUG="${WINEDEBUG:--all}"
exec /usr/lib/wine/wine64 build/win64/Pelvoro.exe "$@"

#!/usr/bin/env bash
# Builds the program users get (i686) and starts it under 32-bit Wine on the current X display,
# in a Wine prefix of its own. PELVORO_ARCH=win64 runs the x86_64 build under wine64 instead.
# Arguments are passed on to Pelvoro (e.g. NOABOUT).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: set DISPLAY (for a virtual one: Xvfb :1 & export DISPLAY=:1)." >&2
  exit 1
fi

arch="${PELVORO_ARCH:-win32}"
case "$arch" in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *) echo "PELVORO_ARCH is win32 or win64, not '$arch'." >&2; exit 1 ;;
esac

bash scripts/install-deps.sh
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch"

# A 32-bit prefix cannot be used by 64-bit Wine nor the other way round: one prefix per build.
export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/pelvoro/wine${arch#win}}"
export WINEARCH="$arch"
export WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$(dirname "$WINEPREFIX")"
exec "$loader" "build/$arch/Pelvoro.exe" "$@"

#!/usr/bin/env bash
# Checks a Windows build: the architecture of both binaries, the exe's load-time import of the
# hook library and none of the libraries it loads when first used, the library's four exports,
# the i686 release build's size, that no MinGW runtime DLL is needed, and that the
# user guides the about box opens stand beside the program.
set -euo pipefail
dir="$1"; arch="$2"   # arch: i686 or x86_64
objdump="$arch-w64-mingw32-objdump"
expected_format=$([ "$arch" = i686 ] && echo "pei-i386" || echo "pei-x86-64")
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in Pelvoro.exe LlibreriaPelvoro.dll; do
  [ -f "$dir/$f" ] || fail "$dir/$f missing"
  "$objdump" -f "$dir/$f" | grep -q "file format $expected_format" || fail "$f is not $expected_format"
  dlls=$("$objdump" -p "$dir/$f" | awk '/DLL Name:/ {print tolower($3)}')
  echo "$f imports: $(echo $dlls)"
  if echo "$dlls" | grep -E -q 'libgcc|libstdc\+\+|libwinpthread|mingw'; then fail "$f needs a MinGW runtime DLL"; fi
done
exe_dlls=$("$objdump" -p "$dir/Pelvoro.exe" | awk '/DLL Name:/ {print tolower($3)}')
echo "$exe_dlls" | grep -qx "llibreriapelvoro.dll" || fail "Pelvoro.exe does not import LlibreriaPelvoro.dll at load time"
# The colour chooser's and the shell's libraries are loaded when first used, not at start.
for lazy in comdlg32.dll shell32.dll; do
  if echo "$exe_dlls" | grep -qx "$lazy"; then fail "Pelvoro.exe imports $lazy at load time"; fi
done
exports=$("$objdump" -p "$dir/LlibreriaPelvoro.dll" | awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && NF==0 {t=0} t {print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "SetHookMouse SetHookMouseMove UnHookMouse UnHookMouseMove " ] || fail "exports are: $exports"
for g in guia-ca.html guia-es.html guia-en.html; do [ -f "$dir/$g" ] || fail "$dir/$g missing"; done
if [ "$arch" = i686 ]; then file "$dir/Pelvoro.exe" | grep -q "PE32 executable (GUI) Intel 80386" || fail "not PE32 Intel 80386"; fi
# The release build at its real size: a larger one has taken in something it does not need
# (exception support in the library, an unstripped or -O3 build, a runtime piece).
if [ "$arch" = i686 ]; then
  max_dll=$((32 * 1024)); max_both=$((330 * 1024))
  dll_size=$(stat -c %s "$dir/LlibreriaPelvoro.dll"); exe_size=$(stat -c %s "$dir/Pelvoro.exe")
  echo "sizes: Pelvoro.exe $exe_size, LlibreriaPelvoro.dll $dll_size bytes"
  [ "$dll_size" -le "$max_dll" ] || fail "LlibreriaPelvoro.dll is $dll_size bytes, more than $max_dll"
  [ $((exe_size + dll_size)) -le "$max_both" ] || fail "Pelvoro.exe and the library are $((exe_size + dll_size)) bytes, more than $max_both"
fi
echo "$dir: $arch binaries as required"

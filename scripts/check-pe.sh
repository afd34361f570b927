#!/usr/bin/env bash
# Checks a Windows build: the architecture of both binaries, the exe's load-time import of the
# hook library and none of the libraries it loads when first used, the library's four exports,
# the i686 release build's size, that no MinGW runtime DLL is needed, that the user guides the
# about box opens stand beside the program, and the exe's embedded manifest.
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
# Every file a user gets, as the build lists it for the installer and the portable zip.
[ -s "$dir/shipped-files.txt" ] || fail "$dir/shipped-files.txt missing"
while read -r shipped; do
  [ -f "$dir/$shipped" ] || fail "$dir/$shipped missing"
done < "$dir/shipped-files.txt"
# The application manifest: resource type 24 (RT_MANIFEST), id 1. objdump prints the resource
# tree depth first, a level deeper for each two more spaces after the offset; the leaf gives
# the data's address relative to the image, which the .rsrc section's header maps to the file.
manifest_of() {
  local f="$1" leaf rva size base vma off
  leaf=$("$objdump" -p "$f" | awk '
    /^The \.rsrc Resource Directory section:/ {on=1; next}
    on && match($0, /^[0-9a-f]+ +/) {
      depth = RLENGTH; gsub(",", "")
      if ($2 == "Entry:" && $3 == "ID:") { if (depth == 6) type = $4; else if (depth == 8) name = $4 }
      if ($2 == "Leaf:" && type == "0x000018" && name == "0x000001") { print $4, $6; exit }
    }')
  [ -n "$leaf" ] || return 1
  read -r rva size <<<"$leaf"
  base=$("$objdump" -p "$f" | awk '$1 == "ImageBase" {print $2}')
  read -r vma off < <("$objdump" -h "$f" | awk '$2 == ".rsrc" {print $4, $6}')
  dd if="$f" bs=1 skip=$(( 0x$off + rva - (0x$vma - 0x$base) )) count=$(( size )) status=none
}
manifest=$(manifest_of "$dir/Pelvoro.exe") || fail "Pelvoro.exe has no application manifest (RT_MANIFEST 1)"
echo "$manifest" | grep -q '<dpiAwareness[^>]*>PerMonitorV2, *PerMonitor</dpiAwareness>' \
  || fail "the manifest does not ask for per-monitor (v2) dpi awareness"
echo "$manifest" | grep -q '<dpiAware [^>]*>true/pm</dpiAware>' || fail "the manifest has no dpiAware fallback"
for os in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
          4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
          8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  echo "$manifest" | grep -qi "<supportedOS Id=\"{$os}\"" || fail "the manifest lacks supportedOS {$os}"
done
# A requested execution level turns off the redirection of an ordinary user's writes to the
# Windows folder, where the settings file lives.
if echo "$manifest" | grep -q -e 'requestedExecutionLevel' -e 'trustInfo'; then
  fail "the manifest requests an execution level"
fi
echo "Pelvoro.exe manifest: per-monitor v2 dpi aware, Vista to 11, no execution level"
if [ "$arch" = i686 ]; then file "$dir/Pelvoro.exe" | grep -q "PE32 executable (GUI) Intel 80386" || fail "not PE32 Intel 80386"; fi
# The release build at its real size: a larger one has taken in something it does not need
# (exception support in the library, an unstripped or -O3 build, a runtime piece).
if [ "$arch" = i686 ]; then
  max_dll=$((32 * 1024)); max_both=$((360 * 1024))
  dll_size=$(stat -c %s "$dir/LlibreriaPelvoro.dll"); exe_size=$(stat -c %s "$dir/Pelvoro.exe")
  echo "sizes: Pelvoro.exe $exe_size, LlibreriaPelvoro.dll $dll_size bytes"
  [ "$dll_size" -le "$max_dll" ] || fail "LlibreriaPelvoro.dll is $dll_size bytes, more than $max_dll"
  [ $((exe_size + dll_size)) -le "$max_both" ] || fail "Pelvoro.exe and the library are $((exe_size + dll_size)) bytes, more than $max_both"
fi
echo "$dir: $arch binaries as required"

#!/usr/bin/env bash
# Makes the Windows release in dist/: the installer, the portable zip and their checksums,
# from a clean i686 Release build (CMake preset "release", in build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

for tool in cmake makensis zip sha256sum; do
  command -v "$tool" >/dev/null || { echo "release.sh: $tool is missing; scripts/install-deps.sh installs it" >&2; exit 1; }
done

# A release is made from what is committed; say so when the tree holds more.
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
  echo "release.sh: warning: the working tree has changes that are not committed" >&2
fi

build=build/release
dist=dist
cmake --preset release --fresh >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
bash scripts/check-version.sh "$version"
# The installer's target needs the program and the library, and nothing else is built.
cmake --build --preset release --clean-first --target InstalladorPelvoro
bash scripts/check-pe.sh "$build" i686

rm -rf "$dist"
mkdir -p "$dist"
setup="Pelvoro-$version-setup.exe"
portable="Pelvoro-$version-portable.zip"
cp "$build/$setup" "$dist/"

# The portable zip: one folder, the same files the installer puts in place.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="Pelvoro-$version"
mkdir "$stage/$folder"
# The build's list of shipped files, in its order, which the installer takes too.
mapfile -t files < "$build/shipped-files.txt"
for f in "${files[@]}"; do
  mkdir -p "$(dirname "$stage/$folder/$f")"
  cp "$build/$f" "$stage/$folder/$f"
done
# The zip dates its files by the last commit, not by the build, and lists them in a fixed order.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage/$folder" -exec touch -d "@$stamp" {} +
(cd "$stage" && TZ=UTC zip -q -X -D "$OLDPWD/$dist/$portable" "${files[@]/#/$folder/}")

(cd "$dist" && sha256sum "$setup" "$portable" > SHA256SUMS)

echo
echo "Pelvoro $version, in $dist/:"
(cd "$dist" && ls -l "$setup" "$portable" SHA256SUMS | awk '{printf "  %-36s %9d bytes\n", $9, $5}')
echo "Release binaries:"
for f in Pelvoro.exe LlibreriaPelvoro.dll; do printf "  %-36s %9d bytes\n" "$f" "$(stat -c %s "$build/$f")"; done
echo "Made in $(( $(date +%s) - started )) s"

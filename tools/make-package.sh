#!/bin/sh
# Builds the package a Windows user unpacks beside mmtty.exe:
# build/zorbel-<version>-win64.zip with zorbel.exe, our engine zorbel-engine.exe,
# mmtty.bat (which starts our engine where no mmtty.exe lies beside zorbel.exe),
# the help page and LIESMICH.txt.
#   make-package.sh                                         builds both as for a Windows host first
#   make-package.sh <zorbel.exe> <zorbel-engine.exe> <zip>  packs existing programs (the test bench does)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^#define ZORBEL_VERSION_TEXT "\([0-9.]*\)".*/\1/p' "$root/config/Version.h")
if [ $# -eq 3 ]; then
  exe=$1
  engine=$2
  zip=$3
else
  cmake -S "$root" -B "$root/build/win-host" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DGOOGLETEST_SOURCE_DIR="$root/build/win-host/no-googletest"
  cmake --build "$root/build/win-host" --target zorbel zorbel-engine -j 2
  exe=$root/build/win-host/shell/zorbel.exe
  engine=$root/build/win-host/zorbel-engine/win32/zorbel-engine.exe
  zip=$root/build/zorbel-$version-win64.zip
fi
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
# Python's zipfile: present wherever the build runs, unlike zip.
python3 - "$zip" "$exe" "$engine" "$root/tools/package/mmtty.bat" "$root/shell/help/zorbel-hilfe.html" \
  "$root/tools/package/LIESMICH.txt" <<'PY'
import os, sys, zipfile
target, *files = sys.argv[1:]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for path in files:
        archive.write(path, os.path.basename(path))
PY
echo "package: $zip"

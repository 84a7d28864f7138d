#!/bin/sh
# Builds the package a Windows user unpacks beside mmtty.exe:
# build/zorbel-<version>-win64.zip with zorbel.exe, the help page and LIESMICH.txt.
#   make-package.sh                      builds zorbel.exe as for a Windows host first
#   make-package.sh <zorbel.exe> <zip>   packs an existing zorbel.exe (the test bench does)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^#define ZORBEL_VERSION_TEXT "\([0-9.]*\)".*/\1/p' "$root/config/Version.h")
if [ $# -eq 2 ]; then
  exe=$1
  zip=$2
else
  cmake -S "$root" -B "$root/build/win-host" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DGOOGLETEST_SOURCE_DIR="$root/build/win-host/no-googletest"
  cmake --build "$root/build/win-host" --target zorbel -j 2
  exe=$root/build/win-host/shell/zorbel.exe
  zip=$root/build/zorbel-$version-win64.zip
fi
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
# Python's zipfile: present wherever the build runs, unlike zip.
python3 - "$zip" "$exe" "$root/shell/help/zorbel-hilfe.html" "$root/tools/package/LIESMICH.txt" <<'PY'
import os, sys, zipfile
target, *files = sys.argv[1:]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for path in files:
        archive.write(path, os.path.basename(path))
PY
echo "package: $zip"

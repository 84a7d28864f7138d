#!/bin/sh
# Packs zorbel.exe with tools/make-package.sh, unpacks the zip into an empty
# folder and runs the Package group against the unpacked zorbel.exe.
#   run-package-test.sh <session> <package folder> <zorbel.exe> <wine tests> <further test options...>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
session=$1 folder=$2 exe=$3 tests=$4
shift 4
rm -rf "$folder"
sh "$here/../../../tools/make-package.sh" "$exe" "$folder/zorbel-package.zip"
python3 -m zipfile -e "$folder/zorbel-package.zip" "$folder/unpacked"
exec sh "$here/../session/run-in-session.sh" "$session" wine "$tests" --gtest_filter=Package.* \
  --zorbel-exe="$folder/unpacked/zorbel.exe" "$@"

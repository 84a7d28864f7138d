#!/bin/sh
# Packs zorbel.exe and zorbel-engine.exe with tools/make-package.sh, unpacks the zip into an empty
# folder and runs the Package group against the unpacked zorbel.exe.
#   run-package-test.sh <session> <package folder> <zorbel.exe> <zorbel-engine.exe> <wine tests>
#     <further test options...>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
session=$1 folder=$2 exe=$3 engine=$4 tests=$5
shift 5
rm -rf "$folder"
sh "$here/../../../tools/make-package.sh" "$exe" "$engine" "$folder/zorbel-package.zip"
python3 -m zipfile -e "$folder/zorbel-package.zip" "$folder/unpacked"
exec sh "$here/../session/run-in-session.sh" "$session" wine "$tests" --gtest_filter=Package.* \
  --zorbel-exe="$folder/unpacked/zorbel.exe" "$@"

#!/bin/sh
# Builds and tests everything: the native build with its unit tests, the
# Windows build with its tests under Wine, then zorbel.exe configured as on a
# Windows host and checked to need no DLLs beyond Windows' own. Exits non-zero
# if any build or test fails; prints each CTest summary.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

sh tools/setup-debian.sh

status=0
summary=""

run_ctest() {
  name=$1
  shift
  log=$(mktemp)
  if ctest "$@" --output-on-failure >"$log" 2>&1; then
    result="passed"
  else
    result="FAILED"
    status=1
  fi
  cat "$log"
  summary="$summary
$name: $result: $(grep -E '^[0-9]+% tests passed' "$log" || echo 'no summary (see above)')"
  rm -f "$log"
}

echo "== native build"
cmake -S . -B build/native
cmake --build build/native -j "$jobs"
run_ctest "native unit tests" --test-dir build/native -j "$jobs"

echo "== Windows build"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake --build build/win -j "$jobs"
run_ctest "Wine tests" --test-dir build/win -L wine

echo "== Windows host build: no GoogleTest sources, so no Wine tests; zorbel.exe alone"
cmake -S . -B build/win-host -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DGOOGLETEST_SOURCE_DIR="$root/build/win-host/no-googletest"
cmake --build build/win-host --target zorbel -j "$jobs"
if sh tools/check-system-imports.sh build/win-host/shell/zorbel.exe; then
  result="passed"
else
  result="FAILED"
  status=1
fi
summary="$summary
zorbel.exe imports only system DLLs: $result"

echo "== summary$summary"
exit $status

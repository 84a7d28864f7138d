#!/bin/sh
# Builds and tests everything: the native build with its unit tests, the
# Windows build with its tests under Wine, then zorbel.exe configured as on a
# Windows host and checked to need no DLLs beyond Windows' own. Exits non-zero
# if any build or test fails; prints each CTest summary.
#
# --busy N runs N busy processes beside the tests (not the builds), as on a
# shared machine: every check must wait for what it triggered, not for time.
# The Windows host build compiles beside the Wine tests, which mostly wait on
# Wine: more load for them, and minutes off the whole run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

busy=0
case "${1:-}" in
  --busy) busy=${2:?--busy takes a number of processes} ;;
  "") ;;
  *) echo "usage: $0 [--busy N]" >&2; exit 2 ;;
esac
busy_pids=""
start_busy() {
  i=0
  while [ "$i" -lt "$busy" ]; do
    sh -c 'while :; do :; done' &
    busy_pids="$busy_pids $!"
    i=$((i + 1))
  done
}
stop_busy() {
  [ -z "$busy_pids" ] || kill $busy_pids 2>/dev/null || true
  busy_pids=""
}
trap stop_busy EXIT

started=$(date +%s)
# Each phase's heading says how far into the run it begins.
phase() { echo "== $1 (at $(($(date +%s) - started)) s)"; }

sh tools/setup-debian.sh

status=0
summary=""

run_ctest() {
  name=$1
  shift
  log=$(mktemp)
  start_busy
  if ctest "$@" --output-on-failure >"$log" 2>&1; then
    result="passed"
  else
    result="FAILED"
    status=1
  fi
  stop_busy
  cat "$log"
  summary="$summary
$name: $result: $(grep -E '^[0-9]+% tests passed' "$log" || echo 'no summary (see above)')"
  rm -f "$log"
}

phase "native build"
cmake -S . -B build/native
cmake --build build/native -j "$jobs"
run_ctest "native unit tests" --test-dir build/native -j "$jobs"

phase "Windows build"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake --build build/win -j "$jobs"
phase "Windows host build, beside the Wine tests: no GoogleTest sources, so no Wine tests; zorbel.exe alone"
host_log=$(mktemp)
(cmake -S . -B build/win-host -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
   -DGOOGLETEST_SOURCE_DIR="$root/build/win-host/no-googletest" &&
 cmake --build build/win-host --target zorbel -j "$jobs") >"$host_log" 2>&1 &
host_build=$!

phase "Wine tests"
run_ctest "Wine tests" --test-dir build/win -L wine
# A picture for a person to look at, not a test.
if cmake --build build/win --target main-window-screenshot; then
  result="build/win/screenshots/main-window.png"
else
  result="not taken (see above)"
fi
summary="$summary
main-window screenshot: $result"

if wait "$host_build"; then host_built=yes; else host_built=no; fi
phase "Windows host build's output"
cat "$host_log"
rm -f "$host_log"
if [ "$host_built" = yes ] && sh tools/check-system-imports.sh build/win-host/shell/zorbel.exe; then
  result="passed"
else
  result="FAILED"
  status=1
fi
summary="$summary
zorbel.exe imports only system DLLs: $result"

phase "summary"
echo "${summary#?}"
exit $status

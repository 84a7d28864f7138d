#!/bin/sh
# Installs what the native build, the Windows cross build and the Wine tests
# need (the printing test runs a CUPS scheduler of its own and reads the PDFs
# back with poppler; its PDF queue needs the filter pstops, which comes with
# the package cups, not cups-filters; the engine's sound card test a
# PulseAudio server with a null sink; clang with libFuzzer fuzzes the
# decoder). Run as root.
# Does nothing when every package is already installed, so it is cheap to
# call before each build.
set -eu

packages="g++ cmake make libgtest-dev googletest clang libclang-rt-dev g++-mingw-w64-x86-64 wine wine64
          xvfb xauth locales imagemagick util-linux coreutils
          cups cups-daemon cups-client cups-filters ghostscript libcups2 poppler-utils
          pulseaudio pulseaudio-utils"

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in
    "install ok installed") ;;
    *) missing="$missing $package" ;;
  esac
done

if [ -z "$missing" ]; then
  echo "setup-debian: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup-debian: missing packages:$missing; run this script as root" >&2
  exit 1
fi

echo "setup-debian: installing$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q </dev/null
# shellcheck disable=SC2086
apt-get install -y -q $missing </dev/null

#!/bin/sh
# Runs the decoder chain's fuzz target from the seeds in the tree for a fixed
# number of inputs (not a time), in a fresh corpus of its own so that the
# tree stays as it is and every run does the same work. A finding is left as
# crash-*, timeout-* or leak-* in the work folder; a single input running
# longer than 10 s counts as a hang.
#   run-fuzz.sh FUZZER WORK_FOLDER SEED_FOLDER RUNS
set -eu
fuzzer=$1 work=$2 seeds=$3 runs=$4
rm -rf "$work"
mkdir -p "$work/corpus"
exec "$fuzzer" -runs="$runs" -seed=1 -max_len=4096 -timeout=10 -artifact_prefix="$work/" "$work/corpus" "$seeds"

# Sourced by the command-line tests: a work folder removed at the end, and
# expect, which names a failed check and shows what the program wrote.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
expect() {  # what, wanted status, status, then a test that must hold
    what=$1 wanted=$2 status=$3
    shift 3
    if [ "$status" -ne "$wanted" ] || ! "$@"; then
        echo "FAIL: $what (status $status, wanted $wanted)"
        cat "$work/out" "$work/err"
        fail=1
    fi
}

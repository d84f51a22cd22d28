#!/usr/bin/env bash
# Runs two builds of core_outputs on the same seeded cases and requires the
# same bytes from both:
#   compare_outputs.sh SEED COUNT [typical] -- REFERENCE... -- CANDIDATE...
# e.g. compare_outputs.sh 1 20000 -- build/tests/differential/core_outputs \
#          -- wine build-windows/tests/differential/core_outputs.exe
# Each command gets SEED COUNT [typical] appended. On a difference it prints
# how many lines differ and the first ones of each side, and fails.
set -euo pipefail

usage() {
    echo "usage: $0 SEED COUNT [typical] -- REFERENCE... -- CANDIDATE..." >&2
    exit 2
}
[ $# -ge 4 ] || usage
arguments=("$1" "$2")
shift 2
if [ "${1:-}" == typical ]; then
    arguments+=(typical)
    shift
fi
[ "${1:-}" == -- ] || usage
shift
reference=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    reference+=("$1")
    shift
done
[ "${1:-}" == -- ] && [ ${#reference[@]} -gt 0 ] || usage
shift
candidate=("$@")
[ ${#candidate[@]} -gt 0 ] || usage

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
    local name=$1
    shift
    if ! "$@" "${arguments[@]}" >"$work/$name" 2>"$work/$name.err"; then
        echo "FAIL: the $name command failed: $*" >&2
        tail -5 "$work/$name.err" >&2
        exit 1
    fi
}
run reference "${reference[@]}"
run candidate "${candidate[@]}"

lines=$(wc -l <"$work/reference")
if cmp -s "$work/reference" "$work/candidate"; then
    echo "PASS: $lines lines the same (seed ${arguments[0]}, ${arguments[1]} cases)"
    exit 0
fi
differing=$(diff "$work/reference" "$work/candidate" | grep -c '^[<>]' || true)
echo "FAIL: the outputs differ (seed ${arguments[0]}, ${arguments[1]} cases," \
    "$lines reference lines, $differing lines of diff); the first differences:"
diff "$work/reference" "$work/candidate" | head -20 | cut -c1-400
exit 1

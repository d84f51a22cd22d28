#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz (the fuzz preset)
# and runs each for a bounded time on a scratch copy of its seed corpus.
# Exits non-zero when any target finds a crash, a sanitizer report or a broken
# property; the input that did it is kept in build-fuzz/findings/<target>/.
#   scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-20}
build=build-fuzz
targets=(
    fuzz_text_to_number
    fuzz_number_text_round_trip
    fuzz_format_significant
    fuzz_convert_texts
    fuzz_solution_document
)

# The fuzz preset: the whole build carries the instrumentation, so that the
# fuzzers see the coverage inside morvane_core; the targets themselves add the
# fuzzer's main.
cmake --preset fuzz
cmake --build --preset fuzz --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    rm -rf "$corpus" "$findings"
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/"$target"/* "$corpus"/
    echo "== $target (${seconds}s)"
    # -artifact_prefix keeps crash inputs out of the working directory.
    if "$build/fuzz/$target" "$corpus" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$build/$target.log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
    else
        failed+=("$target")
        echo "!! $target found a fault; log: $build/$target.log, input: $findings/"
        grep -E -A12 'property broken|ERROR: |runtime error|deadly signal' "$build/$target.log" |
            head -40 || true
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: faults found by ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds}s each, nothing found"

#!/usr/bin/env bash
# Builds everything but the benchmarks with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan (the asan preset) and runs every
# test. Any sanitizer report fails the test that triggered it, and so the script.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The asan preset: Debug keeps the asserts on and the reports' stacks exact.
cmake --preset asan
cmake --build --preset asan --parallel "$(nproc)"

# Every leak fails the test, Qt's included; only the Wayland test suppresses
# those of libwayland-client, which Qt's Wayland plugin leaves at exit
# (tests/wayland/lsan.supp).
# No strict_string_checks: it flags bounded strndup calls in libxkbcommon,
# which read only as far as their bound allows.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

ctest --preset asan --parallel "$(nproc)"

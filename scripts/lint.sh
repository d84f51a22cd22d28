#!/usr/bin/env bash
# The two gates on the code itself:
#   1. clang-format 14, the version the tree is formatted with, --dry-run
#      -Werror on every tracked C++ file (.clang-format);
#   2. clang-tidy with .clang-tidy's checks on every source file in src/ (and
#      the headers of src/ they include), from the release build's
#      compile_commands.json, the files in parallel.
# Exits non-zero when either finds anything; each prints what it found.
#   scripts/lint.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=build
jobs=$(nproc)
# The files are the ones git tracks; outside a checkout there is no such list.
git rev-parse --is-inside-work-tree >/dev/null

# Each major version of clang-format lays some code out differently, so the
# gate asks for the one the tree is formatted with (Debian's clang-format-14).
clang_format=clang-format-14
if ! command -v "$clang_format" >/dev/null; then
    echo "$clang_format not found: install Debian's package clang-format-14" >&2
    exit 1
fi
mapfile -t cpp < <(git ls-files '*.cpp' '*.h')
echo "== $clang_format: ${#cpp[@]} files"
start=$SECONDS
"$clang_format" --dry-run -Werror "${cpp[@]}"
echo "clang-format: clean ($((SECONDS - start)) s)"

# The compile commands come from configuring; Qt's generated headers are not
# needed, since nothing in src/ includes them.
if [ ! -f "$build/compile_commands.json" ]; then
    cmake --preset release
fi
mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "== clang-tidy: ${#sources[@]} files, $jobs at a time"
start=$SECONDS
# Each file's findings are printed together, and only when it has any.
tidy_one='out=$(clang-tidy -p "$0" --quiet "$1" 2>&1) || { printf "%s\n" "$out"; exit 1; }'
if ! printf '%s\0' "${sources[@]}" | xargs -0 -n 1 -P "$jobs" bash -c "$tidy_one" "$build"; then
    echo "clang-tidy: findings above ($((SECONDS - start)) s)" >&2
    exit 1
fi
echo "clang-tidy: clean ($((SECONDS - start)) s)"

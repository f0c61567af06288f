#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite through CTest.
# Usage: scripts/test.sh [--asan | --release]   (--asan: AddressSanitizer + UndefinedBehaviorSanitizer
# build; --release: optimised build). Warnings are errors in every one.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
dir=$(./scripts/build.sh "$@" | tail -n 1)

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure --schedule-random -j "$(nproc)"

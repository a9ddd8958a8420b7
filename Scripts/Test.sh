#!/usr/bin/env bash
# Sets up, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/Scripts/Setup.sh"
build="${QUILLON_BUILD_DIR:-$root/Build/Sanitized}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

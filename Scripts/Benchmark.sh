#!/usr/bin/env bash
# Builds the benchmark program in Release, without sanitizers, in its own build folder, and runs it. Arguments go to
# the program: for instance --benchmark_filter=DependencyTracking or --benchmark_format=json.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/Scripts/Setup.sh"
build="${QUILLON_BENCHMARK_BUILD_DIR:-$root/Build/Release}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_SANITIZE=OFF >/dev/null
cmake --build "$build" --target QuillonBenchmarks
"$build/Engine/Binaries/Win64/QuillonBenchmarks" "$@"

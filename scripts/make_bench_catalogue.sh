#!/usr/bin/env bash
# Makes the synthetic catalogues the benchmarks use (default: 100,000 and 1,000,000 albums of
# 12 songs, 5 albums an artist, in two shapes: song lines of about 28 characters, and short
# song lines) in the system's temporary folder, and prints their paths.
# The start-up benchmark makes them too when they are missing; this script makes them ahead.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVINYLIX_BENCH=ON -DVINYLIX_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_startup >/dev/null
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)
for albums in "${sizes[@]}"; do
    build-bench/bench_startup --make "$albums"
done

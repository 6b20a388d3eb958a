#!/usr/bin/env bash
# Builds and runs every test: the ASan+UBSan build, a short run of each fuzz target, a short
# benchmark run, and last the normal build's full test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${QF95_JOBS:-2}

echo "== ASan+UBSan build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQF95_SANITIZE=ON > /dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Fuzz targets (clang, libFuzzer) =="
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQF95_FUZZ=ON -DQF95_TESTS=OFF > /dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_gamelist_reader fuzz_record_files
for target in gamelist_reader:gamelist record_files:record_files; do
  name=${target%%:*}
  corpus=build-fuzz/corpus-${target##*:}
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"${target##*:}"/* "$corpus"/ 2>/dev/null || true
  build-fuzz/fuzz_"$name" -max_total_time="${QF95_FUZZ_SECONDS:-20}" -max_len=65536 \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 4
done

echo "== Build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQF95_BENCH=ON > /dev/null
cmake --build build -j"$jobs"
build/qf95_bench --benchmark_min_time=0.05
ctest --test-dir build --output-on-failure -j"$jobs"

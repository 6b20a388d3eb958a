#!/usr/bin/env bash
# Builds and runs every test: the ASan+UBSan build, a short run of each fuzz target, a short
# benchmark run, the normal build's full test suite, and the naming check.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${QF95_JOBS:-2}

echo "== ASan+UBSan build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQF95_SANITIZE=ON > /dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE gui
# The toolkit keeps caches for the life of the process; leaks are checked everywhere else.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -L gui

echo "== Fuzz targets (clang, libFuzzer) =="
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQF95_FUZZ=ON -DQF95_TESTS=OFF > /dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
for source in fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  corpus=build-fuzz/corpus-${name#fuzz_}
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  # A target's own flags (dictionary, largest input): fuzz/fuzz_<name>.options, after ours.
  options=()
  if [ -f "fuzz/$name.options" ]; then
    mapfile -t options < <(grep -v '^[[:space:]]*\(#\|$\)' "fuzz/$name.options")
  fi
  echo "-- $name ${options[*]}"
  build-fuzz/"$name" -max_total_time="${QF95_FUZZ_SECONDS:-15}" -max_len=65536 "${options[@]}" \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 6
done

echo "== Build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQF95_BENCH=ON > /dev/null
cmake --build build -j"$jobs"
# Under Xvfb: the cold start benchmarks start the window program.
xvfb-run -a -s "-screen 0 1280x1024x24" build/qf95_bench --benchmark_min_time=0.05
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Naming (clang-tidy) =="
tools/check_naming.sh build

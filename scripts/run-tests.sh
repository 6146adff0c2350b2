#!/usr/bin/env bash
# Sets up a Debian 12 machine, then builds and runs every test twice: once with
# AddressSanitizer and UndefinedBehaviorSanitizer, once as a plain optimised build (some faults
# only show without the sanitizers' allocator).
set -euo pipefail
# Arguments go to ctest (for example -R Navigator).
ctest_args=("$@")
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" --all

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}

run_suite() {
  local name=$1 generator=$2
  shift 2
  local build="$root/build/$name"
  local parallel=()
  # Ninja runs as many jobs as there are cores by itself; make runs one unless told.
  if [ "$generator" = "Unix Makefiles" ]; then
    parallel=(--parallel 2)
  fi
  # A folder configured for another generator cannot be reused.
  if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qx "CMAKE_GENERATOR:INTERNAL=$generator" "$build/CMakeCache.txt"; then
    rm -rf "$build"
  fi
  echo "== $name: configure and build ($generator)"
  cmake -S "$root" -B "$build" -G "$generator" -DLUMATIX_WERROR=ON -DLUMATIX_BUILD_TESTS=ON \
    -DLUMATIX_BUILD_BENCH=ON "$@"
  cmake --build "$build" "${parallel[@]}"
  echo "== $name: run"
  (cd "$build" && ctest --output-on-failure --timeout 300 "${ctest_args[@]}")
}

# Both generators packagers use, one each run.
run_suite test Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMATIX_SANITIZE=ON
run_suite test-release "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DLUMATIX_SANITIZE=OFF

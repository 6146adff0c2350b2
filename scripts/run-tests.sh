#!/usr/bin/env bash
# Sets up a Debian 12 machine, then builds and runs every test twice: once with
# AddressSanitizer and UndefinedBehaviorSanitizer, once as a plain optimised build (some faults
# only show without the sanitizers' allocator).
set -euo pipefail
# Arguments go to ctest (for example -R Navigator).
ctest_args=("$@")
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}

run_suite() {
  local name=$1
  shift
  local build="$root/build/$name"
  echo "== $name: configure and build"
  cmake -S "$root" -B "$build" -G Ninja -DLUMATIX_WERROR=ON -DLUMATIX_BUILD_TESTS=ON \
    -DLUMATIX_BUILD_BENCH=ON "$@"
  cmake --build "$build"
  echo "== $name: run"
  (cd "$build" && ctest --output-on-failure --timeout 300 "${ctest_args[@]}")
}

run_suite test -DCMAKE_BUILD_TYPE=Debug -DLUMATIX_SANITIZE=ON
run_suite test-release -DCMAKE_BUILD_TYPE=Release -DLUMATIX_SANITIZE=OFF

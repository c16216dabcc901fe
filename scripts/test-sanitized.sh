#!/usr/bin/env bash
# Builds Razo and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $RAZO_SANITIZE_BUILD_DIR) and runs every test there. Any finding fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RAZO_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
"$root/scripts/install-deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DRAZO_SANITIZE=ON -DRAZO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600

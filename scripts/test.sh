#!/usr/bin/env bash
# Installs what is needed, builds Razo with its tests and runs every test through ctest; then
# builds and runs them all again with AddressSanitizer and UndefinedBehaviorSanitizer
# (scripts/test-sanitized.sh). Any failure or sanitizer finding fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RAZO_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
"$root/scripts/test-sanitized.sh"

#!/usr/bin/env bash
# Configures and builds Razo into build/ (or $RAZO_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RAZO_BUILD_DIR:-$root/build}"
# ccache finds its earlier results from any checkout of the tree.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" "$@"

#!/usr/bin/env bash
# Builds the Debian package of Razo into build/ (or $RAZO_BUILD_DIR): razo_<version>_amd64.deb,
# its dependencies read off the program's libraries. Install it with
#   sudo apt install ./build/razo_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RAZO_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$build"
rm -f razo_*.deb
cpack -G DEB >/dev/null
package="$(ls razo_*.deb)"
echo "Built $build/$package"

#!/usr/bin/env bash
# Builds the Debian package of Razo into build/ (or $RAZO_BUILD_DIR): razo_<version>_amd64.deb,
# its dependencies read off the program's libraries. Install it with
#   sudo apt install ./build/razo_*.deb
# Only what the package holds is built, in build-package/ (or $RAZO_PACKAGE_BUILD_DIR): no tests,
# no benchmark, and Debian's hardening flags. When lintian is installed, the package must pass it
# without errors or warnings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${RAZO_BUILD_DIR:-$root/build}"
build="${RAZO_PACKAGE_BUILD_DIR:-$root/build-package}"
"$root/scripts/install-deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

# Fortified string functions, a strong stack protector, -Werror=format-security, relocations
# read-only and bound at start; position-independent code is the compiler's default. Source
# paths in the program are written relative to the source tree, the folder this runs in.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAZO_BUILD_TESTS=OFF -DRAZO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)"

mkdir -p "$out"
rm -f "$out"/razo_*.deb
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
package="$(cd "$out" && ls razo_*.deb)"
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$out/$package"
fi
echo "Built $out/$package"

#!/usr/bin/env bash
# Builds the Debian package into build-package/ (brivola_<version>_<architecture>.deb), for
# the prefix /usr and with Debian's hardening flags, then checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_packages.sh dpkg-dev lintian

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr -DBRIVOLA_TESTS=OFF -DBRIVOLA_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build build-package
rm -f build-package/brivola_*.deb
(cd build-package && cpack -G DEB)
package=$(echo build-package/brivola_*.deb)
echo "Checking $package with lintian"
lintian --fail-on error "$package"
echo "Built $package"

#!/usr/bin/env bash
# Installs what Brivola needs from Debian's packages (Debian 12 or 13), then builds it into
# build/: everything, or the targets given as arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_packages.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVOLA_WERROR="$werror"
cmake --build build ${1:+--target "$@"}

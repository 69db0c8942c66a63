#!/usr/bin/env bash
# Installs what Brivola needs from Debian 12's packages, then builds it into build/: everything,
# or the targets given as arguments.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-webengine-dev qt6-svg-dev
    fonts-dejavu-core fonts-liberation2
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing from Debian's packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVOLA_WERROR="$werror"
cmake --build build ${1:+--target "$@"}

#!/usr/bin/env bash
# Installs from Debian's packages (Debian 12 or 13) what Brivola needs to build and test, and
# the packages named as arguments, when they are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-webengine-dev qt6-svg-dev libqt6sql6-sqlite
    libicu-dev libsodium-dev pkg-config
    fonts-dejavu-core fonts-liberation2
    xvfb xauth
    desktop-file-utils appstream man-db
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n dbus
    "$@"
)
# From Debian 13 on, Qt's SVG plugins, which draw the program's own pictures, are packaged apart.
. /etc/os-release
[ "${VERSION_CODENAME:-}" = bookworm ] || packages+=(qt6-svg-plugins)

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

#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only when one is missing,
# so that a second run costs one dpkg query.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-image-formats-plugins
    qt6-base-private-dev # the tests queue events as the window system does
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    imagemagick netpbm
    xvfb xdotool openbox x11-utils
    qt6-l10n-tools qt6-translations-l10n # interface translations: lupdate/lrelease, Qt's own catalogues
    dpkg-dev file appstream desktop-file-utils man-db # the package and its checks
)
if [ "${TURTLESCOPE_WITH_CLANG:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
else
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

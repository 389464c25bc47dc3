#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine; quiet when all is there.
# fonts-wine brings the caption buttons' glyph font, without which Wine draws letters there.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libgtest-dev googletest libbenchmark-dev libb64-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-liberation2 fonts-dejavu-core iproute2
  nsis
  libfaketime
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs every Debian package pianopre needs to build, run, test and benchmark.
# Only missing packages are installed; the package index is refreshed once, when needed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth x11-utils imagemagick
  python3 python3-ezdxf poppler-utils
  clang-format
  clang libclang-rt-14-dev libdxflib-dev
  nlohmann-json3-dev libpugixml-dev libzip-dev libeigen3-dev
  libproj-dev proj-data python3-pyproj gdal-bin
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

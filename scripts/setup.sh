#!/usr/bin/env bash
# Installs what Roadquiz 2015 needs on Debian 12 (only the packages that are missing),
# then configures and builds it. The build prepares the program folder
# build/share/roadquiz2015 beside build/bin, the same layout an installed copy has.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${RQ_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-charts-dev qt6-webengine-dev
  libsimpleini-dev libbenchmark-dev
  fonts-dejavu-core
  "$@"
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$(nproc)"

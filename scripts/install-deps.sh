#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Idempotent: packages already present are skipped; nothing is asked.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev
  libgl-dev libglx-dev libvulkan-dev
  libjpeg-dev libgif-dev libuemf-dev
  fonts-liberation qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

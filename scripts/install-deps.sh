#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the game;
# with "bench", also those of the benchmarks' peer (libtcod, which the
# console comparison draws beside the engine). Only packages that are
# missing are installed; run as root or with sudo.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  libsfml-dev libx11-dev libopenal-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick tmux
  fonts-dejavu-core
  clang-14 libclang-rt-14-dev
)
if [ "${1:-}" = bench ]; then
  packages+=(libtcod-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

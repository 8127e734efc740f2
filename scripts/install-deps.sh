#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build and play the game, so
# that a player's first start stays short; with "test", also the test tools
# (GoogleTest, a virtual X server and its key and screenshot tools, tmux,
# clang for the fuzzers); with "bench", those of the benchmarks (Google
# Benchmark, the virtual X server, and libtcod, which the console
# comparison draws beside the engine); with "web", those of the web page and
# its browser test (Emscripten, Chromium, Node.js and npm), and then
# playwright-core from npm, as its lockfile says, into build-browser/ (or
# $VANTLE_BROWSER_TOOLS). Only what is missing is installed; run as root or
# with sudo.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  libsfml-dev libx11-dev libxext-dev libopenal-dev
  fonts-dejavu-core
)
if [ "${1:-}" = test ]; then
  packages+=(libgtest-dev xvfb xauth xdotool imagemagick tmux clang-14 libclang-rt-14-dev)
fi
if [ "${1:-}" = bench ]; then
  packages+=(libbenchmark-dev xvfb xauth libtcod-dev)
fi
if [ "${1:-}" = web ]; then
  packages+=(emscripten chromium)
  # A Node.js of another origin (with its own npm) serves as well as Debian's,
  # whose packages would conflict with it.
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi

# playwright-core, as tests/web/package-lock.json pins it, in a build folder.
install_browser_tools() {
  local source tools
  source=$(dirname "$0")/../tests/web
  tools=${VANTLE_BROWSER_TOOLS:-$(dirname "$0")/../build-browser}
  if [ -d "$tools/node_modules/playwright-core" ] &&
    cmp -s "$source/package-lock.json" "$tools/package-lock.json"; then
    return
  fi
  mkdir -p "$tools"
  cp "$source/package.json" "$source/package-lock.json" "$tools/"
  echo "Installing playwright-core into $tools"
  (cd "$tools" && npm ci --no-audit --no-fund --cache "$PWD/.npm-cache")
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  if [ "${1:-}" = web ]; then install_browser_tools; fi
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
if [ "${1:-}" = web ]; then install_browser_tools; fi

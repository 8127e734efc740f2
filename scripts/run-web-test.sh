#!/usr/bin/env bash
# Builds the maze's web page and runs the browser test on it: Debian's
# Chromium, headless, driven by playwright-core, which
# `scripts/install-deps.sh web` installs into the tools folder (the second
# argument, build-browser by default). The screenshot of level 1 lands in
# screenshots/ there. Chromium runs with a home (and runtime) folder of its
# own that goes afterwards. A missing toolchain fails the test, or, with
# VANTLE_WEB_TEST=skip-missing, skips it with a line that says so.
set -euo pipefail
cd "$(dirname "$0")/.."
web_dir=${1:-build-web}
tools_dir=$(realpath -m "${2:-build-browser}")

missing=()
command -v emcc >/dev/null || missing+=(emscripten)
[ -x /usr/bin/chromium ] || missing+=(chromium)
command -v node >/dev/null || missing+=(nodejs)
[ -d "$tools_dir/node_modules/playwright-core" ] || missing+=(playwright-core)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "${VANTLE_WEB_TEST:-}" = skip-missing ]; then
    echo "Browser test SKIPPED: ${missing[*]} missing (scripts/install-deps.sh web installs them)"
    exit 0
  fi
  echo "The browser test needs ${missing[*]}: run scripts/install-deps.sh web" >&2
  exit 1
fi

bash scripts/build-web.sh "$web_dir"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime \
  VANTLE_PAGE_DIR=$(realpath "$web_dir") VANTLE_BROWSER_TOOLS="$tools_dir" \
  VANTLE_TEST_OUT="$tools_dir/screenshots" node --test tests/web/

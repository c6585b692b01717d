#!/usr/bin/env bash
# Installs every Debian package that building, testing and running ZORVA needs.
# Packages already present are skipped; `apt-get update` runs only when something is missing.
# `install-deps.sh web` instead installs what the web build and its browser tests need (for
# make web and make test only): emscripten, Chromium, and puppeteer-core from npm into
# tests/web/node_modules (git-ignored), which drives Debian's Chromium with no browser
# download of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  web_packages=(emscripten chromium)
  # node comes with emscripten; npm is Debian's only where node is (another node brings its own).
  command -v npm >/dev/null || web_packages+=(npm)
  web_missing=()
  for p in "${web_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      web_missing+=("$p")
    fi
  done
  if [ ${#web_missing[@]} -gt 0 ]; then
    echo "Installing for the web build: ${web_missing[*]}"
    SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${web_missing[@]}"
  fi
  # The lock file pins puppeteer-core; npm ci again only when the lock changed.
  stamp=tests/web/node_modules/.zorva-lock
  if ! cmp -s tests/web/package-lock.json "$stamp" 2>/dev/null; then
    echo "Installing puppeteer-core into tests/web/node_modules"
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
    cp tests/web/package-lock.json "$stamp"
  fi
  exit 0
fi

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libfreetype-dev libpng-dev
  fonts-dejavu-core
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils openbox wmctrl
  clang libclang-rt-14-dev python3
  wine wine64 mingw-w64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

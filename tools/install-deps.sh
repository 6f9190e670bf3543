#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build, run and test
# Brambleworkshop: Debian packages first, then the npm packages pinned in
# package-lock.json. Safe to run again: it only installs what is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-qpa-plugins libqt6test6 libqscintilla2-qt6-dev
  libmozjs-102-dev libcurl4-openssl-dev libicu-dev
  libxcb1-dev libx11-dev
  googletest libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils
  fonts-wqy-microhei
  openssl ca-certificates python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Node.js with npm: any installed one will do (it only fetches npm packages).
if ! command -v npm >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: missing packages: ${missing[*]} (run as root)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The formatter library comes from npm, at the version package-lock.json pins.
if [[ ! -f "$here/node_modules/js-beautify/js/lib/beautify.js" ]] ||
   [[ "$here/package-lock.json" -nt "$here/node_modules/.package-lock.json" ]]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

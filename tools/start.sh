#!/usr/bin/env bash
# Installs what is missing, builds the workbench and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
export LANG="${LANG:-C.UTF-8}"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build" -j "$(nproc)" --target brambleworkshop
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "start: no display (DISPLAY is not set); start it from a desktop session" >&2
  exit 1
fi
exec "$here/build/brambleworkshop" "$@"

#!/usr/bin/env bash
# Configures and builds Veldra into build/ (or $VELDRA_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELDRA_BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null; then
  # Build folders side by side share compiled objects.
  export CCACHE_BASEDIR=$root
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"

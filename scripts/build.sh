#!/usr/bin/env bash
# Configures and builds Veldra into build/ (or $VELDRA_BUILD_DIR).
# Usage: build.sh [--target NAME]... [CMAKE_CONFIGURE_ARGS...]
# Without --target everything is built (program, tests, benchmarks); with it,
# only the named targets and what they need.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELDRA_BUILD_DIR:-$root/build}
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --target)
      [ $# -ge 2 ] || { echo "build.sh: --target needs a target name" >&2; exit 2; }
      targets+=(--target "$2")
      shift 2
      ;;
    --target=*)
      targets+=(--target "${1#--target=}")
      shift
      ;;
    *) break ;;
  esac
done
launcher=()
if command -v ccache >/dev/null; then
  # Build folders side by side share compiled objects.
  export CCACHE_BASEDIR=$root
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build" -j"$(nproc)" "${targets[@]}"

#!/usr/bin/env bash
# CPU share of the process while one fetch waits 5 s for a slow loopback server.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
exec "$build/bench/bench_wait"

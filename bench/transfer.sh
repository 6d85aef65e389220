#!/usr/bin/env bash
# A 200 MB document over loopback, Veldra's download to disk against curl -o of
# the same URL in the same run (transfer_ratio_vs_curl: Veldra's time over
# curl's; text_ratio_vs_curl: the same stored as text, as the index and the
# documents are), and the CPU share while a download waits on a slow server.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
exec "$build/bench/bench_transfer"

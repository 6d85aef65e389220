#!/usr/bin/env bash
# RTF load into the rich-text box against `unrtf --html` on the same 1 MB document
# (medians of five runs), the longest wait of the window's events while a 10 MB
# news document loads into a visible box, and the field reader's throughput.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ ! -x "$build/bench/bench_rtf" ]; then
  cmake --build "$build" --target bench_rtf >/dev/null
fi
"$build/bench/bench_rtf"

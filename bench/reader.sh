#!/usr/bin/env bash
# The reader's two costs: one pointer move over a large body against a small one,
# and filling the reader with a large document against a plain text load.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for name in bench_hover bench_fillinfaq; do
  if [ -x "$build/bench/$name" ]; then
    "$build/bench/$name"
  else
    echo "# $name not built" >&2
  fi
done

#!/usr/bin/env bash
# The reader's costs: one pointer move over a large body against a small one;
# filling the reader with a large document against a plain text load; reading a
# 3.8 MB document with 80,000 links through the main window (longest hold-up of
# the event loop, peak memory) with a bare text edit for comparison, the peak
# against the bare text edit's; reading a body that is one 50 MB line (longest
# hold-up, peak memory against the line's size); start-up to
# the main window against a bare window, under an X server of its own, with
# the least a program can do in the same order beside it. Every
# figure but the hover's is the median of several runs, with their spread as a
# comment.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
runs=${VELDRA_BENCH_RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs "$@" $runs times and prints, for each metric=value it prints, the median
# and the spread.
repeat() {
  for _ in $(seq "$runs"); do
    "$@" 2>/dev/null
  done >"$work/out.txt"
  cut -d= -f1 "$work/out.txt" | awk '!seen[$0]++' | while read -r metric; do
    grep "^$metric=" "$work/out.txt" | cut -d= -f2 | sort -g | awk -v m="$metric" '
      { v[NR] = $1 }
      END {
        med = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%s=%g\n# %s: median %g, spread %g to %g over %d runs\n", m, med, m, med, v[1], v[NR], NR
      }'
  done
}

if [ -x "$build/bench/bench_hover" ]; then "$build/bench/bench_hover"; else echo "# bench_hover not built" >&2; fi
if [ -x "$build/bench/bench_fillinfaq" ]; then
  repeat "$build/bench/bench_fillinfaq"
else
  echo "# bench_fillinfaq not built" >&2
fi
if [ -x "$build/bench/bench_read_big" ]; then
  repeat "$build/bench/bench_read_big" | tee "$work/big.txt"
  repeat "$build/bench/bench_read_big" bare | tee "$work/bare.txt"
  ours=$(sed -n 's/^read_big_peak_mib_over_idle=//p' "$work/big.txt")
  bare=$(sed -n 's/^read_big_bare_textedit_peak_mib_over_idle=//p' "$work/bare.txt")
  awk -v o="$ours" -v b="$bare" 'BEGIN { if (b > 0) printf "read_big_peak_ratio_vs_bare_textedit=%.2f\n", o / b }'
  repeat "$build/bench/bench_read_big" longline
else
  echo "# bench_read_big not built" >&2
fi
if [ -x "$build/bench/bench_startup" ] && command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_startup" 11 2>/dev/null
else
  echo "# bench_startup not built or no xvfb-run" >&2
fi

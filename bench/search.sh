#!/usr/bin/env bash
# The search action on generated indexes of 10k, 100k and 1M records and, on the
# 1M file in the same run, `grep -ciF` for the same term as the anchor. The 1M
# search and grep take turns, three rounds each, so that a change in the
# machine's load falls on both; every figure is a median.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
bench="$build/bench/bench_search"
term=Quartz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$bench" generate "$work" "$term"
echo "search_10k_ms=$("$bench" measure "$work/index_10k.dat" "$term" 15 2>/dev/null | median)"
echo "search_100k_ms=$("$bench" measure "$work/index_100k.dat" "$term" 9 2>/dev/null | median)"

# grep reads the single-byte file as single-byte text.
TIMEFORMAT=%3R
LC_ALL=C grep -ciF "$term" "$work/index_1m.dat" >/dev/null
: >"$work/search.txt"
: >"$work/grep.txt"
for _ in 1 2 3; do
  "$bench" measure "$work/index_1m.dat" "$term" 5 2>/dev/null >>"$work/search.txt"
  for _ in 1 2 3 4 5; do
    { time LC_ALL=C grep -ciF "$term" "$work/index_1m.dat" >/dev/null; } 2>&1 | awk '{ print $1 * 1000 }' >>"$work/grep.txt"
  done
done
search_ms=$(median <"$work/search.txt")
grep_ms=$(median <"$work/grep.txt")
echo "search_1m_ms=$search_ms"
echo "grep_1m_ms=$grep_ms"
awk -v s="$search_ms" -v g="$grep_ms" 'BEGIN { printf "search_1m_ratio_vs_grep=%.2f\n", s / g }'

#!/usr/bin/env bash
# The search action on generated indexes of 10k, 100k and 1M records and, on the
# 1M file in the same run, `grep -ciF` for the same term as the anchor and
# `wc -l` as the floor of reading the file at memory speed. The 1M search, grep
# and wc take turns, three rounds each, so that a change in the machine's load
# falls on all; every figure is a median. The same is done on a 1M index whose
# every record holds the term with the same text around it, against grep. And on
# two indexes whose 500 hits have long subjects that begin alike (6 and 48 MB
# of subjects, 18 and 145 MB of index), the time per byte of the larger against
# the smaller's: 1 for a search linear in the index however long the subjects.
# grep writes to a file: with its output on /dev/null it stops at the first
# match, which would make it look faster than it is.
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

# grep and wc read the single-byte file as single-byte text.
TIMEFORMAT=%3R
timed() { { time "$@" >"$work/out.txt"; } 2>&1 | awk '{ print $1 * 1000 }'; }

# Times FILE as the search's, grep's and wc's, in turns; prints the medians.
race() {
  local file=$1 runs=$2
  : >"$work/search.txt"
  : >"$work/grep.txt"
  : >"$work/wc.txt"
  LC_ALL=C grep -ciF "$term" "$file" >"$work/out.txt"
  for _ in 1 2 3; do
    "$bench" measure "$file" "$term" "$runs" 2>/dev/null >>"$work/search.txt"
    for _ in $(seq "$runs"); do
      timed env LC_ALL=C grep -ciF "$term" "$file" >>"$work/grep.txt"
      timed env LC_ALL=C wc -l "$file" >>"$work/wc.txt"
    done
  done
  echo "$(median <"$work/search.txt") $(median <"$work/grep.txt") $(median <"$work/wc.txt")"
}

read -r search_ms grep_ms wc_ms < <(race "$work/index_1m.dat" 5)
echo "search_1m_ms=$search_ms"
echo "grep_1m_ms=$grep_ms"
echo "wc_1m_ms=$wc_ms"
awk -v s="$search_ms" -v g="$grep_ms" 'BEGIN { printf "search_1m_ratio_vs_grep=%.2f\n", s / g }'
awk -v s="$search_ms" -v w="$wc_ms" 'BEGIN { printf "search_1m_ratio_vs_wc=%.2f\n", s / w }'

read -r worst_ms grep_worst_ms _ < <(race "$work/index_alike_1m.dat" "${VELDRA_BENCH_WORST_RUNS:-3}")
echo "search_1m_worst_ms=$worst_ms"
echo "grep_1m_worst_ms=$grep_worst_ms"
awk -v s="$worst_ms" -v g="$grep_worst_ms" 'BEGIN { printf "search_worst_ratio_vs_grep=%.2f\n", s / g }'

long_small_ms=$("$bench" measure "$work/index_long_small.dat" "$term" 3 2>/dev/null | median)
long_big_ms=$("$bench" measure "$work/index_long_big.dat" "$term" 3 2>/dev/null | median)
echo "search_long_subjects_small_ms=$long_small_ms"
echo "search_long_subjects_big_ms=$long_big_ms"
small_bytes=$(stat -c %s "$work/index_long_small.dat")
big_bytes=$(stat -c %s "$work/index_long_big.dat")
awk -v s="$long_small_ms" -v b="$long_big_ms" -v sb="$small_bytes" -v bb="$big_bytes" \
  'BEGIN { printf "search_long_subjects_growth=%.2f\n", (b / bb) / (s / sb) }'

#!/usr/bin/env bash
# The library store's full-text index on a generated library of 10,000
# documents (about 50 MB of text, written as files so that grep reads them too).
#
# - Building: the store indexes every file, one transaction per document,
#   against the sqlite3 command running the store's own schema and insert on
#   the same files (anchor.sql: readfile(), the fields split in SQL, also one
#   transaction per document, the same journal and sync settings). Three rounds,
#   taking turns; the ratio is the median of the rounds' ratios. The peak
#   memory is the store's process at its highest (VmHWM).
# - Queries: 200 two-word queries, three rounds; the p95 is the median of the
#   rounds' p95s. The anchor is grep finding the files that hold both words
#   (`grep -rliF` for the first word, its files searched for the second), its
#   list written to a file; the ratio is our median query over grep's.
set -euo pipefail
build=${VELDRA_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}
bench="$build/bench/bench_fulltext"
if [ ! -x "$bench" ]; then
  cmake --build "$build" --target bench_fulltext >/dev/null
fi
command -v sqlite3 >/dev/null || { echo "fulltext: needs the sqlite3 command (scripts/deps.sh)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.3f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
p95() { sort -n | awk '{ v[NR] = $1 } END { i = int(NR * 0.95 + 0.5); if (i < 1) i = 1; printf "%.3f", v[i] }'; }
spread() { sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.3f-%.3f", lo, hi }'; }
seconds() { { time "$@" >/dev/null; } 2>&1 | tail -n 1; }
TIMEFORMAT=%3R

"$bench" generate "$work" 2>"$work/generate.txt"

: >"$work/anchor.txt"
: >"$work/ours.txt"
: >"$work/ratio.txt"
: >"$work/peak.txt"
for _ in 1 2 3; do
  rm -f "$work"/anchor.sqlite* "$work"/store.sqlite*
  a=$(seconds sqlite3 "$work/anchor.sqlite" <"$work/anchor.sql")
  { time "$bench" build "$work" "$work/store.sqlite" >>"$work/peak.txt"; } 2>"$work/time.txt"
  o=$(tail -n 1 "$work/time.txt")
  echo "$a" >>"$work/anchor.txt"
  echo "$o" >>"$work/ours.txt"
  awk -v o="$o" -v a="$a" 'BEGIN { printf "%.4f\n", o / a }' >>"$work/ratio.txt"
done
echo "fulltext_index_ratio_vs_sqlite3=$(median <"$work/ratio.txt" | awk '{ printf "%.2f", $1 }')"
echo "# index: store $(median <"$work/ours.txt") s ($(spread <"$work/ours.txt")), sqlite3 $(median <"$work/anchor.txt") s ($(spread <"$work/anchor.txt")), ratios $(spread <"$work/ratio.txt"); $(cat "$work/generate.txt")"

: >"$work/p95.txt"
: >"$work/all.txt"
for r in 1 2 3; do
  "$bench" query "$work/store.sqlite" "$work/queries.txt" >"$work/round$r.txt" 2>"$work/query.err"
  cat "$work/round$r.txt" >>"$work/all.txt"
  echo "$(p95 <"$work/round$r.txt")" >>"$work/p95.txt"
done
echo "fulltext_query_p95_ms=$(median <"$work/p95.txt" | awk '{ printf "%.1f", $1 }')"
echo "# queries: median $(median <"$work/all.txt") ms, p95 per round $(spread <"$work/p95.txt") ms; $(tr '\n' ' ' <"$work/query.err")"

: >"$work/grep.txt"
while read -r first second; do
  { time { LC_ALL=C.UTF-8 grep -rliF -e "$first" "$work/docs" |
    LC_ALL=C.UTF-8 xargs -d '\n' -r grep -liF -e "$second" >"$work/grep.out" || true; }; } 2>&1 |
    tail -n 1 | awk '{ print $1 * 1000 }' >>"$work/grep.txt"
done <"$work/queries.txt"
ours_ms=$(median <"$work/all.txt")
grep_ms=$(median <"$work/grep.txt")
awk -v o="$ours_ms" -v g="$grep_ms" 'BEGIN { printf "fulltext_query_ratio_vs_grep=%.3f\n", o / g }'
echo "# grep: median $grep_ms ms ($(spread <"$work/grep.txt") ms) over the same queries"
echo "fulltext_build_peak_mib=$(sort -n "$work/peak.txt" | tail -n 1)"

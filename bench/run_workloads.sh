#!/usr/bin/env bash
# Runs each grid workload in 5 fresh processes and prints, per workload, the median of the
# timed section, the check value and the largest peak RSS (from /usr/bin/time -v when there
# is one), beside the peak RSS of a process that only makes the input (the baseline).
# Usage: bench/run_workloads.sh [build-dir]   (default build/grid, target grid_bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/grid}
bin=$build/bench/grid_bench
if [ ! -x "$bin" ]; then
  cmake --build "$build" --target grid_bench >/dev/null
fi
runs=5
peak_kib() {  # command... -> peak RSS in KiB on stdout, the command's stdout to $out
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -v "$@" 2>"$tmp/time" >"$tmp/out"
    awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$tmp/time"
  else
    "$@" >"$tmp/out"
    echo 0
  fi
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '%-4s %12s %10s %10s %12s  %s\n' load "median ms" "RSS MiB" "base MiB" "B/formula" check
for w in W1 W2 W3 W4 W4w; do
  times=()
  rss_max=0
  check=
  for _ in $(seq $runs); do
    kib=$(peak_kib "$bin" --workload $w)
    read -r _ ms check <"$tmp/out"
    times+=("$ms")
    [ "$kib" -gt "$rss_max" ] && rss_max=$kib
  done
  base=$(peak_kib "$bin" --baseline $w)
  median=$(printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")
  case $w in W1) formulas=99999 ;; W2) formulas=100100 ;; W3) formulas=19999 ;; W4 | W4w) formulas=100000 ;; esac
  per=$(( (rss_max - base) * 1024 / formulas ))
  awk -v w=$w -v m="$median" -v r="$rss_max" -v b="$base" -v p="$per" -v c="$check" \
    'BEGIN { printf "%-4s %12s %10.1f %10.1f %12s  %s\n", w, m, r / 1024, b / 1024, p, c }'
done

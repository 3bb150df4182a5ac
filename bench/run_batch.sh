#!/usr/bin/env bash
# Times `mdx evaluate --all` on a drawing of COUNT connections (default 1000) of the five
# sample standards, against one `mdx evaluate` of a single connection of the same drawing:
# 5 runs each in fresh processes, medians of the wall time.
# Usage: bench/run_batch.sh [build-dir] [count]   (default build/default, 1000)
# Goal: 1000 connections under 0.3 s, and under 1 s at the most.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
count=${2:-1000}
mdx=$build/tools/mdx/mdx
[ -x "$mdx" ] || cmake --build "$build" --target mdx >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/library"
cp -r "examples/Connection Standards" "$tmp/library/"
python3 scripts/make-connections.py "$count" "$tmp/drawing.json" "$tmp/library"
median() {  # command... -> median wall seconds of 5 runs
  python3 - "$@" <<'PY'
import statistics, subprocess, sys, time
times = []
for _ in range(5):
    start = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
    times.append(time.perf_counter() - start)
print(f"{statistics.median(times):.3f}")
PY
}
all=$(median "$mdx" evaluate --all --drawing "$tmp/drawing.json" --library "$tmp/library" \
  --gen gen_Grade=S355)
one=$(median "$mdx" evaluate FinPlate --macro FP-0002 --maps-to FP-0002 \
  --drawing "$tmp/drawing.json" --library "$tmp/library" --gen gen_Grade=S355)
echo "connections: $count"
echo "evaluate --all, median of 5:        ${all} s"
echo "evaluate one connection, median of 5: ${one} s"

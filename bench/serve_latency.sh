#!/usr/bin/env bash
# Latency of mdx serve as a person meets it: from a click in the general variables dialog
# (a pointer step on the drawings grid) to the updated picture in hand, over the loopback.
# Usage: bench/serve_latency.sh [build-dir] [clicks]   Prints the median and the slowest.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
clicks=${2:-50}
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp examples/drawings/EndPlate_IPE300_HEA300.json "$work/connection.json"
"$build/tools/mdx/mdx" serve --port 0 --drawing "$work/connection.json" \
    --macro EndPlate_IPE_HEA > "$work/banner" 2>&1 &
pid=$!
for _ in $(seq 50); do grep -q 'http://' "$work/banner" 2>/dev/null && break; sleep 0.1; done
url=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/banner")
request() { curl -s -o /dev/null -w '%{time_total}' -X POST "$url/api/request" -d "$1"; }
request '{"kind":"open","launch":"StartDlgGenVars"}' > /dev/null
for _ in $(seq "$clicks"); do
    a=$(request '{"kind":"user","action":{"action":"pointer","event":"click","x":372,"y":81}}')
    b=$(curl -s -o /dev/null -w '%{time_total}' "$url/api/picture/0")
    echo "$a $b" | awk '{printf "%.2f\n", ($1 + $2) * 1000}'
done | sort -n > "$work/times"
request '{"kind":"quit"}' > /dev/null || true
echo "click to picture, $clicks clicks: median $(sed -n "$(( (clicks + 1) / 2 ))p" "$work/times") ms, slowest $(tail -1 "$work/times") ms"

#!/usr/bin/env bash
# The build a user or a packager makes: a plain Release configuration without presets (so
# warnings are reported, not errors), the program only, then the sample evaluation run with
# the built program. Usage: scripts/release.sh [build folder]   (default: build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/release}
scripts/setup.sh
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DMDX_BUILD_TESTS=OFF -DMDX_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)"
"$out/tools/mdx/mdx" evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json \
    --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355

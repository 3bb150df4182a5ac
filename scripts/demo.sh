#!/usr/bin/env bash
# Sets up, builds mdx and runs the main job on the bundled sample data: the end-plate
# standard evaluated for the macro of the sample drawing. The drawing is not written.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target mdx
mdx=build/default/tools/mdx/mdx
command=(evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json
         --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355)
echo
echo "\$ $mdx ${command[*]}"
"$mdx" "${command[@]}"

#!/usr/bin/env bash
# The build a user or a packager makes: a plain Release configuration without presets (so
# warnings are reported, not errors), the program only; then it is installed into a temporary
# prefix, moved, and the sample evaluated from another folder with the installed program, and
# the .deb is made. Usage: scripts/release.sh [build folder]   (default: build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/release}
scripts/setup.sh
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DMDX_BUILD_TESTS=OFF -DMDX_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$out" --prefix "$work/installed" >/dev/null
mv "$work/installed" "$work/moved"
mkdir "$work/elsewhere"
data="$work/moved/share/meridox/examples"
(cd "$work/elsewhere" && env -u MDX_LIBRARY -u MDX_RESOURCES -u MDX_PRODUCT \
    "$work/moved/bin/mdx" evaluate EndPlate --drawing "$data/drawings/EndPlate_IPE300_HEA300.json" \
    --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355) | tee "$work/report"
grep -q "Double Thickness  20" "$work/report"

(cd "$out" && cpack -G DEB >/dev/null)
dpkg-deb --info "$out"/meridox_*.deb | grep -E "Package|Version|Depends"

#!/usr/bin/env bash
# Sets up, builds and runs the main job on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target mdx
build/default/tools/mdx/mdx demo

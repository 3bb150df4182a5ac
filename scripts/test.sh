#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [preset]   (default: default)
# Presets: default (g++), clang, asan (clang with AddressSanitizer + UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel "$(nproc)"

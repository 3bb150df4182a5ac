#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(g++ clang cmake ninja-build pkg-config libclang-rt-14-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcairo2-dev libstb-dev libcli11-dev
          liborcus-dev libxlsxwriter-dev libzip-dev
          libcpp-httplib-dev chromium chromium-driver)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

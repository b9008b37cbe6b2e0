#!/usr/bin/env bash
# Builds VORA in Release (build-bench/) and prints vora-bench's figures as one JSON object.
# Nothing is asserted: absolute times depend on the machine and its load.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}" >&2
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=ON >&2
cmake --build build-bench --parallel "$(nproc)" --target vora-bench vora-data vora-assets >&2
QT_QPA_PLATFORM=offscreen VORA_APP_DIR="$PWD/build-bench/app" ./build-bench/bench/vora-bench 2>/dev/null

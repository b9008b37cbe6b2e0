#!/usr/bin/env bash
# Builds VORA in Release (build-bench/) and prints vora-bench's figures as one JSON object.
# Nothing is asserted: absolute times depend on the machine and its load.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libboost-math-dev fonts-ipafont-gothic)
# The timing seen from outside: a private Xvfb with openbox, keys through XTest, pixels through DAMAGE.
packages+=(xvfb openbox libx11-dev libxtst-dev libxdamage-dev)
./scripts/install-missing.sh "${packages[@]}"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=ON >&2
cmake --build build-bench --parallel "$(nproc)" --target vora-bench vora-data vora-assets >&2
QT_QPA_PLATFORM=offscreen VORA_APP_DIR="$PWD/build-bench/app" ./build-bench/bench/vora-bench 2>/dev/null

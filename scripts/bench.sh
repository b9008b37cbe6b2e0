#!/usr/bin/env bash
# Builds VORA in Release (build-bench/) and prints vora-bench's figures as one JSON object.
# Nothing is asserted: absolute times depend on the machine and its load.
# The study figures need a PostgreSQL server: VORA_BENCH_PG names one (a superuser's
# connection string), else a private cluster is started for the run on port
# VORA_BENCH_PG_PORT (54328) and removed after it. They take several minutes;
# VORA_BENCH_10M=1 adds 10,000,000 runs (about 4 GB of disk and much longer); VORA_BENCH_KEEP=1
# keeps the study database vora_bench_study for a look at it afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libboost-math-dev libpq-dev pkg-config fonts-ipafont-gothic
          postgresql-client time)
# The timing seen from outside: a private Xvfb with openbox, keys through XTest, pixels through DAMAGE.
packages+=(xvfb openbox libx11-dev libxtst-dev libxdamage-dev)
./scripts/install-missing.sh "${packages[@]}"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=ON >&2
cmake --build build-bench --parallel "$(nproc)" --target vora-bench vora-data vora-assets >&2
if [ -z "${VORA_BENCH_PG:-}" ]; then
  pgdir="$(mktemp -d)"
  trap './scripts/pg-cluster.sh stop "$pgdir" >&2 || true; rm -rf "$pgdir"' EXIT
  VORA_BENCH_PG="$(./scripts/pg-cluster.sh start "$pgdir" "${VORA_BENCH_PG_PORT:-54328}")"
fi
export VORA_BENCH_PG
QT_QPA_PLATFORM=offscreen VORA_APP_DIR="$PWD/build-bench/app" ./build-bench/bench/vora-bench 2>/dev/null

#!/usr/bin/env bash
# Sets everything up, builds, and runs every test headless through CTest.
# The study database tests need a PostgreSQL server: unless VORA_TEST_PG already names one,
# a private cluster is started in a temporary folder for the run and stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

if [ -z "${VORA_TEST_PG:-}" ]; then
  pgdir="$(mktemp -d)"
  trap './scripts/pg-cluster.sh stop "$pgdir" || true; rm -rf "$pgdir"' EXIT
  if VORA_TEST_PG="$(./scripts/pg-cluster.sh start "$pgdir" "${VORA_TEST_PG_PORT:-54329}")"; then
    export VORA_TEST_PG VORA_TEST_PG_DIR="$pgdir"
  else
    echo "test.sh: no PostgreSQL test server could be started; the study database tests will skip" >&2
  fi
fi
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

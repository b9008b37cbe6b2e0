#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libqt6sql6-psql
          fonts-ipafont-gothic xvfb xauth)
# Boost.Math, header-only: the statistics' distributions and special functions.
packages+=(libboost-math-dev libpq-dev pkg-config)
# Qt's own buttons and dialogs (はい / いいえ, the file dialog) in Japanese.
packages+=(qt6-translations-l10n)
# lupdate and lrelease (qt6-l10n-tools) with their CMake support (qt6-tools-dev): the program's
# catalogues, translations/vora_<code>.ts, compiled into .qm files by the build.
packages+=(qt6-l10n-tools qt6-tools-dev)
# groff renders vora-data's generated man page in its test (tests/tools/tst_commandline).
packages+=(groff-base)
./scripts/install-missing.sh "${packages[@]}"

build_type="${VORA_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type"
cmake --build build --parallel "$(nproc)"

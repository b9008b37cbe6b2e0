#!/usr/bin/env bash
# Extra CI after the plain test run: every fuzz target for a bounded time under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang 14, libFuzzer), starting from its
# kept corpus, and the line coverage of the parsers by that corpus (scripts/fuzz.sh); then
# the whole test suite built with -fsanitize=address,undefined (GCC) and run through CTest.
#   FUZZ_SECONDS  seconds per fuzz target (default 30)
# Then a research report made by vora-data is opened in headless chromium
# (scripts/report-browser-test.sh, which installs chromium when it is missing), and last the
# Debian package is made from build/, checked with lintian, installed into a clean Debian 12
# root and started there as an ordinary user (scripts/package-test.sh).
#   SKIP_FUZZ=1 / SKIP_ASAN=1 / SKIP_BROWSER=1 / SKIP_PACKAGE=1  leave a part out
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
fuzz_seconds="${FUZZ_SECONDS:-30}"
jobs="$(nproc)"
start=$(date +%s)

# The sanitizer and fuzzer runtimes of clang 14 (libclang_rt.fuzzer, asan, ubsan) are in
# libclang-rt-14-dev, llvm-profdata-14 and llvm-cov-14 in llvm-14; GCC's sanitizers need
# libasan8 and libubsan1 (pulled in by g++).
packages=(clang-14 libclang-rt-14-dev llvm-14 g++ libasan8 libubsan1)
./scripts/install-missing.sh "${packages[@]}"

export QT_QPA_PLATFORM=offscreen
# Qt's plugin loader and fontconfig keep caches for the life of the process; see the file.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"

echo "== source format (.clang-format)"
scripts/check-format.sh

if [ "${SKIP_FUZZ:-0}" != 1 ]; then
  # Each run starts from the kept corpus (fuzz/corpus/<target>/); what it finds stays in
  # build-fuzz/corpus/ for the developer to keep with scripts/fuzz.sh merge.
  echo "== fuzz targets (${fuzz_seconds} s each, from fuzz/corpus)"
  scripts/fuzz.sh build
  FUZZ_SECONDS="$fuzz_seconds" scripts/fuzz.sh run
  new=$(find build-fuzz/corpus -type f 2>/dev/null | wc -l)
  [ "$new" -eq 0 ] || echo "-- $new new inputs in build-fuzz/corpus/: keep them with scripts/fuzz.sh merge"
  echo "== fuzz corpus coverage (clang source-based coverage)"
  scripts/fuzz.sh coverage
fi

if [ "${SKIP_ASAN:-0}" != 1 ]; then
  echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DVORA_BUILD_BENCH=OFF >/dev/null
  cmake --build build-asan --parallel "$jobs"
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs"
  # Root reads and writes whatever the permission bits say; the permission cases run again
  # as an unprivileged user where the machine has one.
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
    echo "-- permission cases as nobody"
    # The clone may lie in a folder nobody cannot enter (/root): run a copy from /tmp.
    nobody_dir=$(mktemp -d /tmp/vora-nobody.XXXXXX)
    cp build-asan/tests/faults_tst_badinput build-asan/tests/core_toolkit_tst_files "$nobody_dir/"
    chmod 755 "$nobody_dir" "$nobody_dir"/*
    as_nobody() {
      (cd "$nobody_dir" && HOME=/tmp QT_QPA_PLATFORM=offscreen \
        setpriv --reuid=nobody --regid=nogroup --clear-groups "$@")
    }
    as_nobody ./faults_tst_badinput unreadableByPermissions readOnlyProgramFolder
    as_nobody ./core_toolkit_tst_files replaceKeepsOriginalInReadOnlyFolder noWriteWithoutItsLock
    rm -rf "$nobody_dir"
  fi
fi

if [ "${SKIP_BROWSER:-0}" != 1 ]; then
  echo "== report in a real browser"
  [ -f build/build.ninja ] || cmake -S . -B build -G Ninja >/dev/null
  cmake --build build --parallel "$jobs" --target vora-data
  BUILD_DIR=build scripts/report-browser-test.sh
fi

if [ "${SKIP_PACKAGE:-0}" != 1 ]; then
  echo "== Debian package"
  "$root/scripts/package-test.sh"
fi

echo "ci-extra: done in $(( $(date +%s) - start )) s"

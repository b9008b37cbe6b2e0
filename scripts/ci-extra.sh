#!/usr/bin/env bash
# Extra CI after the plain test run: every fuzz target for a bounded time under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang 14, libFuzzer), then the whole test
# suite built with -fsanitize=address,undefined (GCC) and run through CTest.
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
# libclang-rt-14-dev; GCC's sanitizers need libasan8 and libubsan1 (pulled in by g++).
packages=(clang-14 libclang-rt-14-dev llvm-14 g++ libasan8 libubsan1)
./scripts/install-missing.sh "${packages[@]}"

export QT_QPA_PLATFORM=offscreen
# Qt's plugin loader and fontconfig keep caches for the life of the process; see the file.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"

if [ "${SKIP_FUZZ:-0}" != 1 ]; then
  echo "== fuzz targets (${fuzz_seconds} s each)"
  flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DVORA_BUILD_FUZZ=ON -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=OFF >/dev/null
  targets=(fuzz_datafile fuzz_namelist fuzz_selection fuzz_updatepage fuzz_filebounds fuzz_voradata)
  cmake --build build-fuzz --parallel "$jobs" --target "${targets[@]}"

  # Tiny seed corpora, written here so that no binary corpus lives in the repository.
  seeds=build-fuzz/seeds
  rm -rf "$seeds"
  mkdir -p "$seeds"/{fuzz_datafile,fuzz_namelist,fuzz_selection,fuzz_updatepage,fuzz_filebounds,fuzz_voradata}
  t="1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010"
  line="Yama      2009/04/25 14:30S50D10 10 10 10 10 45  0  0  0  0 $t $t"
  printf '%s\r\n' "$line" >"$seeds/fuzz_datafile/one-run"
  printf '\x8e\xc0\x8c\xb1\x8f\xf0\x8c\x8f=\x83\x81\x83\x82\x01\x01two\r\n%s memo<BR>x\r\n%s\r\n' "$line" "$line" \
    >"$seeds/fuzz_datafile/memo-and-runs"
  printf '\r\n%s\n%s' "$line" "${line:0:120}" >"$seeds/fuzz_datafile/blank-and-short"
  printf 'Yama      -SD12\r\nIto       -n-3\r\n' >"$seeds/fuzz_namelist/current"
  printf 'Yama      -SD2,5\r\nIto       -BD0,1\r\n../x      -SD1,1\r\n' >"$seeds/fuzz_namelist/earlier-format"
  printf 'Yama       SD\r\n\r\nIto        n-\r\n' >"$seeds/fuzz_selection/three"
  printf 'Dt100922   SD\r\n' >"$seeds/fuzz_selection/first-run"
  printf '\x00<html><meta charset="Shift_JIS"><body>\x82\x75\x82\x6e\x82\x71\x82\x60 (\x8d\xc5\x90\x56\x94\xc5\x82\xcc\x93\xfc\x8e\xe8)</A>\r\n\x89\xfc\x92\xe8\x8b\x4c\x98\x5e\r\nV1.2.3 new\r\nV2.0.0\r\n' \
    >"$seeds/fuzz_updatepage/page"
  printf '\x03<meta charset=utf-8>\xe6\x94\xb9\xe5\xae\x9a\xe8\xa8\x98\xe9\x8c\xb2\nV1.0.1\n' >"$seeds/fuzz_updatepage/utf8"

  # File bounds: kind (pipe, device, sparse file around the bound, plain), bound choice, delta.
  printf '\x00\x01\x80<html>' >"$seeds/fuzz_filebounds/pipe"
  printf '\x02\x01\x81<html>' >"$seeds/fuzz_filebounds/sparse-over-bound"
  printf '\x03\x00\x80\x8e\xc0\x8c\xb1\r\nV1.0.1\r\n' >"$seeds/fuzz_filebounds/page"
  printf '\x05\x01\x7fone byte short' >"$seeds/fuzz_filebounds/short-bound"
  # vora-data: command, then NUL-separated arguments; a byte 0x01-0x1f names a prepared file.
  printf '\x00\x01\x00\x02\x00\x03\x00\x04\x00\x05\x00\x06\x00\x0b' >"$seeds/fuzz_voradata/check-every-kind"
  printf '\x01\x01\x00--upto\x003' >"$seeds/fuzz_voradata/summary-upto"
  printf '\x02\x03\x00--json' >"$seeds/fuzz_voradata/export-huge"
  printf '\x03\x0063 13 13 13 12 12\x0050 1 1 1 1 1' >"$seeds/fuzz_voradata/evaluate"

  # One target; its exit status is libFuzzer's. Only a crash, a sanitizer report or a broken
  # invariant fails it.
  fuzz_one() {
    local target=$1
    local work="build-fuzz/corpus/$target"
    mkdir -p "$work" build-fuzz/artifacts
    # vora-data notes every refused argument on stderr; libFuzzer keeps its own reports.
    local quiet=()
    [ "$target" = fuzz_voradata ] && quiet=(-close_fd_mask=2)
    "build-fuzz/fuzz/$target" -max_total_time="$fuzz_seconds" -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" "${quiet[@]}" \
      "$work" "$seeds/$target" >"build-fuzz/$target.log" 2>&1
  }
  # Each target is single-threaded: as many run at once as there are cores.
  for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    batch=("${targets[@]:i:jobs}")
    pids=()
    for target in "${batch[@]}"; do
      fuzz_one "$target" &
      pids+=($!)
    done
    for k in "${!batch[@]}"; do
      target=${batch[$k]}
      set +e
      wait "${pids[$k]}"
      rc=$?
      set -e
      echo "-- $target"
      log="build-fuzz/$target.log"
      grep -E "^#[0-9]+ +DONE|^stat::number_of_executed_units" "$log" || true
      if [ "$rc" -ne 0 ]; then
        tail -n 80 "$log"
        echo "$target failed (exit $rc); the input is in build-fuzz/artifacts/"
        exit 1
      fi
    done
  done
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
    cp build-asan/tests/faults_tst_badinput build-asan/tests/toolkit_tst_files "$nobody_dir/"
    chmod 755 "$nobody_dir" "$nobody_dir"/*
    as_nobody() {
      (cd "$nobody_dir" && HOME=/tmp QT_QPA_PLATFORM=offscreen \
        setpriv --reuid=nobody --regid=nogroup --clear-groups "$@")
    }
    as_nobody ./faults_tst_badinput unreadableByPermissions readOnlyProgramFolder
    as_nobody ./toolkit_tst_files replaceKeepsOriginalInReadOnlyFolder
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

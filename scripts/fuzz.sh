#!/usr/bin/env bash
# The libFuzzer targets and their kept corpus (fuzz/corpus/<target>/).
#   scripts/fuzz.sh build               configure and build build-fuzz/ (clang 14, ASan, UBSan,
#                                       source-based coverage)
#   scripts/fuzz.sh run [TARGET...]     fuzz each target FUZZ_SECONDS (default 30) starting from
#                                       its corpus; new inputs go to build-fuzz/corpus/<target>/
#   scripts/fuzz.sh merge [TARGET...]   minimise the kept corpus together with what runs found
#                                       (-merge=1 into a fresh folder) and replace fuzz/corpus/<target>/
#   scripts/fuzz.sh refresh [TARGET...] start a corpus anew from fuzz/seeds.sh: delete it, fuzz
#                                       FUZZ_SECONDS (default 600 here) from the seeds, merge
#   scripts/fuzz.sh coverage            line coverage of the parsers by the kept corpus
# Without TARGET: every target. CI (scripts/ci-extra.sh) runs build, run and coverage; merge
# and refresh are for the developer, who commits the corpus they leave.
set -euo pipefail
cd "$(dirname "$0")/.."
targets_all=(fuzz_datafile fuzz_namelist fuzz_selection fuzz_updatepage fuzz_filebounds fuzz_voradata fuzz_seal)
jobs="$(nproc)"
root=$PWD
# Absolute: the vora-data target works in a scratch folder of its own.
out=$root/build-fuzz

# The sanitizer and fuzzer runtimes of clang 14 (libclang_rt.fuzzer, asan, ubsan) are in
# libclang-rt-14-dev; llvm-14 has llvm-profdata-14 and llvm-cov-14.
./scripts/install-missing.sh clang-14 libclang-rt-14-dev llvm-14 >/dev/null

export QT_QPA_PLATFORM=offscreen
# Qt's plugin loader and fontconfig keep caches for the life of the process; see the file.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"

command=${1:-}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${targets_all[@]}")

build() {
  local flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
  flags+=" -fprofile-instr-generate -fcoverage-mapping"
  cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined -fprofile-instr-generate" \
    -DVORA_BUILD_FUZZ=ON -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=OFF >/dev/null
  cmake --build "$out" --parallel "$jobs" --target "${targets_all[@]}"
}

# fuzz_one TARGET SECONDS FOLDER...: libFuzzer writes new inputs to the first folder. Its exit
# status is libFuzzer's: only a crash, a sanitizer report or a broken invariant fails it.
fuzz_one() {
  local target=$1 seconds=$2
  shift 2
  mkdir -p "$1" "$out/artifacts" "$out/profiles/fuzzing"
  # vora-data notes every refused argument on stderr; libFuzzer keeps its own reports.
  local quiet=()
  [ "$target" = fuzz_voradata ] && quiet=(-close_fd_mask=2)
  # Words the target's inputs are made of, where a target has them.
  [ -f "$root/fuzz/$target.dict" ] && quiet+=(-dict="$root/fuzz/$target.dict")
  LLVM_PROFILE_FILE="$out/profiles/fuzzing/$target-%p.profraw" \
    "$out/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" "${quiet[@]}" "$@" >"$out/$target.log" 2>&1
}

# run_all SECONDS: every target from its work folder and its kept corpus, as many at once as
# there are cores (each target is single-threaded).
run_all() {
  local seconds=$1 extra=${2:-}
  for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    local batch=("${targets[@]:i:jobs}") pids=()
    for target in "${batch[@]}"; do
      mkdir -p "fuzz/corpus/$target"
      local folders=("$out/corpus/$target" "$root/fuzz/corpus/$target")
      [ -n "$extra" ] && folders+=("$extra/$target")
      fuzz_one "$target" "$seconds" "${folders[@]}" &
      pids+=($!)
    done
    for k in "${!batch[@]}"; do
      local target=${batch[$k]} rc=0
      wait "${pids[$k]}" || rc=$?
      echo "-- $target"
      local log="$out/$target.log"
      grep -E "^INFO: seed corpus:|^#[0-9]+ +DONE|^stat::number_of_executed_units|^stat::new_units_added" "$log" || true
      if [ "$rc" -ne 0 ]; then
        tail -n 80 "$log"
        echo "$target failed (exit $rc); the input is in $out/artifacts/"
        exit 1
      fi
    done
  done
  rm -rf "$out/profiles/fuzzing"
}

merge() {
  for target in "${targets[@]}"; do
    local fresh="$out/merged/$target"
    rm -rf "$fresh"
    mkdir -p "$fresh" "fuzz/corpus/$target" "$out/corpus/$target"
    local sources=("$root/fuzz/corpus/$target" "$out/corpus/$target")
    [ -d "$out/seeds/$target" ] && sources+=("$out/seeds/$target")
    local quiet=()
    [ "$target" = fuzz_voradata ] && quiet=(-close_fd_mask=2)
    LLVM_PROFILE_FILE=/dev/null "$out/fuzz/$target" -merge=1 -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
      "${quiet[@]}" "$fresh" "${sources[@]}" >"$out/$target.merge.log" 2>&1 \
      || { tail -n 40 "$out/$target.merge.log"; exit 1; }
    rm -rf "fuzz/corpus/$target"
    mv "$fresh" "fuzz/corpus/$target"
    rm -rf "$out/corpus/$target"
    echo "$target: $(find "fuzz/corpus/$target" -type f | wc -l) files, $(du -sk "fuzz/corpus/$target" | cut -f1) KiB"
  done
}

# Every parser as the functions that make it, in its file: a grep -E pattern over the demangled
# name, without the "File.cpp:" and "(anonymous namespace)::" that llvm-cov adds to local
# ones. The other functions of these files write or word messages; they are no parsing.
parsers=(
  "data file|src/core/registry/DataFile.cpp|^vora::(storedBlocks|sum|isConditionMemoLine|memoFromFileForm|lenientNumber|columns|storedTotal|undecodableMark|checkRunLine|loadDataFile|countRuns)\("
  "data file|src/core/registry/RunRecord.cpp|^vora::(RunRecord::fromLine|RunRecord::targetOnes|RunRecord::inputOnes|runMemoFromFileForm)\("
  "list|src/core/registry/NameList.cpp|^vora::(isNameCharacter|cutBeforeFirstSpace|checkedName|column|isStimulusCode|isHitDisplayCode|isDigits|convertNoStimulusSeries|checkExperimentName|isValidExperimentName|NameListItem::parse|parseListLine|readNameListFile)\("
  "selection|src/core/registry/NameList.cpp|^vora::readSelectionFile\("
  "seal|src/core/study/Seal.cpp|^vora::study::(readRaw|sealedColumns|readDataRuns|readSealFile|longestIncreasing|compareRuns|verifyDataFile)\("
  "update page|src/core/mainwindow/UpdatePage.cpp|^vora::updatepage::(siteFolder|declaredCharset|decodePage|withOnlineMark|withOfflineMark|forLocalCopy|leadingNumber|parseVersionText|scanForNewerVersion)\("
  "vora-data arguments|tools/vora-data/CheckCommand.cpp|^voradata::runCheck\("
  "vora-data arguments|tools/vora-data/SummaryCommand.cpp|^voradata::runSummary\("
  "vora-data arguments|tools/vora-data/ExportCommand.cpp|^voradata::runExport\("
  "vora-data arguments|tools/vora-data/EvaluateCommand.cpp|^voradata::"
  "vora-data arguments|tools/vora-data/SealCommand.cpp|^voradata::runSeal\("
  "vora-data arguments|tools/vora-data/VerifyCommand.cpp|^voradata::runVerify\("
  "vora-data arguments|tools/vora-data/ReportCommand.cpp|^voradata::runReport\("
  "vora-data arguments|tools/vora-data/PooledCommand.cpp|^voradata::runPooledSummary\("
  "vora-data arguments|tools/vora-data/ServerOptions.cpp|^voradata::ServerOptions::parse\("
)

coverage() {
  local profiles="$out/profiles/corpus"
  rm -rf "$profiles"
  mkdir -p "$profiles"
  local binaries=()
  for target in "${targets_all[@]}"; do
    local quiet=()
    [ "$target" = fuzz_voradata ] && quiet=(-close_fd_mask=3)
    # -runs=0: every input of the corpus once, nothing more.
    LLVM_PROFILE_FILE="$profiles/$target.profraw" "$out/fuzz/$target" -runs=0 -timeout=20 -rss_limit_mb=2048 \
      "${quiet[@]}" "$root/fuzz/corpus/$target" >"$out/$target.coverage.log" 2>&1 \
      || { tail -n 40 "$out/$target.coverage.log"; exit 1; }
    binaries+=("$out/fuzz/$target")
  done
  # Every target has its own LLVMFuzzerTestOneInput: llvm-profdata warns of those "mismatched" names.
  llvm-profdata-14 merge -sparse "$profiles"/*.profraw -o "$profiles/corpus.profdata" 2>"$profiles/merge.log"
  local files=() objects=()
  for p in "${parsers[@]}"; do
    IFS='|' read -r _ file _ <<<"$p"
    [[ " ${files[*]} " == *" $root/$file "* ]] || files+=("$root/$file")
  done
  for b in "${binaries[@]:1}"; do objects+=(-object "$b"); done
  # One line per function: its name, then Regions Miss Cover Lines Miss Cover Branches Miss Cover.
  llvm-cov-14 report -show-functions -Xdemangler=c++filt -instr-profile="$profiles/corpus.profdata" \
    "${binaries[0]}" "${objects[@]}" "${files[@]}" >"$profiles/functions.txt" 2>>"$profiles/merge.log"
  echo "line coverage of the parsers by the kept corpus (goal: 90 % each)"
  local names=() below=0
  for p in "${parsers[@]}"; do
    IFS='|' read -r name _ _ <<<"$p"
    [[ " ${names[*]} " == *" $name "* ]] || names+=("$name")
  done
  for name in "${names[@]}"; do
    local total=0 missed=0
    for p in "${parsers[@]}"; do
      IFS='|' read -r pname file pattern <<<"$p"
      [ "$pname" = "$name" ] || continue
      local t m
      read -r t m < <(awk -v file="'$root/$file':" -v pattern="$pattern" '
        /^File / { infile = ($2 == file); next }
        infile && NF > 9 && $(NF - 5) ~ /^[0-9]+$/ {
          fn = $1
          for (i = 2; i <= NF - 9; ++i) fn = fn " " $i
          sub(/^[^ :]+\.cpp:/, "", fn)
          gsub(/\(anonymous namespace\)::/, "", fn)
          if (fn ~ pattern) { t += $(NF - 5); m += $(NF - 4) }
        }
        END { print t + 0, m + 0 }' "$profiles/functions.txt")
      total=$((total + t))
      missed=$((missed + m))
    done
    local percent="n/a"
    if [ "$total" -gt 0 ]; then
      percent=$(awk -v t="$total" -v m="$missed" 'BEGIN { printf "%.1f", 100 * (t - m) / t }')
      if [ $((100 * (total - missed))) -lt $((90 * total)) ]; then below=1; fi
    fi
    printf '  %-20s %5s %%  (%d of %d lines)\n' "$name" "$percent" $((total - missed)) "$total"
  done
  [ "$below" -eq 0 ] || echo "  below the goal: grow that corpus (scripts/fuzz.sh run, then merge)"
  return 0
}

case "$command" in
build) build ;;
run) run_all "${FUZZ_SECONDS:-30}" ;;
merge) merge ;;
refresh)
  for target in "${targets[@]}"; do
    rm -rf "fuzz/corpus/$target" "$out/corpus/$target" "$out/seeds/$target"
    fuzz/seeds.sh "$target" "$out/seeds/$target"
  done
  run_all "${FUZZ_SECONDS:-600}" "$out/seeds"
  merge
  ;;
coverage) coverage ;;
*)
  sed -n '2,13p' "$0" >&2
  exit 2
  ;;
esac

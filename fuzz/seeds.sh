#!/usr/bin/env bash
# Writes the hand-made seed inputs of one fuzz target into a folder. They start a corpus
# from scratch (scripts/fuzz.sh refresh); the kept corpus in fuzz/corpus/ grew from them.
#   fuzz/seeds.sh TARGET FOLDER
set -euo pipefail
target=$1
out=$2
mkdir -p "$out"

# Runs that pass the check (the name, date, time, stimulus code, hits, block hits, stimulus
# trials, targets and inputs of the file format).
line="Yama      2009/04/25 14:30S50D12  9  8 11 10 45  0  0  0  0 1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010 1010101010100101010110101010110101010101101010100101010101011010101010110101010110101010100101010101"
line2="Yama      2009/04/26  9:05S65D15 13 14 12 11 12  0  0  0  0 1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010 1010101010101011010110101010101011010101101010101010100101011010101010100101010110101010101101010101"
line3="Yama      2009/04/27 10:15S50D 9 10 11 10 10 45  0  0  0  0 0110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110 0110011000011001100101100110010110011001011001100111100110010110011001011001100101100110010110011001"
line4="Ito       2009/04/28 11:00S45D 9  9  9  9  9 45  0  0  0  0 0110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110 0110011000011001100101100110000110011001011001100001100110010110011000011001100101100110000110011001"
case "$target" in
fuzz_datafile)
  printf '%s\r\n' "$line" >"$out/one-run"
  printf '\x8e\xc0\x8c\xb1\x8f\xf0\x8c\x8f=\x83\x81\x83\x82\x01\x01two\r\n%s memo<BR>x\r\n%s\r\n' "$line" "$line" \
    >"$out/memo-and-runs"
  printf '\r\n%s\n%s' "$line" "${line:0:120}" >"$out/blank-and-short"
  ;;
fuzz_namelist)
  printf 'Yama      -SD12\r\nIto       -n-3\r\n' >"$out/current"
  printf 'Yama      -SD2,5\r\nIto       -BD0,1\r\n../x      -SD1,1\r\n' >"$out/earlier-format"
  ;;
fuzz_selection)
  printf 'Yama       SD\r\n\r\nIto        n-\r\n' >"$out/three"
  printf 'Dt100922   SD\r\n' >"$out/first-run"
  ;;
fuzz_updatepage)
  printf '\x00<html><meta charset="Shift_JIS"><body>\x82\x75\x82\x6e\x82\x71\x82\x60 (\x8d\xc5\x90\x56\x94\xc5\x82\xcc\x93\xfc\x8e\xe8)</A>\r\n\x89\xfc\x92\xe8\x8b\x4c\x98\x5e\r\nV1.2.3 new\r\nV2.0.0\r\n' \
    >"$out/page"
  printf '\x03<meta charset=utf-8>\xe6\x94\xb9\xe5\xae\x9a\xe8\xa8\x98\xe9\x8c\xb2\nV1.0.1\n' >"$out/utf8"
  printf '\x01http://127.0.0.1:8080/esp\r\n' >"$out/site-override"
  ;;
fuzz_filebounds)
  # Kind (pipe, device, sparse file around the bound, plain), bound choice, delta.
  printf '\x00\x01\x80<html>' >"$out/pipe"
  printf '\x02\x01\x81<html>' >"$out/sparse-over-bound"
  printf '\x03\x00\x80\x8e\xc0\x8c\xb1\r\nV1.0.1\r\n' >"$out/page"
  printf '\x05\x01\x7fone byte short' >"$out/short-bound"
  ;;
fuzz_voradata)
  # Command (byte 0 mod 8: check, summary, export, evaluate, seal, verify, report, pooled; with
  # bit 3 set or a --server among the arguments, the server options alone), then NUL-separated
  # arguments. A one-byte argument 0x01-0x09 names a prepared file (good, forged name, huge,
  # pipe, folder, missing, damaged, sealed, tampered after sealing), 0x0a-0x16 a word (--csv
  # --json --upto -- /dev/zero - --pooled -o --lang --head --expect-head --server --site).
  printf '\x00\x01\x00\x02\x00\x03\x00\x04\x00\x05\x00\x06\x00\x07\x00\x0e' >"$out/check-every-kind"
  printf '\x01\x01\x00\x0c\x002' >"$out/summary-upto"
  printf '\x01\x01\x00--upto=1' >"$out/summary-upto-equals"
  printf '\x02\x01\x00\x0b' >"$out/export-json"
  printf '\x02\x01\x00\x0a\x00\x0b' >"$out/export-both"
  printf '\x03\x0063 13 13 13 12 12\x0050 1 1 1 1 1\x00x' >"$out/evaluate"
  printf '\x04\x01\x00\x08\x00\x09\x00\x07' >"$out/seal"
  printf '\x05\x13\x00\x08\x00\x09\x00\x01' >"$out/verify-head"
  printf '\x05\x14\x00%064d\x00\x08' 0 >"$out/verify-expect-head"
  printf '\x06\x01\x00\x08\x00\x11\x00out.html\x00\x12\x00en' >"$out/report"
  printf '\x06\x01\x00--output=out.html\x00--lang=ja' >"$out/report-equals"
  printf '\x07\x10\x00\x01\x00\x08' >"$out/pooled"
  printf '\x0f\x01\x00\x15\x00host=/nonexistent dbname=x\x00\x16\x00tokyo1' >"$out/push-options"
  printf '\x07\x10\x00--server=host=/nonexistent\x00--site=a\x00\x01' >"$out/pooled-server-and-file"
  ;;
fuzz_seal)
  # A flag byte, then two parts at the first NUL. Flag 0: the data file, the seal file.
  # Flag 1: data that the writer seals, then the data compared with that seal.
  printf '\x01%s\r\n%s\r\n%s\r\n' "$line" "$line2" "$line3" >"$out/sealed-unchanged"
  printf '\x01%s\r\n%s\r\n%s\r\n\x00%s\r\n%s\r\n%s\r\n' "$line" "$line2" "$line3" "$line2" "$line" "$line3" >"$out/runs-swapped"
  printf '\x01%s\r\n%s\r\n%s\r\n\x00%s\r\n%s\r\n' "$line" "$line2" "$line3" "$line" "$line3" >"$out/run-removed"
  printf '\x01%s\r\n%s\r\n%s\r\n\x00%s\r\n%s\r\n%s\r\n' "$line" "$line2" "$line3" "$line" "$line4" "$line3" >"$out/run-changed"
  printf '\x01%s\r\n%s\r\n\x00%s\r\n%s\r\n%s\r\n%s\r\n' "$line" "$line2" "$line" "$line4" "$line2" "$line3" >"$out/run-inserted-and-added"
  printf '\x00%s\r\n%s\r\n\x00VORA-SEAL 1\r\n1 %064d %064d 2026-12-08T14:03:22+09:00\r\n' "$line" "$line2" 0 0 >"$out/wrong-hashes"
  printf '\x00%s\r\n\x00VORA-SEAL 1\r\n2 %064d' "$line" 0 >"$out/cut-short"
  ;;
*)
  echo "fuzz/seeds.sh: unknown target $target" >&2
  exit 2
  ;;
esac

#!/usr/bin/env bash
# Opens a report made by vora-data in a real browser (Debian's chromium, headless) and checks
# that every chart's SVG is in the rendered page, that the page asks for nothing beyond
# itself, and that its screenshot is not blank.
#   BUILD_DIR  build folder holding app/vora-data (default: build)
#   SHOT_OUT   keep the screenshot at this path (the README's picture is made this way)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
tool="$build_dir/app/vora-data"
[ -x "$tool" ] || { echo "report-browser-test: $tool is not built" >&2; exit 1; }

packages=(chromium imagemagick fonts-ipafont-gothic)
./scripts/install-missing.sh "${packages[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A data file as the program writes it (CP932, CR LF), with random targets and answers.
# make_data_file NAME RUNS STIMULUS(S|n) OUT SEED
make_data_file() {
  local name=$1 runs=$2 stim=$3 out=$4
  RANDOM=$5
  {
    printf '実験条件=照明を落とした静かな部屋\x01\x01午後 <b>&amp; "テスト"</b>\r\n'
    for ((r = 1; r <= runs; r++)); do
      local t="" in="" hits=0 s=(0 0 0 0 0) i a b st=0
      for ((i = 0; i < 100; i++)); do
        a=$((RANDOM & 1)) b=$((RANDOM & 1))
        t+=$a in+=$b
        if [ "$a" = "$b" ]; then hits=$((hits + 1)) s[i / 20]=$((s[i / 20] + 1)); fi
      done
      [ "$stim" = S ] && st=$((31 + RANDOM % 39))
      printf '%-10s2009/%02d/%02d 14:30%s%2dD%2d%3d%3d%3d%3d%3d  0  0  0  0 %s %s' "$name" $((4 + (r - 1) / 28)) \
        $(((r - 1) % 28 + 1)) "$stim" $hits ${s[0]} ${s[1]} ${s[2]} ${s[3]} ${s[4]} $st "$t" "$in"
      if ((r % 7 == 0)); then printf ' 集中できた<BR>%d回目 <script>alert(1)</script>' $r; fi
      printf '\r\n'
    done
  } | iconv -f UTF-8 -t CP932 >"$out"
}
make_data_file Yama090425 40 S "$work/Yama090425-1.txt" 7
make_data_file Ito 12 n "$work/Ito-0.txt" 3
"$tool" check "$work/Yama090425-1.txt" "$work/Ito-0.txt"
"$tool" report "$work/Yama090425-1.txt" "$work/Ito-0.txt" --experiments -o "$work/report.html"
echo "report: $(stat -c %s "$work/report.html") bytes"

fail() { echo "report-browser-test: FAIL: $*" >&2; exit 1; }

# Nothing in the page may point outside it: no script, links only to its own fragments.
if grep -qiE '<script|<img|<link|<iframe|<object|@import|url\(' "$work/report.html"; then
  fail "the page holds a script or a resource reference"
fi
if grep -oiE '(src|href|xlink:href)="[^"]*"' "$work/report.html" | grep -viE '="#'; then
  fail "the page links outside itself"
fi

browser=(chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking
  --disable-component-update --disable-sync --disable-default-apps --user-data-dir="$work/profile"
  --host-resolver-rules="MAP * ~NOTFOUND" --hide-scrollbars --window-size=1000,2400)
url="file://$work/report.html"

"${browser[@]}" --log-net-log="$work/net.json" --dump-dom "$url" >"$work/dom.html" 2>"$work/chromium.log" \
  || { cat "$work/chromium.log" >&2; fail "chromium could not load the page"; }

# Every chart of both experiments is in the rendered page: the five charts of the results
# view (the around-stimulus one only with a stimulus), the histogram and the cumulative deviation.
for kind in segment deviation overview trials histogram cumulative; do
  n=$(grep -o "data-chart=\"$kind\"" "$work/dom.html" | wc -l)
  [ "$n" -eq 2 ] || fail "$n SVG charts of kind $kind in the DOM, 2 expected"
done
n=$(grep -o 'data-chart="stimulus"' "$work/dom.html" | wc -l)
[ "$n" -eq 1 ] || fail "$n around-stimulus charts in the DOM, 1 expected"
for kind in forest-sites forest-experiments evidence-bf evidence-z; do
  n=$(grep -o "data-chart=\"$kind\"" "$work/dom.html" | wc -l)
  [ "$n" -eq 1 ] || fail "$n study charts of kind $kind in the DOM, 1 expected"
done
grep -q '全実験をまとめた評価' "$work/dom.html" || fail "the pooled section is missing from the DOM"
grep -q '&lt;script&gt;alert(1)&lt;/script&gt;' "$work/dom.html" || fail "a memo's markup was not shown as text"

# The browser's network log: the page's own requests carry its file:// isolation key (the
# browser's background services use others); none of them may go anywhere but the file.
page_requests() {
  grep '"network_isolation_key":"file://' "$1" | grep -oE '"url":"[^"]*"' | grep -v '"url":"file://' || true
}
outside=$(page_requests "$work/net.json")
[ -z "$outside" ] || fail "requests left the page: $outside"
# The same check sees a page that does load something (so its silence above means something).
printf '<!DOCTYPE html><img src="http://probe.invalid/x.png">' >"$work/probe.html"
"${browser[@]}" --log-net-log="$work/probe.json" --dump-dom "file://$work/probe.html" >/dev/null 2>>"$work/chromium.log" || true
[ -n "$(page_requests "$work/probe.json")" ] || fail "the network log does not show a page's own requests"

"${browser[@]}" --screenshot="$work/shot.png" "$url" >/dev/null 2>>"$work/chromium.log" \
  || { cat "$work/chromium.log" >&2; fail "chromium could not take the screenshot"; }
colours=$(identify -format %k "$work/shot.png")
[ "$colours" -gt 50 ] || fail "the screenshot has $colours colours: blank"
echo "report-browser-test: ok ($(grep -o '<svg class="chart"' "$work/dom.html" | wc -l) charts, $colours colours in the screenshot)"
if [ -n "${SHOT_OUT:-}" ]; then
  mkdir -p "$(dirname "$SHOT_OUT")"
  cp "$work/shot.png" "$SHOT_OUT"
  echo "screenshot: $SHOT_OUT"
fi

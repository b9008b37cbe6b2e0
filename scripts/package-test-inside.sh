#!/bin/bash
# Runs inside the clean Debian 12 root of scripts/package-test.sh (as root there, with the
# package at /vora-test/vora.deb): installs it with apt-get as a user would, with nothing
# else, and tries both programs as an ordinary user.
#   package-test-inside.sh APP_ID
set -euo pipefail
app_id=$1
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

echo "-- apt-get install ./vora.deb (no recommends: Depends alone must be enough)"
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends /vora-test/vora.deb >/tmp/apt.log 2>&1 ||
  { tail -n 40 /tmp/apt.log; fail "apt-get install"; }
echo "   $(grep -c '^Setting up' /tmp/apt.log) packages set up"
dpkg-query -W -f='   ${Package} ${Version}\n' vora

echo "-- every library of the programs and of the Qt plugins they load"
missing=0
for f in /usr/bin/VORAjikken /usr/bin/vora-data $(find /usr/lib/*/qt6/plugins -name '*.so' 2>/dev/null); do
  if ldd "$f" | grep -q "not found"; then
    echo "   $f:"
    ldd "$f" | grep "not found"
    missing=1
  fi
done
[ "$missing" = 0 ] || fail "a library is missing"

# An ordinary user with a fresh home; nothing of the user's environment comes along.
home=/tmp/vora-home
runtime=/tmp/vora-runtime
rm -rf "$home" "$runtime"
mkdir -p "$home" "$runtime"
chown nobody:nogroup "$home" "$runtime"
chmod 700 "$runtime"
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}

echo "-- vora-data"
as_user vora-data --version || fail "vora-data --version"
# A sample experiment file: one run of 100 trials, 52 hits (11, 10, 9, 10, 12 by fifths).
targets=$(printf '1%.0s' {1..100})
inputs=$(printf '%s' "$(printf '1%.0s' {1..11})$(printf '0%.0s' {1..9})" \
  "$(printf '1%.0s' {1..10})$(printf '0%.0s' {1..10})" "$(printf '1%.0s' {1..9})$(printf '0%.0s' {1..11})" \
  "$(printf '1%.0s' {1..10})$(printf '0%.0s' {1..10})" "$(printf '1%.0s' {1..12})$(printf '0%.0s' {1..8})")
printf 'Sample    2026/12/08 14:30n52-11 10  9 10 12  0  0  0  0  0 %s %s\r\n' "$targets" "$inputs" \
  >"$home/Sample-0.txt"
chown nobody:nogroup "$home/Sample-0.txt"
# Japanese by default, English from the installed catalogue with VORA_LANG=en.
checked=$(cd "$home" && as_user vora-data check Sample-0.txt) || fail "vora-data check: $checked"
echo "   $checked"
[ "$checked" = "Sample-0.txt: ok（ラン 1 件）" ] || fail "vora-data check said: $checked"
checked=$(cd "$home" && as_user env VORA_LANG=en vora-data check Sample-0.txt) || fail "vora-data check: $checked"
echo "   $checked"
[ "$checked" = "Sample-0.txt: ok (1 runs)" ] || fail "vora-data check said in English: $checked"

echo "-- VORAjikken --version and --help with no display"
stamp=/tmp/vora-stamp
touch "$stamp"
sleep 1 # file times of anything written later differ from the stamp's
as_user VORAjikken --version || fail "VORAjikken --version"
as_user VORAjikken --help >/tmp/help.txt || fail "VORAjikken --help"
grep -q -- "--version" /tmp/help.txt || fail "VORAjikken --help says: $(cat /tmp/help.txt)"
[ -z "$(find "$home" -newer "$stamp")" ] || fail "--version or --help wrote: $(find "$home" -newer "$stamp")"

echo "-- VORAjikken started offscreen"
log=/tmp/vora-start.log
(cd "$home" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  QT_LOGGING_RULES="vora.startup.info=true" VORAjikken) >"$log" 2>&1 &
program=$!
up=""
for _ in $(seq 600); do
  if grep -q "vora.startup: main window shown" "$log"; then
    up=1
    break
  fi
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$up" ]; then
  cat "$log"
  fail "the main window did not come up"
fi
echo "   main window shown"
user_folder="$home/.local/share/vora"
for f in Jikkenmei.txt Combo1.txt yama1.jpg; do
  [ -s "$user_folder/$f" ] || { ls -la "$user_folder" || true; fail "first-start file missing: $user_folder/$f"; }
  [ "$(stat -c %U "$user_folder/$f")" = nobody ] || fail "$user_folder/$f is not the user's"
done
written=$(find /usr -newer "$stamp" -type f)
[ -z "$written" ] || fail "written beside the installed program: $written"
kill "$program"
wait "$program" 2>/dev/null || true
if grep -v "vora.startup: main window shown" "$log" | grep -q .; then
  echo "   the program also said:"
  sed 's/^/     /' "$log"
fi

echo "-- installed again over itself, then purged"
dpkg -i /vora-test/vora.deb >/dev/null || fail "installing over itself"
dpkg-query -L vora >/tmp/vora-files
apt-get purge -y -q vora >/dev/null || fail "apt-get purge"
left=""
while read -r f; do
  if [ -f "$f" ] || [ -L "$f" ]; then
    left="$left $f"
  fi
done </tmp/vora-files
[ -z "$left" ] || fail "left after purge:$left"
[ ! -e /usr/share/vora ] || fail "/usr/share/vora left after purge"
echo "   purged"

#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, validates its desktop entry and AppStream
# metainfo, and starts the installed program once under Xvfb as an ordinary user with a fresh
# home: the main window must appear and the per-user folder ~/.local/share/vora must get its
# first-start files, while nothing is written beside the installed program.
#   VORA_TEST_DISPLAY  X display number for the check (default 93)
#   KEEP_PACKAGE=1     leave the package installed afterwards
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
app_id=org.example.vora.VORAjikken
display_number="${VORA_TEST_DISPLAY:-93}"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libboost-math-dev fonts-ipafont-gothic
          qt6-translations-l10n desktop-file-utils appstream xvfb xdotool file)
./scripts/install-missing.sh "${packages[@]}"

echo "== building the package"
build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORA_BUILD_TESTS=OFF -DVORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vora_*.deb)
dpkg-deb --field "$deb" Package Version Depends

echo "== installing $deb"
# apt's download user must be able to read the file: install from a copy in /tmp.
staged=$(mktemp -d /tmp/vora-deb.XXXXXX)
cp "$deb" "$staged/"
chmod 755 "$staged"
chmod 644 "$staged"/*.deb
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$staged/$(basename "$deb")"
rm -rf "$staged"

echo "== validating"
desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
for f in /usr/bin/VORAjikken /usr/bin/vora-data /usr/share/vora/esphelp2.htm /usr/share/vora/yama1.jpg \
         "/usr/share/icons/hicolor/256x256/apps/$app_id.png"; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done
file "/usr/share/icons/hicolor/256x256/apps/$app_id.png" | grep -q "256 x 256"
man -w vora-data >/dev/null
/usr/bin/vora-data evaluate <<<"63 13 13 13 12 12" | grep -q '"flag":1'

echo "== first start of the installed program as an ordinary user"
home=$(mktemp -d /tmp/vora-home.XXXXXX)
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$home"
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
stamp=$(mktemp)
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$stamp"
}
trap cleanup EXIT
for _ in $(seq 50); do
  DISPLAY=":$display_number" xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done
(cd "$home" && exec env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY=":$display_number" LANG=C.UTF-8 \
  "${run_as[@]}" /usr/bin/VORAjikken) &
program_pid=$!
window=""
for _ in $(seq 150); do
  window=$(DISPLAY=":$display_number" xdotool search --onlyvisible --name '^VORA$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "the main window did not appear"
  exit 1
fi
echo "main window $window is up"
user_folder="$home/.local/share/vora"
for f in Jikkenmei.txt Combo1.txt yama1.jpg; do
  [ -s "$user_folder/$f" ] || { echo "first-start file missing: $user_folder/$f"; ls -la "$user_folder" || true; exit 1; }
done
if [ "$(id -u)" -eq 0 ]; then
  [ "$(stat -c %U "$user_folder/Jikkenmei.txt")" = nobody ]
fi
written=$(find /usr/bin /usr/share/vora -newer "$stamp" -type f 2>/dev/null || true)
if [ -n "$written" ]; then
  echo "written beside the installed program: $written"
  exit 1
fi
ls -l "$user_folder"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
rm -rf "$home"

if [ "${KEEP_PACKAGE:-0}" != 1 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y vora >/dev/null
fi
echo "package-test: ok"

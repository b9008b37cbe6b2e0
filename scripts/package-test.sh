#!/usr/bin/env bash
# The Debian package as a user gets it. Builds it from build/ (as the README says), checks it
# with lintian --pedantic (no error, no warning that is not overridden with a reason in
# assets/lintian-overrides), validates its desktop entry and AppStream metainfo, and installs
# it with apt-get into a clean Debian 12: a minbase root made by debootstrap with nothing else
# added, so that its Depends alone must bring every library it needs. There, as an ordinary
# user: `vora-data --version`, `vora-data check` on a sample file, `VORAjikken --version` and
# `--help` with no display, and VORAjikken started offscreen until its main window is up (its
# log line "vora.startup: main window shown"), with its first-start files in
# ~/.local/share/vora and nothing written beside the program. Last the package is installed
# again over itself and purged, which must leave none of its files.
#
#   BUILD_DIR           build tree to package (default build; configured and built when needed)
#   VORA_ROOT_CACHE     where the clean root is kept between runs, as a tar file remade when
#                       older than 30 days (default ~/.cache/vora-package-test)
#   VORA_DEBIAN_MIRROR  Debian archive (default http://deb.debian.org/debian)
#   KEEP_ROOT=1         leave the test's root in place afterwards (its path is printed)
# debootstrap, chroot and mounts need root: sudo is used when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
cache="${VORA_ROOT_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/vora-package-test}"
mirror="${VORA_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
suite=bookworm
started=$(date +%s)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libboost-math-dev libpq-dev pkg-config fonts-ipafont-gothic
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev dpkg-dev lintian desktop-file-utils appstream debootstrap)
./scripts/install-missing.sh "${packages[@]}"

echo "== building the package from $build"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/vora_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
deb=$(ls "$build"/vora_*.deb)
dpkg-deb --field "$deb" Package Version Section Depends Recommends
app_id=$(sed -n 's/^VORA_APP_ID:STRING=//p' "$build/CMakeCache.txt")

echo "== lintian --pedantic"
# Lintian refuses nothing as root but says it would rather not; its verdict is the same.
lintian --pedantic --display-info --fail-on error,warning "$deb"

echo "== desktop entry and metainfo"
contents=$(mktemp -d)
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$contents/usr/share/metainfo/$app_id.metainfo.xml"
rm -rf "$contents"

echo "== clean Debian 12 root"
mkdir -p "$cache"
tarball="$cache/$suite-minbase.tar"
(
  # One machine, one root being made: a second run waits for it.
  flock 9
  if [ ! -s "$tarball" ] || [ -n "$(find "$tarball" -mtime +30)" ]; then
    echo "-- debootstrap --variant=minbase $suite (kept in $tarball)"
    fresh="$cache/root.new"
    $sudo rm -rf --one-file-system "$fresh"
    t0=$(date +%s)
    $sudo debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
      { tail -n 30 "$cache/debootstrap.log"; exit 1; }
    echo "-- debootstrap took $(( $(date +%s) - t0 )) s"
    $sudo tar --numeric-owner -C "$fresh" -cf "$tarball.new" .
    $sudo mv "$tarball.new" "$tarball"
    $sudo rm -rf --one-file-system "$fresh"
  fi
) 9>"$cache/lock"

work=$(mktemp -d "${TMPDIR:-/tmp}/vora-root.XXXXXX")
root="$work/root"
cleanup() {
  if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "the test's root is kept in $root"
  else
    $sudo rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT
$sudo mkdir "$root"
$sudo tar --numeric-owner -C "$root" -xf "$tarball"
# The sources of an installed Debian 12: the release, its updates and its security updates.
security="${mirror%/debian}/debian-security"
printf 'deb %s %s main\ndeb %s %s-updates main\ndeb %s %s-security main\n' \
  "$mirror" "$suite" "$mirror" "$suite" "$security" "$suite" | $sudo tee "$root/etc/apt/sources.list" >/dev/null
$sudo mkdir "$root/vora-test"
$sudo cp "$deb" "$root/vora-test/vora.deb"
$sudo cp scripts/package-test-inside.sh "$root/vora-test/inside.sh"
# Downloaded packages are kept between runs, outside the root; the root gets only what apt
# installs.
mkdir -p "$cache/archives/partial"

echo "== installing and running in the clean root"
# Its own mount and process namespaces: /proc, the terminals dpkg logs through and the package
# cache are mounted for this run alone, and whatever the test starts ends with it. Runs on one
# machine take turns, as they share the package cache.
flock "$cache/lock" $sudo unshare --mount --fork --pid --mount-proc="$root/proc" bash -c '
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$2/dev/pts" &&
    mount --bind "$1" "$2/var/cache/apt/archives" &&
    exec chroot "$2" /bin/bash /vora-test/inside.sh "$3"' \
  unshare-chroot "$cache/archives" "$root" "$app_id"

echo "package-test: ok in $(( $(date +%s) - started )) s"

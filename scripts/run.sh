#!/usr/bin/env bash
# Sets everything up, builds, and starts VORA. Without a display it uses a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

app=build/app/VORAjikken
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$app"
fi
echo "No display found: starting VORA on a virtual display (Xvfb). Nothing will appear on screen;"
echo "run this command from a desktop session to see the window."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$app"

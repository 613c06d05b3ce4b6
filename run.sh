#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a display
# it starts the program on a virtual screen, saves a picture of its window to
# build/screenshot.png and ends it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh

program=build/frontend/velunor
screenshot=build/screenshot.png

has_display() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }

packages=("${BUILD_PACKAGES[@]}")
has_display || packages+=(xvfb xauth imagemagick x11-utils)
install_missing_packages "${packages[@]}"
configure_and_build

if has_display; then
  exec "$program"
fi

# On the virtual screen: wait for the window, give the first result time to
# appear, take the window's area of the screen, end the program.
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
  bash -s "$program" "$screenshot" <<'SCRIPT'
set -euo pipefail
program=$1
screenshot=$2
"$program" &
pid=$!
window_shown() { xwininfo -root -tree 2>/dev/null | grep -q '"velunor"'; }
for _ in $(seq 1 100); do
  window_shown && break
  kill -0 "$pid" 2>/dev/null || { echo "velunor ended before showing its window" >&2; exit 1; }
  sleep 0.1
done
window_shown || { echo "velunor showed no window within 10 s" >&2; kill "$pid"; exit 1; }
sleep 3
geometry=$(xwininfo -root -tree | grep '"velunor"' | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | grep '^794x714' | head -n 1)
import -window root -crop "${geometry:-794x714+234+49}" +repage "$screenshot"
kill "$pid"
wait "$pid" 2>/dev/null || true
SCRIPT
echo "Screenshot: $screenshot"

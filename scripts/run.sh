#!/usr/bin/env bash
# Installs what is missing, builds and starts pianopre.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
dir=$(./scripts/build.sh | tail -n 1)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
No display found. To run pianopre on a virtual display, start it under xvfb-run:
  xvfb-run -a -s "-screen 0 1280x1024x24" ./scripts/run.sh
(xvfb-run comes with the xvfb package that the set-up installs.)
MSG
  exit 1
fi
exec "./$dir/pianopre"

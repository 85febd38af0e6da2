#!/usr/bin/env bash
# Builds the program and runs it with the shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
dir=${VEK_BUILD_DIR:-build}
if [ -x "$dir/bin/vek" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$dir/bin/vek" "$@"
fi
# No desktop (or no GUI yet): show the analyser at work on a few words.
if [ $# -eq 0 ]; then set -- tlhIngan "Qapla'" jIyajbe\' "HIja'" puqpu\'wIj; fi
exec "$dir/bin/vek-analyze" "$@"

#!/usr/bin/env bash
# Configures and builds everything into build/ (or $VEK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=${VEK_BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_BUILD_GUI=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" "$@"

#!/usr/bin/env bash
# Runs the product: installs what is missing, builds the Windows client (its naming service built in) and opens
# it through Wine. Needs a display: without one, run it as `xvfb-run -a bash scripts/run.sh`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
if [[ -z "${DISPLAY:-}" ]]; then
    echo "run: no display. Start it in a virtual one: xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win64 --target namer -j "$(nproc)"
source scripts/wine-env.sh
# A Chinese locale for Wine: its edit boxes find no fallback font for Chinese text in other locales.
LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 exec wine build/win64/src/app/namer.exe "$@"

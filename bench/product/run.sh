#!/usr/bin/env bash
# Builds the Windows benchmark of the query to the shown result list and runs it under Wine in a virtual display.
# Needs the port of the built-in service address free.   bench/product/run.sh [--runs N] [--warm-up N]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
bash scripts/setup.sh
if [[ ! -f build/win64/CMakeCache.txt ]]; then
    cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
fi
cmake --build build/win64 --target product_bench -j "$(nproc)"
source scripts/wine-env.sh
xvfb-run -a -s "-screen 0 1024x768x24" wine build/win64/bench/product/product_bench.exe "$@"

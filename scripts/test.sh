#!/usr/bin/env bash
# Every test: installs what is missing, builds the native configuration (plain and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and the Windows cross build, and runs all their tests (the Windows ones under Wine
# in a virtual display), then makes the Windows package and runs the program end to end and from the package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
jobs=$(nproc)

configure() { # build-dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

echo "== native"
configure build/native
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== native with sanitizers"
configure build/asan -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j "$jobs" -LE no-sanitizer

echo "== fuzz targets (clang, libFuzzer, bounded runs)"
configure build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DNAMER_FUZZ_ONLY=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure -L fuzz -j "$jobs"

echo "== windows (cross build, run under Wine)"
configure build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
cmake --build build/win64 -j "$jobs"
source scripts/wine-env.sh
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win64 --output-on-failure -LE e2e

echo "== package, and namer.exe end to end in its own process (under Wine)"
bash scripts/package.sh --build-dir build/win64
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "status=0
    ctest --test-dir build/win64 --output-on-failure -L e2e || status=1
    bash tests/e2e/check_package.sh --build-dir build/win64 && exit \$status"

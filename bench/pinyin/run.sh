#!/usr/bin/env bash
# name_pinyin against pinyin-pro (Node.js) on the same 100,000 names, in one run: names per second and the ratio.
# Needs node and npm (pinyin-pro is installed into bench/pinyin/node_modules from package-lock.json).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
here="$root/bench/pinyin"
build="$root/build/native"
out="$root/bench/results/pinyin"
mkdir -p "$out"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target pinyin_bench
(cd "$here" && npm ci --no-audit --no-fund --silent)

"$build/bench/pinyin/pinyin_bench" --names-out="$out/names.txt" --benchmark_format=json >"$out/name_pinyin.json"
node "$here/pinyin_pro_bench.mjs" "$out/names.txt" 2 >"$out/pinyin_pro.json"

python3 - "$out/name_pinyin.json" "$out/pinyin_pro.json" <<'PY'
import json, sys
ours = json.load(open(sys.argv[1]))["benchmarks"][0]["names_per_second"]
theirs = json.loads(open(sys.argv[2]).read())["names_per_second"]
print(f"name_pinyin (C++):       {ours:14,.0f} names/s")
print(f"pinyin-pro (Node.js):    {theirs:14,.0f} names/s")
print(f"ratio:                   {ours / theirs:14.1f} x (goal: at least 10 x)")
PY

#!/bin/sh
# Builds the benchmarks and runs every program under bench/, printing their tables (ours, reference, ratio).
#   scripts/bench.sh [build-dir]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVIX_BUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
benches=""
for src in "$root"/bench/bench_*.cpp; do
    benches="$benches $(basename "$src" .cpp)"
done
# shellcheck disable=SC2086
cmake --build "$build" --target $benches -j"${JOBS:-2}"
echo "Machine: $(uname -sm), $(nproc) cores, $(sed -n 's/^model name\t*: //p' /proc/cpuinfo | head -n 1)"
for name in $benches; do
    exe=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
    [ -n "$exe" ] || { echo "$name: not built" >&2; continue; }
    echo
    echo "== $name"
    "$exe"
done

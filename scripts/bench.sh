#!/bin/sh
# Builds the benchmarks (Release) and runs every program under bench/, then prints one table of every case:
# our median, the reference's (measured in the same run), their ratio and the target. Each program's own
# output is kept in <build-dir>/bench-logs/.
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
cmake --build "$build" --target $benches -j"${JOBS:-2}" >/dev/null
logs="$build/bench-logs"
mkdir -p "$logs"
rows="$logs/rows.txt"
: >"$rows"
for name in $benches; do
    exe=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
    [ -n "$exe" ] || { echo "$name: not built" >&2; continue; }
    echo "running $name" >&2
    "$exe" >"$logs/$name.txt" 2>&1 || echo "$name: failed, see $logs/$name.txt" >&2
    grep '^@row|' "$logs/$name.txt" >>"$rows" || true
    # Page loading prints a plain table: N, ours ms, QUiLoader ms, ratio, two per-control columns, then the
    # load that parses (first load) and its ratio.
    if [ "$name" = bench_pages ] && ! grep -q '^@row|' "$logs/$name.txt"; then
        awk '$1 ~ /^[0-9]+$/ && NF >= 8 {
                 printf "@row|page load vs QUiLoader|N=%s, loaded again|%s|%s|ms|<= 0.7\n", $1, $2, $3
                 printf "@row|page load vs QUiLoader|N=%s, first load (parsed)|%s|%s|ms|<= 0.7\n", $1, $7, $3 }' \
            "$logs/$name.txt" >>"$rows"
    fi
done
echo "Machine: $(uname -sm), $(nproc) cores, $(sed -n 's/^model name\t*: //p' /proc/cpuinfo | head -n 1)," \
     "Qt $(qmake -query QT_VERSION 2>/dev/null || echo 5)"
echo
# A Markdown table, so it can go into the README as printed.
awk -F'|' '
    function line(g, c, o, r, u, q, t) {
        printf "| %-28s | %-48s | %9s | %9s | %-4s | %5s | %-17s |\n", g, c, o, r, u, q, t
    }
    BEGIN { line("group", "case", "ours", "reference", "unit", "ratio", "target")
            line("---", "---", "---:", "---:", "---", "---:", "---") }
    { ratio = ($5 + 0 > 0) ? sprintf("%.2f", $4 / $5) : "-"
      ref = ($5 + 0 > 0) ? sprintf("%.1f", $5) : "-"
      line($2, $3, sprintf("%.1f", $4), ref, $6, ratio, $7) }
' "$rows"

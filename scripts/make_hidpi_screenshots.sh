#!/usr/bin/env bash
# Writes the README's 2x screenshots of the demo and the designer (device pixel ratio 2, offscreen) to
# docs/screenshots/.
#
#   scripts/make_hidpi_screenshots.sh      build dir: $TAVIX_BUILD_DIR or ./build
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${TAVIX_BUILD_DIR:-build}
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tavix-demo tavix-designer --parallel "$(nproc)"

appdir="$build/app/demo"
[ "${build:0:1}" = "/" ] || appdir="$root/$appdir"
out="$root/docs/screenshots"
mkdir -p "$out"
cd "$appdir"
# One section per theme, each showing a different family.
shots=("theme1 Buttons" "theme2 Slider" "theme3 ComboBox")
for shot in "${shots[@]}"; do
    read -r theme section <<<"$shot"
    file="$out/$theme-${section,,}@2x.png"
    QT_QPA_PLATFORM=offscreen ./tavix-demo --theme "./$theme" --section "$section" --scale 2 --screenshot "$file" \
        2>/dev/null
    echo "make_hidpi_screenshots.sh: $file ($(stat -c %s "$file") bytes)"
done

# The designer with its sample page and ribbon.
designer="$build/app/designer"
[ "${build:0:1}" = "/" ] || designer="$root/$designer"
file="$out/designer@2x.png"
QT_QPA_PLATFORM=offscreen "$designer/tavix-designer" --open "$root/app/designer/samples/welcome.json" \
    --ribbon "$root/app/designer/samples/ribbon.json" --scale 2 --screenshot "$file" 2>/dev/null
echo "make_hidpi_screenshots.sh: $file ($(stat -c %s "$file") bytes)"

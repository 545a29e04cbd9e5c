#!/usr/bin/env bash
# Builds the demo and starts the dashboard. On a fresh Debian 12 machine it first installs what is missing.
# Without a display it writes a screenshot of every section in each of the three themes instead.
#
#   scripts/run.sh            build dir: $TAVIX_BUILD_DIR or ./build
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(build-essential cmake ninja-build ccache pkg-config qtbase5-dev libqt5svg5-dev
          libjsoncpp-dev zlib1g-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "run.sh: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build=${TAVIX_BUILD_DIR:-build}
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tavix-demo --parallel "$(nproc)"

# The build puts theme1..3 beside the executable; the demo loads "./theme1" from its working directory.
appdir="$root/$build/app/demo"
[ "${build:0:1}" = "/" ] && appdir="$build/app/demo"
for t in theme1 theme2 theme3; do
    [ -d "$appdir/$t" ] || echo "run.sh: warning: $appdir/$t is missing (themes/$t not in this checkout)" >&2
done

has_display() {
    [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
    [ -n "${DISPLAY:-}" ] || return 1
    command -v xdpyinfo >/dev/null 2>&1 || return 0
    xdpyinfo >/dev/null 2>&1
}

if [ "${QT_QPA_PLATFORM:-}" != "offscreen" ] && has_display; then
    cd "$appdir"
    exec ./tavix-demo "$@"
fi

echo "run.sh: no display found; writing screenshots instead of opening the window."
out="$root/screenshots"
mkdir -p "$out"
sections=(Dashboard Buttons Label List Grids Tree GroupBox Slider ProgressBar Image Spin Switch Tab ComboBox)
cd "$appdir"
count=0
for t in theme1 theme2 theme3; do
    [ -d "$t" ] || continue
    for s in "${sections[@]}"; do
        QT_QPA_PLATFORM=offscreen ./tavix-demo --theme "./$t" --section "$s" --screenshot "$out/$t-$s.png" \
            2>/dev/null
        count=$((count + 1))
    done
    QT_QPA_PLATFORM=offscreen ./tavix-demo --theme "./$t" --collapsed --screenshot "$out/$t-collapsed.png" \
        2>/dev/null
    count=$((count + 1))
done
echo "run.sh: $count screenshots in $out"

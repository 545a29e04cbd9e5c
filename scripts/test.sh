#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, configures, builds and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build ccache pkg-config qtbase5-dev libqt5svg5-dev
          qttools5-dev libjsoncpp-dev zlib1g-dev fonts-dejavu-core doxygen)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build=${TAVIX_BUILD_DIR:-build}
# Let ccache share objects between clones in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)")

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer. Leak checking is off: Qt's
# platform plugins keep allocations until exit. The install tests need uninstrumented consumers.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
cmake --build "$build-asan" --parallel "$(nproc)"
(cd "$build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --parallel "$(nproc)" -E '^install')

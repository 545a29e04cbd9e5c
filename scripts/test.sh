#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, configures, builds and runs every test with CTest:
# on Qt 5, on Qt 5 under the sanitizers, and on Qt 6.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build ccache pkg-config qtbase5-dev libqt5svg5-dev
          qttools5-dev libjsoncpp-dev zlib1g-dev fonts-dejavu-core doxygen)
# The Qt 6 run (last stage) is on unless TAVIX_TEST_QT6=0.
qt6=${TAVIX_TEST_QT6:-1}
if [ "$qt6" != 0 ]; then
    packages+=(qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools libgl-dev)
fi
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
# This stage and the Qt 6 one build as unity builds, which keeps a cold run within CI's time.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
cmake --build "$build-asan" --parallel "$(nproc)"
(cd "$build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --parallel "$(nproc)" -E '^install')

# The same suite against Qt 6, install tests included; unoptimised, as optimised code is the Qt 5 run's.
if [ "$qt6" != 0 ]; then
    cmake -S . -B "$build-qt6" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DCMAKE_UNITY_BUILD=ON \
        -DTAVIX_QT_MAJOR=6
    cmake --build "$build-qt6" --parallel "$(nproc)"
    (cd "$build-qt6" && ctest --output-on-failure --parallel "$(nproc)")
fi

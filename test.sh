#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless; then builds
# the tests again under AddressSanitizer and UndefinedBehaviorSanitizer and runs them
# there too, where any report fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-packages.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
(cd build && ctest --output-on-failure --timeout 600 -j "$(nproc)")

# Lightly optimised and with line tables only: the sanitizers' checks stay the same and
# this build takes little more than half the time of a full one.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVT_SANITIZE=ON
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure --timeout 900 -j "$(nproc)")

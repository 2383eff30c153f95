#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Its program folder, where
# the lists and "options.opt" are kept, is the folder of the built executable.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vesktunelo
exec build/mainform/vesktunelo "$@"

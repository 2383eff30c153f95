#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Its program folder, where
# the lists, "options.opt" and the help documents are kept, is the folder of the built
# executable.
set -euo pipefail
cd "$(dirname "$0")"
# xdg-utils carries xdg-open, through which Play reaches the desktop's default player.
bash tools/install-packages.sh xdg-utils
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vesktunelo
exec build/mainform/vesktunelo "$@"

#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, and those named as
# arguments (what only the running program needs). Asks apt only when something is
# missing, so a prepared machine starts at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libjpeg-dev
  # The build lays out the PDF documents with Qt, which needs a font to draw with.
  fonts-dejavu-core
  xvfb xauth
  # The program test finds and closes a second copy's message box through xcb.
  libxcb1-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

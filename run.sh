#!/usr/bin/env bash
# Installs what is missing, builds, and starts KelmoTimes.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
kelmo_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
exec build/kelmo-cli "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, and starts KelmoTimes.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
kelmo_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
# The desktop program needs a display; without one, today's prayer times go to the terminal.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec build/kelmo-cli prayer
fi
exec build/Kelmo "$@"

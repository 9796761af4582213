#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh              Release build in build/
#   ./test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
#   ./test.sh --fuzz       libFuzzer targets of tests/fuzz (clang) in build-fuzz/, 60 s each
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
kelmo_install_deps

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=Release)
case "${1:-}" in
    --sanitize) build_dir=build-sanitize
                cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMO_SANITIZE=ON) ;;
    --fuzz) exec tools/run_fuzzers.sh ;;
    "") ;;
    *) echo "usage: ./test.sh [--sanitize|--fuzz]" >&2; exit 2 ;;
esac

cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"

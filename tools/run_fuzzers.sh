#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for KELMO_FUZZ_SECONDS (default 60)
# seconds, starting from its seed corpus tests/fuzz/corpus/<name>. New inputs and crash
# reproducers stay in build-fuzz/. Called by ./test.sh --fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install_deps.sh
kelmo_install_deps "${kelmo_fuzz_packages[@]}"

build_dir=build-fuzz
seconds=${KELMO_FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMO_FUZZ=ON

targets=()
for source in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"

for fuzzer in "${targets[@]}"; do
    name=${fuzzer%_fuzz}
    mkdir -p "$build_dir/corpus/$name" "$build_dir/crashes"
    # Kelmo.cfg inputs must be able to hold more than 2000 location lines.
    max_len=4096
    case $name in config_*) max_len=131072 ;; esac
    echo "== $fuzzer for $seconds s"
    "$build_dir/$fuzzer" -max_total_time="$seconds" -max_len="$max_len" \
        -artifact_prefix="$build_dir/crashes/$name-" \
        "$build_dir/corpus/$name" "tests/fuzz/corpus/$name"
done
echo "fuzzing done: no crash and no sanitizer report"

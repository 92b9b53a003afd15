#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs each for a bounded time. Fails when a target crashes or finds a fault.
# Usage: bash tests/fuzz/run.sh [seconds each, default 60]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${VEXA_FUZZ_BUILD_DIR:-$root/build-fuzz}"
bash "$root/scripts/setup.sh" test
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVEXA_FUZZ=ON -DVEXA_SANITIZE=ON \
    -DVEXA_WERROR=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_header fuzz_picture_name fuzz_command fuzz_settings_text -j 2
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for target in fuzz_header fuzz_picture_name fuzz_command fuzz_settings_text; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target, ${seconds} s"
    status=0
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" \
        >"$log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)|ERROR|SUMMARY" "$log" || true
    if [ "$status" -ne 0 ]; then
        echo "== $target failed with status $status:"
        tail -n 40 "$log"
        exit 1
    fi
done

#!/usr/bin/env bash
# Builds in release mode and runs every benchmark, printing one table:
# figure, this program, baseline, ratio, target.
# Usage: bash bench/run.sh [seconds the About window stays open, default 10]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BENCH_BUILD_DIR:-$root/build-release}"
bash "$root/scripts/setup.sh" >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target benchmarks -j 2 >&2

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
rows="$(mktemp)"
trap 'rm -f "$rows"' EXIT
for bench in bench_startup bench_browse bench_launch; do
    "$build/bench/$bench" | grep '^ROW' >> "$rows"
done
"$build/bench/bench_about" "${1:-10}" | grep '^ROW' >> "$rows"

printf '| %s | %s | %s | %s | %s |\n' figure "this program" baseline ratio target
printf '|---|---|---|---|---|\n'
cut -f2- "$rows" | awk -F'\t' '{ printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }'

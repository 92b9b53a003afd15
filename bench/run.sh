#!/usr/bin/env bash
# Builds in release mode and runs every benchmark, printing one table:
# figure, this program, baseline, ratio, target. Start-up is timed through the
# X server; without a DISPLAY the measuring runs under xvfb-run.
# Usage: bash bench/run.sh [seconds the About window stays open, default 10] [start-up rounds, default 25]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BENCH_BUILD_DIR:-$root/build-release}"
if [ -z "${VEXA_BENCH_BUILT:-}" ]; then
    # xvfb, xauth and libxcb1-dev come with the test packages.
    bash "$root/scripts/setup.sh" test >&2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target benchmarks -j 2 >&2
fi
if [ -z "${DISPLAY:-}" ]; then
    export VEXA_BENCH_BUILT=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "${BASH_SOURCE[0]}" "$@"
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
rows="$(mktemp)"
trap 'rm -f "$rows"' EXIT
"$build/bench/bench_startup" "$build/vexa-launcher" "$build/bench/startup_bare" "$build/bench/startup_label" "${2:-25}" | grep '^ROW' >> "$rows"
for bench in bench_browse bench_archives bench_launch; do
    "$build/bench/$bench" | grep '^ROW' >> "$rows"
done
"$build/bench/bench_about" "${1:-10}" | grep '^ROW' >> "$rows"

printf '| %s | %s | %s | %s | %s |\n' figure "this program" baseline ratio target
printf '|---|---|---|---|---|\n'
cut -f2- "$rows" | awk -F'\t' '{ printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }'

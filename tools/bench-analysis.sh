#!/usr/bin/env bash
# Builds the native optimised configuration and runs the page analysis
# benchmark: ours against std::regex and PCRE2 (interpreted and JIT).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
cmake --preset bench -S "$root" >/dev/null
cmake --build "$root/build/bench" --target analysis_bench -j2
exec "$root/build/bench/bench/analysis/analysis_bench" --benchmark_min_time=0.2 "$@"

#!/usr/bin/env bash
# Installs what is missing, builds both configurations, runs every test (the
# Windows ones under Wine), then fuzzes the page analysis for a bounded time.
# Exits non-zero if anything failed. Works from any directory.
#
#   QUILLON_FUZZ_SECONDS   length of the fuzz run (default 60, 0 skips it)
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
started=$(date +%s)
fuzz_seconds=${QUILLON_FUZZ_SECONDS:-60}

passed=0
failed=0
problems=()

note_failure() {
    problems+=("$1")
    failed=$((failed + 1))
}

# Runs a step with its output in a log, shown only when the step fails.
quiet_step() {
    local name=$1 log=$2
    shift 2
    mkdir -p "$(dirname "$log")"
    local t0=$(date +%s)
    echo "$name ..."
    if "$@" >"$log" 2>&1; then
        echo "$name: ok ($(($(date +%s) - t0)) s)"
        return 0
    fi
    echo "$name: FAILED, last lines of $log:"
    tail -n 150 "$log"
    return 1
}

# The Wine session is normally stopped by the last test; this covers an
# interrupted run.
trap 'bash cmake/wine-test.sh stop build/windows >/dev/null 2>&1' EXIT

bash tools/install-deps.sh || { echo "installing the dependencies failed"; exit 1; }

for preset in windows native; do
    log_dir=build/logs
    if ! quiet_step "configure $preset" "$log_dir/configure-$preset.log" cmake --preset "$preset"; then
        note_failure "configure $preset"
        continue
    fi
    if ! quiet_step "build $preset" "$log_dir/build-$preset.log" cmake --build --preset "$preset"; then
        note_failure "build $preset"
        continue
    fi
    echo "== tests: $preset"
    ctest_log="$log_dir/ctest-$preset.log"
    ctest --preset "$preset" </dev/null 2>&1 | tee "$ctest_log"
    ctest_status=${PIPESTATUS[0]}
    # "100% tests passed, 0 tests failed out of 12"
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$ctest_log" | tail -n1)
    if [ -n "$summary" ]; then
        n_failed=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        n_total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        passed=$((passed + n_total - n_failed))
        failed=$((failed + n_failed))
        [ "$n_failed" -eq 0 ] || problems+=("tests $preset")
    fi
    if [ "$ctest_status" -ne 0 ] && { [ -z "$summary" ] || [ "$n_failed" -eq 0 ]; }; then
        note_failure "ctest $preset (exit $ctest_status)"
    fi
done

fuzzer=build/native/tests/fuzz/fuzz_analysis
if [ "$fuzz_seconds" -gt 0 ] && [ -x "$fuzzer" ]; then
    fuzz_dir=build/native/fuzz
    mkdir -p "$fuzz_dir/corpus" "$fuzz_dir/artifacts"
    rm -rf "$fuzz_dir/seeds"
    mkdir -p "$fuzz_dir/seeds"
    # The sample pages, as inputs of the page mode (first byte 2).
    for f in tests/data/*; do
        [ -f "$f" ] && { printf '\002'; cat "$f"; } >"$fuzz_dir/seeds/page-$(basename "$f")"
    done
    echo "== fuzz: $fuzzer for $fuzz_seconds s"
    if ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$fuzz_dir/artifacts/" -print_final_stats=1 \
            "$fuzz_dir/corpus" "$fuzz_dir/seeds" </dev/null >"$fuzz_dir/fuzz.log" 2>&1; then
        passed=$((passed + 1))
        grep -E '^Done [0-9]+ runs' "$fuzz_dir/fuzz.log"
        echo "fuzz: nothing found, corpus $(find "$fuzz_dir/corpus" -type f | wc -l) inputs"
    else
        note_failure "fuzz"
        echo "fuzz: FAILED, last lines of $fuzz_dir/fuzz.log:"
        tail -n 80 "$fuzz_dir/fuzz.log"
        echo "reproduce with: $fuzzer $fuzz_dir/artifacts/<file>"
    fi
elif [ "$fuzz_seconds" -gt 0 ]; then
    note_failure "fuzz (no fuzz target built)"
fi

echo
echo "test.sh took $(($(date +%s) - started)) s"
if [ "${#problems[@]}" -gt 0 ]; then
    echo "failed: ${problems[*]}"
fi
echo "summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "${#problems[@]}" -eq 0 ]

#!/usr/bin/env bash
# Builds the fuzzers (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each on its seed corpus and its past crashes. Fails on any crash,
# sanitizer report, leak or timeout.
#   tools/fuzz.sh [seconds-per-target] [build-dir]
#   tools/fuzz.sh --corpus [build-dir]   rewrites fuzz/corpus/ from the generator
# FUZZ_TARGETS="a b" picks targets; FUZZ_JOBS sets the build's parallelism.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

regenerate=0
if [[ ${1:-} == --corpus ]]; then
    regenerate=1
    shift
    seconds=0
else
    seconds=${1:-20}
fi
build=$(realpath -m "${2:-$root/build-fuzz}")

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTAVLION_FUZZ=ON -DTAVLION_BUILD_TESTS=OFF -DTAVLION_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j"${FUZZ_JOBS:-2}"

if ((regenerate)); then
    rm -rf "$root/fuzz/corpus"
    "$build/fuzz/fuzz_corpus_gen" "$root/fuzz/corpus" "$root"
    echo "fuzz/corpus rewritten"
    exit 0
fi

targets=${FUZZ_TARGETS:-$(cd "$root/fuzz" && ls ./*_fuzzer.cpp | sed 's|^\./||; s|_fuzzer\.cpp$||')}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in $targets; do
    fuzzer="$build/fuzz/${target}_fuzzer"
    if [[ ! -x $fuzzer ]]; then
        echo "== $target: not built" >&2
        failed+=("$target")
        continue
    fi
    # The engine writes its report file into the current directory.
    run="$work/$target"
    mkdir -p "$run/corpus"
    log="$run/log"
    regressions="$root/fuzz/regressions/$target"
    status=0
    (
        cd "$run"
        if [[ -d $regressions ]] && compgen -G "$regressions/*" >/dev/null; then
            "$fuzzer" -runs=0 "$regressions"/* >"$log" 2>&1 || exit 1
        fi
        "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
            -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
            corpus "$root/fuzz/corpus/$target" >>"$log" 2>&1
    ) || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if ((status != 0)); then
        echo "== $target: FAILED (exit $status), input in $artifacts" >&2
        grep -E -A30 'ERROR|runtime error|property broken' "$log" | head -60 >&2 || tail -40 "$log" >&2
        failed+=("$target")
    else
        echo "== $target: ok, ${runs:-?} runs in ${seconds}s"
    fi
done

if ((${#failed[@]})); then
    echo "fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
echo "all fuzz targets passed"

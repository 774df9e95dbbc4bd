# The libFuzzer targets of fuzz/: building them with clang and running them. Sourced after common.sh.
# shellcheck shell=bash

FUZZ_BUILD=$QUORRIN_BUILD/fuzz
# clang, and its runtime libraries, where libFuzzer and the sanitizers live (libclang-rt-14-dev on Debian 12).
FUZZ_PACKAGES=(cmake ninja-build clang libclang-rt-dev)
FUZZ_TARGETS=(fuzz_line_reader fuzz_reg_file fuzz_leading_number fuzz_wine_registry)

# Builds the fuzz targets in $FUZZ_BUILD, every library with their sanitizers; the rest is left out.
build_fuzzers() {
    ensure_packages "${FUZZ_PACKAGES[@]}"
    say "Building the fuzz targets in $FUZZ_BUILD"
    cmake -S "$QUORRIN_ROOT" -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQUORRIN_BUILD_FUZZERS=ON \
        -DQUORRIN_BUILD_QT=OFF -DQUORRIN_BUILD_TESTS=OFF -DQUORRIN_BUILD_BENCH=OFF >/dev/null
    cmake --build "$FUZZ_BUILD" -j "$(nproc)" --target fuzzers || die "the fuzz targets did not build"
}

# Runs fuzz target NAME on the corpus folder CORPUS, where it keeps the new inputs, with libFuzzer's options
# after that. Prints the runs done and whether anything was found; an input that breaks a property or crashes
# is kept in $FUZZ_BUILD/findings. Fails when the target found something.
run_fuzzer() {
    local name=$1 corpus=$2 log status=0 started=$SECONDS runs rate
    shift 2
    log=$FUZZ_BUILD/logs/$name.log
    mkdir -p "$FUZZ_BUILD/findings" "$FUZZ_BUILD/logs"
    say "Fuzzing $name $*"
    "$FUZZ_BUILD/fuzz/$name" "$@" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$FUZZ_BUILD/findings/$name-" "$corpus" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    # 72: libFuzzer was interrupted (SIGINT to the target alone), which stops a run early without a finding.
    if [ "$status" -eq 0 ] || [ "$status" -eq 72 ]; then
        printf '%s: %s runs in %d s (%s/s), nothing found%s\n' "$name" "${runs:-?}" $((SECONDS - started)) \
            "${rate:-?}" "$([ "$status" -eq 72 ] && echo ' (stopped early)')"
        return 0
    fi
    printf '%s: FOUND a fault after %s runs (exit %d); input: %s; log: %s\n' "$name" "${runs:-?}" "$status" \
        "$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)" "$log"
    grep -E '^(property broken|==[0-9]+== ?ERROR|SUMMARY)|runtime error' "$log" | head -n 5 >&2 || true
    return 1
}

# Fills CORPUS with the seeds of fuzz target NAME from the tree, keeping what it holds already.
seed_corpus() {
    mkdir -p "$2"
    cp -n "$QUORRIN_ROOT/fuzz/corpus/$1"/* "$2/"
}

# A short run of every fuzz target, on a fresh copy of its seeds outside the tree: fails on any finding.
run_fuzz_smoke() {
    local name failed=()
    build_fuzzers
    for name in "${FUZZ_TARGETS[@]}"; do
        rm -rf "$FUZZ_BUILD/smoke-corpus/$name"
        seed_corpus "$name" "$FUZZ_BUILD/smoke-corpus/$name"
        run_fuzzer "$name" "$FUZZ_BUILD/smoke-corpus/$name" -max_total_time="${FUZZ_SMOKE_SECONDS:-20}" \
            || failed+=("$name")
    done
    [ ${#failed[@]} -eq 0 ] || die "the fuzz targets found faults: ${failed[*]} (inputs in $FUZZ_BUILD/findings)"
}

# The Linux build and its whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# Sourced after common.sh.
# shellcheck shell=bash

# Every report stops the program that makes it, so the test it came from fails. Leaks are checked at exit.
SANITIZE_ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:strict_string_checks=1
SANITIZE_ASAN_OPTIONS+=:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
SANITIZE_UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Builds the program, the Qt front end and every test with both sanitizers in $QUORRIN_BUILD/asan and runs
# the suite there. Debug (-O0) builds fastest, keeps every variable for the reports and adds the standard
# library's own checks. Runs in a subshell: the sanitizer options do not outlive it.
run_sanitized_tests() (
    local build=$QUORRIN_BUILD/asan
    ensure_packages "${BUILD_PACKAGES[@]}"
    # Set for the build too: listing the tests runs each test program.
    export ASAN_OPTIONS=$SANITIZE_ASAN_OPTIONS UBSAN_OPTIONS=$SANITIZE_UBSAN_OPTIONS
    say "Building with AddressSanitizer and UndefinedBehaviorSanitizer in $build"
    cmake -S "$QUORRIN_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DQUORRIN_SANITIZE=address,undefined -DQUORRIN_BUILD_QT=ON -DQUORRIN_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)"
    say "Running the tests under the sanitizers"
    # The checks of the scripts and sources (label script) run no compiled code, and the package (label
    # package) is made from the plain build: the plain run has them.
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300 -LE "script|package" \
        || die "the tests failed under the sanitizers (build in $build)"
)

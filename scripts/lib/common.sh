# Shared by scripts/demo and scripts/test: installs what is missing and builds.
# shellcheck shell=bash

QUORRIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUORRIN_BUILD=${QUORRIN_BUILD:-$QUORRIN_ROOT/build}

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Installs the Debian/Ubuntu packages given that are not installed yet.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    command -v apt-get >/dev/null || die "these packages are missing and there is no apt-get to install them: ${missing[*]}"
    local sudo_=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || die "installing ${missing[*]} needs root: run as root or install sudo"
        sudo_=(sudo)
    fi
    say "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! "${sudo_[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; then
        "${sudo_[@]}" apt-get update >/dev/null || die "apt-get update failed"
        "${sudo_[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null \
            || die "could not install: ${missing[*]}"
    fi
}

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core)

configure_and_build() {
    ensure_packages "${BUILD_PACKAGES[@]}"
    say "Building in $QUORRIN_BUILD"
    cmake -S "$QUORRIN_ROOT" -B "$QUORRIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$QUORRIN_BUILD" -j "$(nproc)" "$@"
}

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 wine)
WINDOWS_TEST_TIME_LIMIT=${WINDOWS_TEST_TIME_LIMIT:-600} # seconds for the whole Wine part

# True when every package given is installed.
packages_installed() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || return 1
    done
}

# Cross-builds the core and its Windows pieces with mingw-w64 in $QUORRIN_BUILD/windows and runs their tests
# under Wine, in a Wine prefix of their own. Where the tools cannot be installed (no apt-get, no root), it
# says so and returns success, so that the rest of the run counts; where they are, a failing test fails.
# Runs in a subshell: the Wine server it starts is stopped when it ends, however it ends.
run_windows_tests() (
    local build=$QUORRIN_BUILD/windows
    if ! packages_installed "${WINDOWS_PACKAGES[@]}"; then
        if ! command -v apt-get >/dev/null || { [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; }; then
            say "SKIPPING the Windows tests: ${WINDOWS_PACKAGES[*]} are missing and cannot be installed here (no apt-get or no root)"
            exit 0
        fi
        ensure_packages "${WINDOWS_PACKAGES[@]}"
    fi

    say "Cross-building the Windows pieces in $build"
    cmake -S "$QUORRIN_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$QUORRIN_ROOT/cmake/mingw-w64-x86_64.cmake" -DQUORRIN_BUILD_QT=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)"

    say "Running the Windows tests under Wine"
    # Wine adds nothing to the desktop's menus from these runs.
    export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
    mkdir -p "$WINEPREFIX"
    # The server and the prefix's start-up programs keep whatever output they inherit open; started here,
    # detached from every stream, they never hold CTest's pipes.
    trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
    # A server left running for this prefix (an earlier run that was cut short) is used as it is.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || die "Wine did not start (prefix $WINEPREFIX)"
    # The window tests run without a display: Wine's null graphics driver.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    # The desktop process took its driver when the prefix started; a fresh server starts it again with
    # the null one (on a new prefix it has none to fall back on without a display).
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1 || true
    timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || die "Wine did not start again (prefix $WINEPREFIX)"
    timeout --kill-after=10 "$WINDOWS_TEST_TIME_LIMIT" \
        ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 120 \
        || die "the Windows tests failed or did not finish within ${WINDOWS_TEST_TIME_LIMIT} s"
)

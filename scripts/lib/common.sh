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

# Installs the tools that make and check the Debian package of the Linux program.
ensure_package_tools() {
    ensure_packages dpkg-dev lintian desktop-file-utils appstream
}

# Makes the Debian package of the Linux program in the configured build folder BUILD and prints its path.
make_debian_package() {
    local build=$1 out deb
    "${CMAKE:-cmake}" --build "$build" --target quorrin linux_package_documents >/dev/null
    out=$(cd "$build" && "${CPACK:-cpack}" -G DEB 2>&1) || { printf '%s\n' "$out" >&2; die "cpack failed in $build"; }
    deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$out")
    [ -f "$deb" ] || { printf '%s\n' "$out" >&2; die "cpack made no package in $build"; }
    printf '%s\n' "$deb"
}

WINDOWS_TEST_TIME_LIMIT=${WINDOWS_TEST_TIME_LIMIT:-600} # seconds for the Wine part of one build

# True when every package given is installed.
packages_installed() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || return 1
    done
}

# True when packages can be installed here: apt-get, and root or sudo.
can_install_packages() {
    command -v apt-get >/dev/null && { [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; }
}

# True when this machine's kernel runs 32-bit x86 programs, as Wine's 32-bit part is. Some kernels are built
# without that, and there wine32:i386 must not be installed: /usr/bin/wine would then pick its 32-bit loader
# for every program and fail for the 64-bit ones too. The probe is the smallest such program: it exits with 0.
kernel_runs_i386() {
    local probe status=0
    probe=$(mktemp) || return 1
    # ELF header, one loadable segment, then: mov eax, 1 (exit); xor ebx, ebx; int 0x80.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$probe"
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
    printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
    printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return $status
}

# Lets dpkg take the 32-bit x86 packages that Wine's 32-bit part comes in.
ensure_i386_architecture() {
    dpkg --print-foreign-architectures | grep -qx i386 && return 0
    say "Adding the i386 architecture to dpkg, for Wine's 32-bit part"
    if [ "$(id -u)" -eq 0 ]; then dpkg --add-architecture i386; else sudo dpkg --add-architecture i386; fi
}

# Configures the mingw-w64 cross build for ARCH (x86_64 or i686) in BUILD and builds it: everything, or the
# targets given after BUILD.
build_windows() {
    local arch=$1 build=$2 targets=()
    shift 2
    [ $# -eq 0 ] || targets=(--target "$@")
    say "Cross-building the $arch Windows pieces in $build"
    cmake -S "$QUORRIN_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$QUORRIN_ROOT/cmake/mingw-w64-$arch.cmake" -DQUORRIN_BUILD_QT=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" "${targets[@]}"
}

# The Wine loader for prefixes of WINEARCH (win64 or win32). Debian's `wine` command takes the 32-bit loader
# whenever Wine's 32-bit part is installed, and that one cannot start a 64-bit prefix ("could not load
# kernel32.dll"): the 64-bit loader is called by its own path.
wine_loader() {
    if [ "$1" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
        echo /usr/lib/wine/wine64
    else
        command -v wine
    fi
}

# Makes (or takes up again) the Wine prefix PREFIX of WINEARCH (win64 or win32) with its windows on Wine's
# null graphics driver, so that no display is needed, and leaves its server running; fails when Wine does not
# start. Exports WINEPREFIX, WINE (the loader to run programs in it with) and the settings every run in it
# shares; the caller stops the server (wineserver -k) when it is done.
start_wine_prefix() {
    # Wine adds nothing to the desktop's menus from these runs. WINELOADER starts the prefix's own programs.
    export WINEPREFIX=$1 WINEARCH=$2 WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
    WINE=$(wine_loader "$2") || return 1
    export WINE WINELOADER=$WINE
    mkdir -p "$WINEPREFIX"
    # The server and the prefix's start-up programs keep whatever output they inherit open; started here,
    # detached from every stream, they never hold the caller's pipes. A server left running for this prefix
    # (an earlier run that was cut short) is used as it is.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    timeout 120 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || return 1
    # Windows without a display: Wine's null graphics driver.
    "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    # The desktop process took its driver when the prefix started; a fresh server starts it again with
    # the null one (on a new prefix it has none to fall back on without a display).
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1 || true
    timeout 120 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

# Cross-builds the core and its Windows pieces with mingw-w64 for ARCH (x86_64, the default, in
# $QUORRIN_BUILD/windows; or i686, in $QUORRIN_BUILD/windows32) and runs their tests under Wine, in a Wine
# prefix of their own (a 32-bit one for i686, as on a 32-bit Windows machine). Where the tools cannot be
# installed (no apt-get, no root), it says so and returns success, so that the rest of the run counts; where
# they are, a failing test fails. Where the kernel cannot run Wine's 32-bit part, the i686 program and its
# packages are still built and its imports checked, and it says that the Wine tests were skipped.
# Runs in a subshell: the Wine server it starts is stopped when it ends, however it ends.
run_windows_tests() (
    local arch=${1:-x86_64} build packages with_wine=1 winearch
    case $arch in
    x86_64)
        build=$QUORRIN_BUILD/windows
        packages=(g++-mingw-w64-x86-64-posix nsis wine64 wine)
        winearch=win64
        ;;
    i686)
        build=$QUORRIN_BUILD/windows32
        packages=(g++-mingw-w64-i686-posix nsis)
        winearch=win32 # as on a 32-bit Windows machine
        if kernel_runs_i386; then packages+=(wine32:i386 wine); else with_wine=; fi
        ;;
    *) die "run_windows_tests: no such architecture: $arch" ;;
    esac
    if ! packages_installed "${packages[@]}"; then
        if ! can_install_packages; then
            say "SKIPPING the $arch Windows tests: ${packages[*]} are missing and cannot be installed here (no apt-get or no root)"
            exit 0
        fi
        [[ " ${packages[*]} " = *:i386* ]] && ensure_i386_architecture
        ensure_packages "${packages[@]}"
    fi

    build_windows "$arch" "$build"

    if [ -z "$with_wine" ]; then
        cmake --build "$build" --target windows-packages >/dev/null
        OBJDUMP=i686-w64-mingw32-objdump bash "$QUORRIN_ROOT/tests/windows/check-imports.sh" \
            "$build/src/ui/win32/quorrin.exe" i386
        say "SKIPPING the $arch Windows tests under Wine: this machine's kernel cannot run 32-bit x86 programs," \
            "which Wine's 32-bit part is; the $arch program and its packages were built"
        exit 0
    fi

    say "Running the $arch Windows tests under Wine"
    trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
    start_wine_prefix "$build/wineprefix" "$winearch" || die "Wine did not start (prefix $build/wineprefix)"
    timeout --kill-after=10 "$WINDOWS_TEST_TIME_LIMIT" \
        ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 120 \
        || die "the Windows tests failed or did not finish within ${WINDOWS_TEST_TIME_LIMIT} s"
)

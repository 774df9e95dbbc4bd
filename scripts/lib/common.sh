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

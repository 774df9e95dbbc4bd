#!/usr/bin/env bash
# The README's commands are the ones the scripts run: its package lines list what the scripts install, and
# every script, toolchain file and build option it names exists.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/common.sh"
readme=$root/README.md
failed=0
fail() { echo "README: $*" >&2; failed=1; }

sorted() { tr ' ' '\n' | sed '/^$/d' | sort -u; }
packagesOf() { grep -m1 "^sudo apt-get install $1" "$readme" | sed 's/^sudo apt-get install //; s/ *#.*//'; }

by_hand=$(packagesOf cmake)
[ "$(sorted <<<"$by_hand")" = "$(sorted <<<"${BUILD_PACKAGES[*]}")" ] ||
    fail "the manual install line ($by_hand) is not what scripts install (${BUILD_PACKAGES[*]})"
windows=$(packagesOf g++-mingw-w64)
for pkg in $windows; do
    grep -q -- "$pkg" "$root/scripts/lib/common.sh" || fail "$pkg is in the Windows install line, not in the scripts"
done

for script in $(grep -o 'scripts/[a-z-]*' "$readme" | sort -u); do
    [ -x "$root/$script" ] || [ -f "$root/$script" ] || fail "$script does not exist"
done
for file in $(grep -o 'cmake/[A-Za-z0-9_.-]*\.cmake' "$readme" | sort -u); do
    [ -f "$root/$file" ] || fail "$file does not exist"
done
for option in $(grep -o -- '-DQUORRIN_[A-Z_]*' "$readme" | sort -u); do
    grep -rq -- "${option#-D}" "$root/CMakeLists.txt" "$root/cmake" || fail "no build option ${option#-D}"
done
[ $failed -eq 0 ] && echo "the README's commands match the scripts"
exit $failed

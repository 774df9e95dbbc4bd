#!/usr/bin/env bash
# Starts the real quorrin.exe under Wine on a prepared Zone client (its registry value pointing at a Favorites
# tree), lets EndToEndDriver.exe pick, transfer and exit through the window's messages, and checks
# Friends.txt, its backup and the stored settings afterwards.
# Usage: end-to-end.sh QUORRIN.EXE DRIVER.EXE SCRATCH-FOLDER   (WINEPREFIX: the test prefix, set up already)
set -euo pipefail
exe=$1 driver=$2 scratch=$3
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
: "${WINEPREFIX:?the Wine prefix of the tests}"
wine=${WINE:-wine} # the loader for the prefix's architecture (scripts/lib/common.sh, start_wine_prefix)

fail() { echo "FAIL: $*" >&2; exit 1; }
wine_quiet() { timeout 60 "$wine" "$@" </dev/null >/dev/null 2>&1; }
expect_file() { [ "$(cat "$1")" = "$(printf "$2")" ] || fail "$1: $(od -c "$1" | head)"; }

zone=$WINEPREFIX/drive_c/QuorrinEndToEnd
rm -rf "$zone" "$scratch"
mkdir -p "$zone/Favorites/Ann" "$zone/Favorites/Bob" "$scratch"
printf '[Friends]\r\nCy\r\nDee\r\nEve\r\n' > "$zone/Favorites/Ann/Friends.txt"
printf '[Friends]\r\nCy\r\n' > "$zone/Favorites/Bob/Friends.txt"

# A fresh user: no settings of an earlier run; the Zone client as its installer records it (32-bit view).
wine_quiet reg delete 'HKCU\Software\Quorrin' /f || true
wine_quiet reg add 'HKLM\Software\Microsoft\Internet Gaming Zone\Setup' /v Path /d 'C:\QuorrinEndToEnd' /f /reg:32 \
    || fail "cannot prepare the registry"

cd "$scratch"
timeout 90 "$wine" "$exe" </dev/null >/dev/null 2>&1 &
program=$!
boxes=$(timeout 80 "$wine" "$driver" Ann Bob </dev/null 2>"$scratch/driver.err") || {
    cat "$scratch/driver.err" >&2
    kill "$program" 2>/dev/null || true
    fail "the driver did not get through"
}
wait "$program" || fail "quorrin.exe ended with an error"

expected_boxes=$'box: Are you sure you want to add 2 Items (Duplicated items are filtered out) to Bob\'s Zone Friends List ? \r\nbox: Transfer Complete. FriendsList Updated\r'
[ "$boxes" = "$expected_boxes" ] || fail "boxes were: $boxes"

expect_file "$zone/Favorites/Bob/Friends.txt" '[Friends]\r\nDee\r\nEve\r\nCy\r\n\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not Allowed]\r\n'
expect_file "$zone/Favorites/Bob/Friends.txtBackup" '[Friends]\r\nCy\r\n'
expect_file "$zone/Favorites/Ann/Friends.txt" '[Friends]\r\nCy\r\nDee\r\nEve\r\n'

settings=$(timeout 60 "$wine" reg query 'HKCU\Software\Quorrin' /s </dev/null 2>/dev/null | tr -d '\r')
for value in 'TotalTransfers    REG_SZ    1' 'TotalNameMoves    REG_SZ    2' 'CleanExit    REG_SZ    True'; do
    grep -q "$value\$" <<<"$settings" || fail "no $value in: $settings"
done
grep -q 'Normal Program Exit' "$scratch/Debuglog.txt" || fail "no clean end in Debuglog.txt"
echo "end-to-end: transfer, backup and settings as expected"

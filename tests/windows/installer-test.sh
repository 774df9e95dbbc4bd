#!/usr/bin/env bash
# Installs the setup program silently under Wine in a prefix of its own, checks the files, the shortcut and
# the uninstall entry, starts the program through its shortcut and closes it, then uninstalls with the quiet
# uninstall command the entry names and checks what went and what stayed.
#   installer-test.sh [--build BUILD_DIR] SETUP_EXE PROGRAM_EXE
# --build first makes BUILD_DIR's windows-packages target, installing NSIS where it is missing.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

build=
if [ "${1:-}" = --build ]; then build=$2; shift 2; fi
[ $# -eq 2 ] || die "usage: $0 [--build BUILD_DIR] SETUP_EXE PROGRAM_EXE"
setup=$1 program=$2
if [ -n "$build" ]; then
    command -v makensis >/dev/null || ensure_packages nsis
    "${CMAKE:-cmake}" --build "$build" --target windows-packages >/dev/null
fi
for file in "$setup" "$program"; do [ -f "$file" ] || die "no such file: $file"; done
[[ $(basename "$setup") =~ ^Quorrin-([0-9.]+)-win(32|64)-setup\.exe$ ]] || die "not a setup program's name: $setup"
version=${BASH_REMATCH[1]} winearch=win${BASH_REMATCH[2]}

scratch=$(cd "$(dirname "$setup")" && pwd)/installer-test
log=$scratch/wine.log
rm -rf "$scratch"
mkdir -p "$scratch"
# Nothing reaches the desktop: no window on a display, no menu entries from winemenubuilder.
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX=$scratch/prefix WINEARCH=$winearch WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
# A prefix of the setup program's own architecture, started by that architecture's loader.
wine=$(wine_loader "$winearch") || die "Wine is not installed"
export WINELOADER=$wine
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
# Wine's own start-up programs keep the streams they inherit open, so wine never writes into a pipe here.
run() { timeout 60 "$wine" "$@" </dev/null >"$scratch/out" 2>>"$log"; }
settle() { timeout 60 wineserver -w || die "Wine did not finish: $*"; }
fail() { die "$* (Wine's messages: $log)"; }

run reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f || fail "could not make a Wine prefix"
settle "making the prefix" # the desktop started with the prefix keeps the driver it started with

run "$setup" /S || fail "the setup program failed"
settle "installing"
run cmd /c 'echo %LOCALAPPDATA%& echo %APPDATA%\Microsoft\Windows\Start Menu\Programs' || fail "cmd failed"
{ read -r local_win; read -r programs_win; } < <(tr -d '\r' <"$scratch/out")
run winepath -u "$local_win" "$programs_win" || fail "winepath failed"
{ read -r local; read -r programs; } <"$scratch/out"
install=$local/Programs/Quorrin install_win="$local_win\\Programs\\Quorrin"
work=$local/Quorrin work_win="$local_win\\Quorrin"
link=$programs/Quorrin.lnk

cmp -s "$program" "$install/quorrin.exe" || fail "quorrin.exe is not installed as built in $install"
[ -f "$install/uninstall.exe" ] || fail "no uninstaller in $install"
[ -d "$work" ] || fail "no working folder $work"
[ -f "$link" ] || fail "no shortcut $link"
# The working folder is one of the link's UTF-16 strings, behind a 16-bit length that strings keeps as a letter.
strings -el "$link" | want=$work_win awk 'BEGIN { w = tolower(ENVIRON["want"]) }
    { s = tolower($0); if (substr(s, length(s) - length(w)) == substr(s, 1, 1) w) found = 1 } END { exit !found }' \
    || fail "the shortcut does not start in $work_win"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrin'
run reg query "$key" || fail "no uninstall entry $key"
entry=$(tr -d '\r' <"$scratch/out")
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
expect() { [ "$(value "$1")" = "$2" ] || fail "uninstall entry: $1 is '$(value "$1")', expected '$2'"; }
expect DisplayName Quorrin
expect DisplayVersion "$version"
expect Publisher "Quorrin developers"
expect DisplayIcon "$install_win\\quorrin.exe,0"
expect InstallLocation "$install_win"
expect UninstallString "\"$install_win\\uninstall.exe\""
expect QuietUninstallString "\"$install_win\\uninstall.exe\" /S"
expect NoModify 0x1
expect NoRepair 0x1
[[ $(value EstimatedSize) =~ ^0x0*[1-9a-f] ]] || fail "uninstall entry: EstimatedSize is '$(value EstimatedSize)'"

# Started as the Start menu starts it. Wine's start does not wait for a shortcut's program, so taskkill both
# finds it and asks it to close, as often as it opens another window, as a user would.
close() { run taskkill /im quorrin.exe; }
run start /unix "$link" || fail "the shortcut starts nothing"
sleep 3
close || fail "the program did not start from its shortcut, or ended by itself at once"
for _ in $(seq 10); do
    sleep 1.5
    close || break
done
if close; then
    run taskkill /f /im quorrin.exe || true
    fail "the program did not end when asked to close"
fi
[ ! -e "$install/Debuglog.txt" ] || fail "the program wrote its log into $install, not its working folder"

# What the user made must survive the uninstall: a file in the working folder, the settings key.
touch "$work/kept-by-uninstall"
run reg add 'HKCU\Software\Quorrin' /v InstallerTest /d kept /f || fail "could not write a setting"
quiet=$(value QuietUninstallString)
uninstaller=${quiet%\" /S} uninstaller=${uninstaller#\"}
run "$uninstaller" /S || fail "the uninstaller failed"
settle "uninstalling"

[ ! -e "$install" ] || fail "$install is still there after the uninstall: $(ls -A "$install")"
[ ! -e "$link" ] || fail "the shortcut is still there after the uninstall"
! run reg query "$key" || fail "the uninstall entry is still there"
[ -f "$work/kept-by-uninstall" ] || fail "the uninstall removed the working folder"
run reg query 'HKCU\Software\Quorrin' /v InstallerTest || fail "the uninstall removed the settings"

wineserver -k </dev/null >/dev/null 2>&1 || true
rm -rf "$scratch"
echo "installer test passed: Quorrin $version installs, starts, ends and uninstalls"

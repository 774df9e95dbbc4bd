#!/usr/bin/env bash
# scripts/demo, run by a user whose home holds a Wine prefix with a Zone client in it (and whose WINEPREFIX
# names another one), lists the sample Zone Names and nothing of the user's: it reads neither prefix and
# leaves the home folder as it was. A demo folder inside the real settings folder is refused.
#   demo-isolation.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
scratch=$build/demo-isolation-test
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "demo isolation: $* (files of the test: $scratch)" >&2; exit 1; }

# prefix FOLDER ZONE_NAME: a 64-bit Wine prefix whose 32-bit view records a Zone client with one Zone Name.
prefix() {
    mkdir -p "$1/dosdevices" "$1/drive_c/Zone/Favorites/$2"
    ln -s ../drive_c "$1/dosdevices/c:"
    printf '[Friends]\r\nMallory\r\n' >"$1/drive_c/Zone/Favorites/$2/Friends.txt"
    printf '%s\n' 'WINE REGISTRY Version 2' ';; All keys relative to \\Machine' '' '#arch=win64' '' \
        '[Software\\Wow6432Node\\Microsoft\\Internet Gaming Zone\\Setup] 1733400000' '#time=1db47a0c0d0e0f0' \
        '"Path"="C:\\Zone"' '' >"$1/system.reg"
}
user_home=$scratch/home
prefix "$user_home/.wine" FromTheHomePrefix
prefix "$scratch/elsewhere" FromWINEPREFIX
mkdir -p "$user_home/.config/Quorrin"
printf 'REGEDIT4\r\n' >"$user_home/.config/Quorrin/HKEY_CURRENT_USER.reg"
snapshot() { (cd "$user_home" && find . -printf '%p %y %s %T@\n' | sort); }
before=$(snapshot)

# The user's environment: a relative demo folder, no XDG folders set, a display the demo needs to see. The
# process that becomes the demo (timeout, then the program) leaves its id in pid-NAME.
run_demo() {
    (cd "$scratch" && echo "$BASHPID" >"$scratch/pid-$2" && exec timeout 60 env -u XDG_CONFIG_HOME -u XDG_STATE_HOME -u XDG_DATA_HOME -u WAYLAND_DISPLAY \
        HOME="$user_home" WINEPREFIX="$scratch/elsewhere" DISPLAY=:0 QT_QPA_PLATFORM=offscreen \
        QUORRIN_BUILD="$build" QUORRIN_DEMO_DIR="$1" bash "$root/scripts/demo" </dev/null >"$scratch/output-$2" 2>&1)
}

# A demo folder that would put the demo's settings into the real settings folder.
status=0
run_demo home/.config/Quorrin refused || status=$?
[ "$status" -ne 0 ] || fail "the demo ran with its folder inside the real settings folder"
grep -q 'would hold your real settings' "$scratch/output-refused" || fail "the refusal does not say why"
[ "$(snapshot)" = "$before" ] || fail "the refused demo changed the home folder"

run_demo demo run &
pid=$!
log=$scratch/demo/Debuglog.txt
# The main window lists the Zone Names after the splash screen's three seconds.
for _ in $(seq 150); do
    grep -qs 'Added Item: SpadesQueen\|Added Item: From' "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
# The program itself, not the shell that started it in the background, is asked to end, as a session's end
# asks it; it must be gone within 10 s.
demo_pid=$(cat "$scratch/pid-run")
kill -TERM "$demo_pid" 2>/dev/null || true
for _ in $(seq 50); do
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$demo_pid" 2>/dev/null; then
    pkill -KILL -P "$demo_pid" || true
    kill -KILL "$demo_pid" 2>/dev/null || true
    fail "the demo did not end when asked to"
fi
wait "$pid" || true
! grep -qs 'FromTheHomePrefix\|FromWINEPREFIX' "$log" || fail "the demo saw the user's Wine prefixes"
grep -qs 'Added Item: SpadesQueen' "$log" || { cat "$scratch/output-run" >&2; fail "the demo did not list the sample Zone Names"; }
grep -q "Changing Working Path to : $scratch/demo/ZoneClient/Favorites"$'\r' "$log" \
    || fail "the demo's Zone folder is not the sample's: $(grep -a 'Working Path' "$log")"
[ "$(snapshot)" = "$before" ] || fail "the demo changed the home folder: $(diff <(echo "$before") <(snapshot))"
rm -rf "$scratch"
echo "demo isolation test passed"

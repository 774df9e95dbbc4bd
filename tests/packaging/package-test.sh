#!/usr/bin/env bash
# Makes the Debian package in BUILD_DIR and checks it: its name, version and dependencies, its files with
# their owners and modes, the menu entry and the AppStream metadata with their validators, lintian, and the
# unpacked program and launcher, each started without a display on a fresh user until the main window has
# listed the Zone Names (one user's Zone client is found in the Wine prefix in the user's home folder), then
# closed with SIGTERM as the end of a session closes them.
#   package-test.sh BUILD_DIR
# LINTIAN_FAIL_ON: the lintian severities that fail the test (default error,warning).
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

[ $# -eq 1 ] || die "usage: $0 BUILD_DIR"
build=$(cd "$1" && pwd)
ensure_package_tools
deb=$(make_debian_package "$build")
scratch=$build/package-test
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { die "$* (files of the test: $scratch)"; }

lintian --fail-on "${LINTIAN_FAIL_ON:-error,warning}" "$deb" >"$scratch/lintian.out" 2>"$scratch/lintian.err" &
lintian=$!

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=quorrin_${version}_$(dpkg --print-architecture).deb
[ "$(basename "$deb")" = "$name" ] || fail "the package is $(basename "$deb"), expected $name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies without Qt or the C library: $depends"

dpkg-deb -c "$deb" >"$scratch/contents"
awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")' "$scratch/contents" | grep . \
    && fail "folders not root's or not mode 755"
awk '$1 !~ /^d/ { print $1, $2, $6 (NF > 6 ? " -> " $8 : "") }' "$scratch/contents" | sort >"$scratch/files"
diff -u - "$scratch/files" <<'EOF' || fail "the package's files differ from the expected ones"
-rw-r--r-- root/root ./usr/share/applications/org.quorrin.Quorrin.desktop
-rw-r--r-- root/root ./usr/share/doc/quorrin/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quorrin/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/128x128/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/64x64/apps/org.quorrin.Quorrin.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/org.quorrin.Quorrin.svg
-rw-r--r-- root/root ./usr/share/man/man1/quorrin.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/org.quorrin.Quorrin.metainfo.xml
-rwxr-xr-x root/root ./usr/bin/quorrin
-rwxr-xr-x root/root ./usr/bin/quorrin-launcher
lrwxrwxrwx root/root ./usr/share/man/man1/quorrin-launcher.1.gz -> quorrin.1.gz
EOF

root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
desktop-file-validate "$share/applications/org.quorrin.Quorrin.desktop" || fail "the menu entry is not valid"
appstreamcli validate --pedantic --no-net "$share/metainfo/org.quorrin.Quorrin.metainfo.xml" >"$scratch/appstream.out" \
    || { cat "$scratch/appstream.out" >&2; fail "the AppStream metadata is not valid"; }
# The release notes are written by hand: the newest entry of each must be this version's.
[[ $(zcat "$share/doc/quorrin/changelog.gz" | head -n 1) == "quorrin ($version) "* ]] \
    || fail "the changelog's newest entry is not version $version"
[ "$(grep -om1 '<release version="[^"]*"' "$share/metainfo/org.quorrin.Quorrin.metainfo.xml")" = "<release version=\"$version\"" ] \
    || fail "the AppStream metadata's newest release is not version $version"
for size in 16 32 48 64 128 256; do
    # A PNG's width and height are the two 32-bit numbers from byte 16 on.
    read -r w h < <(od -An -j16 -N8 -tu1 "$share/icons/hicolor/${size}x$size/apps/org.quorrin.Quorrin.png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$w $h" = "$size $size" ] || fail "the ${size}x$size icon is $w x $h pixels"
done

# A Zone client with two Zone Names, which every run below finds through its own settings.
zone=$scratch/ZoneClient
for zone_name in Ann Bob; do
    mkdir -p "$zone/Favorites/$zone_name"
    printf '[Friends]\r\nCy\r\n' >"$zone/Favorites/$zone_name/Friends.txt"
done

# start NAME FOLDER LOG_FOLDER [VARIABLE=VALUE...] COMMAND...: starts COMMAND in FOLDER for a fresh user of its
# own (home, XDG folders, settings); its log is expected in LOG_FOLDER.
declare -A pids log_folders
start() {
    local name=$1 folder=$2 user=$scratch/$1
    log_folders[$name]=$3
    shift 3
    mkdir -p "$folder" "$user/home" "$user/cache" "$user/data" "$user/config/Quorrin" "$user/runtime"
    chmod 700 "$user/runtime"
    if [ "$name" = wine-user ]; then
        # No settings yet: the Zone client is found in the user's Wine prefix, in its 32-bit view.
        local prefix=$user/home/.wine
        mkdir -p "$prefix/dosdevices" "$prefix/drive_c/Program Files (x86)"
        ln -s ../drive_c "$prefix/dosdevices/c:"
        cp -R "$zone" "$prefix/drive_c/Program Files (x86)/Zone"
        printf '%s\n' 'WINE REGISTRY Version 2' '#arch=win64' '' \
            '[Software\\Wow6432Node\\Microsoft\\Internet Gaming Zone\\Setup] 1733400000' \
            '"Path"="C:\\Program Files (x86)\\Zone"' >"$prefix/system.reg"
    else
        printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Gaming Zone\\Setup]\r\n"Path"="%s"\r\n' \
            "$zone" >"$user/config/Quorrin/HKEY_LOCAL_MACHINE.reg"
    fi
    (cd "$folder" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_STATE_HOME -u WINEPREFIX QT_QPA_PLATFORM=offscreen \
        HOME="$user/home" XDG_CONFIG_HOME="$user/config" XDG_CACHE_HOME="$user/cache" XDG_DATA_HOME="$user/data" \
        XDG_RUNTIME_DIR="$user/runtime" "$@" </dev/null >"$user/output" 2>&1) &
    pids[$name]=$!
}

# finish NAME: waits until NAME's Debuglog.txt lists the Zone Names, ends it with SIGTERM and checks that it
# closed its main window and ended cleanly.
finish() {
    local name=$1 log=${log_folders[$1]}/Debuglog.txt pid=${pids[$1]} output=$scratch/$1/output status=0
    # The main window loads after the splash screen's three seconds.
    for _ in $(seq 150); do
        grep -qs 'Added Item: Bob' "$log" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if ! kill -TERM "$pid" 2>/dev/null; then
        wait "$pid" || status=$?
        cat "$output" >&2
        fail "$name ended by itself with status $status before listing the Zone Names in $log"
    fi
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { cat "$output" >&2; fail "$name ended with status $status after SIGTERM"; }
    grep -qs 'Added Item: Bob' "$log" || fail "$name did not list the Zone Names in $log"
    grep -q 'User Queried Unload' "$log" || fail "$name did not close its main window"
    [ "$(tail -n 1 "$log" | tr -d '\r')" = "Normal Program Exit" ] || fail "$name did not end cleanly"
    [ ! -e "$(dirname "$log")/Crashed.txt" ] || fail "$name reported a crash"
}

bin=$root/usr/bin
start program "$scratch/program/work" "$scratch/program/work" "$bin/quorrin"
start launcher "$scratch/launcher/elsewhere" "$scratch/launcher/state/quorrin" \
    XDG_STATE_HOME="$scratch/launcher/state" "$bin/quorrin-launcher"
# A relative XDG_STATE_HOME is no state folder: the launcher falls back on the default one under HOME.
start launcher-default "$scratch/launcher-default/elsewhere" "$scratch/launcher-default/home/.local/state/quorrin" \
    XDG_STATE_HOME=relative "$bin/quorrin-launcher"
start wine-user "$scratch/wine-user/work" "$scratch/wine-user/work" "$bin/quorrin"
for name in program launcher launcher-default wine-user; do finish "$name"; done
grep -q "Changing Working Path to : $scratch/wine-user/home/.wine/drive_c/Program Files (x86)/Zone/Favorites"$'\r' \
    "$scratch/wine-user/work/Debuglog.txt" || fail "the Zone client in the user's Wine prefix was not used"
# Neither the program nor the launcher writes a log anywhere else.
find "$scratch" -name Debuglog.txt | sort >"$scratch/logs"
diff -u - "$scratch/logs" <<EOF || fail "Debuglog.txt is written elsewhere too"
$scratch/launcher-default/home/.local/state/quorrin/Debuglog.txt
$scratch/launcher/state/quorrin/Debuglog.txt
$scratch/program/work/Debuglog.txt
$scratch/wine-user/work/Debuglog.txt
EOF

if ! wait "$lintian"; then
    cat "$scratch/lintian.out" "$scratch/lintian.err" >&2
    fail "lintian found faults in $deb"
fi
[ ! -s "$scratch/lintian.out" ] || { echo "lintian's remarks:"; cat "$scratch/lintian.out"; }
rm -rf "$scratch"
echo "package test passed: $deb"

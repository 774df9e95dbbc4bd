#!/usr/bin/env bash
# Fails when PROGRAM_EXE needs a DLL that Windows does not bring (a DLL of the compiler's, say, which would be
# missing on the user's machine), or when it was built for another machine than MACHINE.
#   check-imports.sh PROGRAM_EXE MACHINE      MACHINE: x86-64 or i386, as objdump names it
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

[ $# -eq 2 ] || die "usage: $0 PROGRAM_EXE MACHINE"
program=$1 machine=$2
[ -f "$program" ] || die "no such file: $program"
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
headers=$("$objdump" -p "$program")
case $machine in
x86-64) want='pei-x86-64' ;;
i386) want='pei-i386' ;;
*) die "no such machine: $machine" ;;
esac
grep -q "file format $want\$" <<<"$headers" || die "$program is not an $machine program: $(head -2 <<<"$headers" | tr -s '\n' ' ')"

allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|gdiplus|uxtheme'
allowed+='|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|ws2_32|version|winmm|imm32|dwmapi|shcore|crypt32|bcrypt)\.dll$'
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$dlls" ] || die "no imports found in $program"
foreign=$(tr '[:upper:]' '[:lower:]' <<<"$dlls" | grep -Ev "$allowed" || true)
[ -z "$foreign" ] || die "$program needs DLLs that Windows does not bring: $(tr "\n" " " <<<"$foreign")"
echo "$program: built for $machine, imports only system DLLs"

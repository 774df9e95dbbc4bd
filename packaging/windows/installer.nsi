; The per-user setup program of Quorrin: no administrator rights, everything under the user's own profile.
; Made by the windows-packages target (cmake/WindowsResources.cmake), which passes
;   VERSION   major.minor.revision, from project()
;   TARGET    amd64-unicode for the 64-bit program, x86-unicode for the 32-bit one
;   STAGE     the folder holding quorrin.exe and the documents that go with it
;   ICON      the program's icon file
;   OUTFILE   the setup program to write
;   WITH_LICENSE  (optional) when STAGE holds a LICENSE file

Unicode true
Target ${TARGET}
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "Quorrin"
!define PUBLISHER "Quorrin developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program's working folder: Debuglog.txt and Crashed.txt are written there. It outlives an uninstall,
; as do the settings under HKCU\Software\Quorrin, so that a reinstall finds the user's state again.
!define WORK_DIR "$LOCALAPPDATA\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An update goes where the previous version was put.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}.0"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuorrin

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

; Started as the shortcut starts it: in the working folder, not in the setup program's.
Function StartQuorrin
    SetOutPath "${WORK_DIR}"
    Exec '"$INSTDIR\quorrin.exe"'
FunctionEnd

Section "Quorrin"
    SetOutPath "$INSTDIR"
    File "${STAGE}\quorrin.exe"
    File "${STAGE}\README.md"
!ifdef WITH_LICENSE
    File "${STAGE}\LICENSE"
!endif
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; CreateShortcut gives the shortcut the current output folder as its working folder.
    CreateDirectory "${WORK_DIR}"
    SetOutPath "${WORK_DIR}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quorrin.exe" "" "$INSTDIR\quorrin.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorrin.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\quorrin.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\uninstall.exe"
    ; Not /r: whatever the user put into the folder stays, and so does the folder then.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

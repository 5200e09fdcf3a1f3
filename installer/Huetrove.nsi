; Per-user installer for Huetrove: no administrator rights, everything under the
; current user's profile and HKEY_CURRENT_USER.
;
; The build passes:
;   VERSION       the program's version, such as 1.0
;   VERSION_QUAD  the same as four numbers, for the file's version resource
;   FILES_DIR     the folder holding Huetrove.exe, Help.chm, license.txt and cur.dat
;   ICON          the program's icon
;   OUTFILE       the installer to write

!ifndef VERSION | VERSION_QUAD | FILES_DIR | ICON | OUTFILE
    !error "Build with -DVERSION=... -DVERSION_QUAD=... -DFILES_DIR=... -DICON=... -DOUTFILE=..."
!endif

Unicode true
; A 32-bit installer does nothing on a 64-bit-only system and still reports success.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "Huetrove"
!define PUBLISHER "Brightquill"
!define APP_WINDOW_CLASS "fwApplication"
!define APP_WINDOW_TITLE "Huetrove v${VERSION}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAKER_KEY "Software\${PUBLISHER}"
!define SETTINGS_KEY "${MAKER_KEY}\${PRODUCT}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; Exit code of a silent run that refused to touch the files of a running program.
!define EXIT_PROGRAM_RUNNING 2

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${FILES_DIR}\license.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Huetrove.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Files must not be replaced or removed from under a running copy. The program's
; hidden application window tells that it runs, wherever it was started from.
; Interactive: the user closes it and retries, or cancels. Silent: no one can
; answer, so the run fails.
!macro WAIT_UNTIL_PROGRAM_CLOSED un
    Function ${un}WaitUntilProgramClosed
        ${Do}
            FindWindow $0 "${APP_WINDOW_CLASS}" "${APP_WINDOW_TITLE}"
            ${If} $0 == 0
                Return
            ${EndIf}
            ${If} ${Silent}
                SetErrorLevel ${EXIT_PROGRAM_RUNNING}
                Quit
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is running.$\r$\nClose it, then choose Retry to go on." IDRETRY retry
            Quit
            retry:
        ${Loop}
    FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_PROGRAM_CLOSED ""
!insertmacro WAIT_UNTIL_PROGRAM_CLOSED "un."

Function .onInit
    SetShellVarContext current
    Call WaitUntilProgramClosed
FunctionEnd

Section "Huetrove" SecProgram
    SectionIn RO
    ; Asked again here: the program may have been started while the pages were shown.
    Call WaitUntilProgramClosed

    ; The folder set here is also the shortcut's working directory.
    SetOutPath "$INSTDIR"
    File "${FILES_DIR}\Huetrove.exe"
    File "${FILES_DIR}\Help.chm"
    File "${FILES_DIR}\license.txt"
    File "${FILES_DIR}\cur.dat"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\Huetrove.exe" "" "$INSTDIR\Huetrove.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Huetrove.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetShellVarContext current
    Call un.WaitUntilProgramClosed
FunctionEnd

Section "Uninstall"
    Call un.WaitUntilProgramClosed

    ; Only our own files: /D= may have put them in a folder that holds other things.
    Delete "$INSTDIR\Huetrove.exe"
    Delete "$INSTDIR\Help.chm"
    Delete "$INSTDIR\license.txt"
    Delete "$INSTDIR\cur.dat"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The program enters itself here, quoted, when it is to start with the system. An
    ; entry of another copy (a portable one, say) is that copy's: it stays. StrCmp
    ; ignores case, as the file system does.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 == "$\"$INSTDIR\Huetrove.exe$\""
    ${OrIf} $0 == "$INSTDIR\Huetrove.exe"
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}

    ; Settings stay unless the user wants them gone: a reinstall finds them again.
    ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
    ${IfNot} ${Errors}
        Call un.RemoveSettings
    ${ElseIfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "Remove your ${PRODUCT} settings as well?" IDNO keepSettings
        Call un.RemoveSettings
        keepSettings:
    ${EndIf}
SectionEnd

Function un.RemoveSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${MAKER_KEY}"
FunctionEnd

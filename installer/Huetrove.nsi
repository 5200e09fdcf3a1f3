; Per-user installer for Huetrove: no administrator rights, everything under the
; current user's profile and HKEY_CURRENT_USER.
;
; The build passes, from the project's version and cmake/Version.cmake:
;   VERSION       the program's version, such as 1.0
;   VERSION_QUAD  the same as four numbers, for the file's version resource
;   PUBLISHER     the maker, as the program's version resource names it
;   COPYRIGHT     the copyright line of the program's version resource
;   FILES_DIR     the folder holding Huetrove.exe, Help.chm, license.txt and cur.dat
;   ICON          the program's icon
;   OUTFILE       the installer to write
; and, to sign the uninstaller, the command that signs a file in place, in three parts:
;   SIGN_CMAKE    cmake
;   SIGN_SETTINGS the signing settings the configure step wrote (installer/Signing.cmake)
;   SIGN_SCRIPT   installer/sign_file.cmake
; and either UNINSTALLER_FILE, the Uninstall.exe that the setup installs, or UNINSTALLER
; (with no value) to build that Uninstall.exe itself into OUTFILE.
;
; Uninstall.exe is a program of its own rather than the uninstaller NSIS writes: started
; without `_?=`, that one copies itself to the temporary folder, starts the copy and ends at
; once with exit code 0, so whoever started it (the list of installed apps, winget, a script)
; learns nothing of how the uninstall went. Uninstall.exe writes that uninstaller into its
; own temporary folder, runs it on the folder it stands in, waits for it and ends with its
; exit code.

!ifndef VERSION | VERSION_QUAD | PUBLISHER | COPYRIGHT | FILES_DIR | ICON | OUTFILE
    !error "Build with -DVERSION=... -DVERSION_QUAD=... -DPUBLISHER=... -DCOPYRIGHT=... -DFILES_DIR=... -DICON=... -DOUTFILE=..."
!endif
!ifndef UNINSTALLER_FILE & UNINSTALLER
    !error "Build with -DUNINSTALLER_FILE=... (the setup) or -DUNINSTALLER (its Uninstall.exe)"
!endif

; The uninstaller is signed before it goes into the setup. (The build signs the setup once
; it is written: a failed !finalize would leave the unsigned setup under its name.)
!ifdef SIGN_SCRIPT
    !uninstfinalize '"${SIGN_CMAKE}" "-DSETTINGS=${SIGN_SETTINGS}" "-DFILE=%1" -P "${SIGN_SCRIPT}"' = 0
!endif

Unicode true
; A 32-bit installer does nothing on a 64-bit-only system and still reports success.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "Huetrove"
; The program's own web page, as its "Huetrove online ..." command opens it.
!define WEB_PAGE "https://brightquill.github.io/huetrove/"
; The class of the program's hidden application window, the same in every version.
!define APP_WINDOW_CLASS "fwApplication"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAKER_KEY "Software\${PUBLISHER}"
!define SETTINGS_KEY "${MAKER_KEY}\${PRODUCT}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; How long a closed program may take to save its settings and end, and then to let go of
; its files, in milliseconds.
!define CLOSE_DEADLINE 10000
!define FILES_DEADLINE 5000
; Exit codes: the user chose not to close the program; it did not end; a file could not be
; replaced or removed. In each case nothing was changed.
!define EXIT_CANCELLED 1
!define EXIT_PROGRAM_RUNNING 2
!define EXIT_FILE_IN_USE 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
!ifdef UNINSTALLER
    VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Uninstall"
!else
    VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
!endif
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!ifdef UNINSTALLER
    !insertmacro MUI_UNPAGE_CONFIRM
    !insertmacro MUI_UNPAGE_INSTFILES
!else
    !insertmacro MUI_PAGE_LICENSE "${FILES_DIR}\license.txt"
    !insertmacro MUI_PAGE_DIRECTORY
    !insertmacro MUI_PAGE_INSTFILES
    !define MUI_FINISHPAGE_RUN "$INSTDIR\Huetrove.exe"
    !insertmacro MUI_PAGE_FINISH
!endif

!insertmacro MUI_LANGUAGE "English"

; The first file of the install folder that cannot be opened for writing, or empty.
Var Locked
; Set once a step of moving files has failed; the error flag would not do, since testing
; it clears it.
Var Failed

; The program's files, and with them the uninstaller.
!macro FOR_EACH_PROGRAM_FILE do
    !insertmacro ${do} "Huetrove.exe"
    !insertmacro ${do} "Help.chm"
    !insertmacro ${do} "license.txt"
    !insertmacro ${do} "cur.dat"
!macroend
!macro FOR_EACH_INSTALLED_FILE do
    !insertmacro FOR_EACH_PROGRAM_FILE ${do}
    !insertmacro ${do} "Uninstall.exe"
!macroend

; Ends the run with nothing changed: says why when someone is there to read it, and
; leaves the reason in the exit code.
!macro FAIL code text
    MessageBox MB_OK|MB_ICONSTOP "${text}$\r$\n$\r$\nNothing was changed." /SD IDOK
    SetErrorLevel ${code}
    Abort "${text}"
!macroend

!macro CHECK_WRITABLE name
    ${If} $Locked == ""
    ${AndIf} ${FileExists} "$INSTDIR\${name}"
        ClearErrors
        FileOpen $R0 "$INSTDIR\${name}" a
        ${If} ${Errors}
            StrCpy $Locked "$INSTDIR\${name}"
        ${Else}
            FileClose $R0
        ${EndIf}
    ${EndIf}
!macroend

; Renaming a file needs the same freedom as deleting it: a file that cannot be moved aside
; cannot be replaced or removed either. Stops at the first failure, and sets $Failed.
!macro MOVE_ASIDE name
    ${If} $Failed == ""
    ${AndIf} ${FileExists} "$INSTDIR\${name}"
        ClearErrors
        Rename "$INSTDIR\${name}" "$INSTDIR\${name}.old"
        ${If} ${Errors}
            StrCpy $Failed "$INSTDIR\${name}"
        ${EndIf}
    ${EndIf}
!macroend
!macro PUT_BACK name
    ${If} ${FileExists} "$INSTDIR\${name}.old"
        Rename "$INSTDIR\${name}.old" "$INSTDIR\${name}"
    ${EndIf}
!macroend
!macro DELETE_OLD name
    Delete "$INSTDIR\${name}.old"
!macroend
!macro DELETE_NEW name
    Delete "$INSTDIR\${name}.new"
!macroend

; A running copy of any version, started from any folder, is found by its application
; window's class, which every version has had: the title names one version, and a mutex
; would find only copies new enough to hold one. Asked to close, that window ends the
; program as its Exit command does, settings saved. Interactive, the user is asked first;
; silent, no one can answer, so the copy is closed.
!macro CLOSE_RUNNING_PROGRAM un
    Function ${un}CloseRunningProgram
        FindWindow $0 "${APP_WINDOW_CLASS}"
        ${If} $0 == 0
            Return
        ${EndIf}
        ${IfNot} ${Silent}
            MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is running.$\r$\n$\r$\nChoose OK to close it and go on: it saves its settings as when you choose Exit.$\r$\nChoose Cancel to leave it running; then nothing is changed." \
                IDOK close
            SetErrorLevel ${EXIT_CANCELLED}
            Quit
            close:
        ${EndIf}
        DetailPrint "Closing the running ${PRODUCT}"
        ; One copy after the other, each asked once. Sent with a time limit: a copy that
        ; hangs must not hang the setup too.
        StrCpy $2 0
        StrCpy $1 0
        ${Do}
            FindWindow $0 "${APP_WINDOW_CLASS}"
            ${If} $0 == 0
                Return
            ${EndIf}
            ${If} $0 != $2
                SendMessage $0 ${WM_CLOSE} 0 0 $3 /TIMEOUT=2000
                StrCpy $2 $0
            ${EndIf}
            Sleep 100
            IntOp $1 $1 + 100
        ${LoopUntil} $1 >= ${CLOSE_DEADLINE}
        !insertmacro FAIL ${EXIT_PROGRAM_RUNNING} "${PRODUCT} did not close. Close it yourself, then try again."
    FunctionEnd
!macroend
!ifdef UNINSTALLER
    !insertmacro CLOSE_RUNNING_PROGRAM "un."
!else
    !insertmacro CLOSE_RUNNING_PROGRAM ""
!endif

; Waits until every file of the installation can be written: a program that has just
; ended lets go of its own file a moment after its window went. Fails the run when one
; stays in use.
!macro WAIT_UNTIL_FILES_FREE un files
    Function ${un}WaitUntilFilesFree
        StrCpy $1 0
        ${Do}
            StrCpy $Locked ""
            !insertmacro ${files} CHECK_WRITABLE
            ${If} $Locked == ""
                Return
            ${EndIf}
            Sleep 100
            IntOp $1 $1 + 100
        ${LoopUntil} $1 >= ${FILES_DEADLINE}
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "$Locked is in use by another program. Close that program, then try again."
    FunctionEnd
!macroend
!ifdef UNINSTALLER
; Uninstall.exe waits in the folder for the uninstaller: it is not checked.
!insertmacro WAIT_UNTIL_FILES_FREE "un." FOR_EACH_PROGRAM_FILE

; Uninstall.exe: the uninstaller, run from the temporary folder on this one, waited for.
; An `_?=` given on the command line, last as NSIS wants it, names the folder instead.
Function .onInit
    SetShellVarContext current
    InitPluginsDir
    ${GetParameters} $0
    ${GetOptions} $0 "_?=" $1
    ${If} ${Errors}
        StrCpy $0 "$0 _?=$EXEDIR"
    ${EndIf}
    ClearErrors
    WriteUninstaller "$PLUGINSDIR\Uninstall.exe"
    ${IfNot} ${Errors}
        ExecWait '"$PLUGINSDIR\Uninstall.exe" $0' $1
    ${EndIf}
    ${If} ${Errors}
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "The uninstaller cannot be started from $PLUGINSDIR."
    ${EndIf}
    ; This file could not go while it waited: a second run of the uninstaller removes it,
    ; and the folder with it, once this process has ended. This ends only when that run has
    ; started (or after a while), so that it is already at work when the file is let go.
    ${If} $1 == 0
        Exec '"$PLUGINSDIR\Uninstall.exe" /REMOVEUNINSTALL $0'
        StrCpy $2 0
        ${Do}
            ${If} ${FileExists} "$PLUGINSDIR\removing"
                ${Break}
            ${EndIf}
            Sleep 20
            IntOp $2 $2 + 20
        ${LoopUntil} $2 >= ${FILES_DEADLINE}
    ${EndIf}
    SetErrorLevel $1
    Quit
FunctionEnd

; Placeholder: an installer needs a section, and this one ends in .onInit.
Section
SectionEnd
!else
!insertmacro WAIT_UNTIL_FILES_FREE "" FOR_EACH_INSTALLED_FILE

Function .onInit
    SetShellVarContext current
FunctionEnd

!macro STAGE_NEW name
    File "/oname=$INSTDIR\${name}.new" "${FILES_DIR}\${name}"
!macroend

; A file moved into place left no .new behind: that one goes, and the old one comes back.
!macro ROLL_BACK name
    ${IfNot} ${FileExists} "$INSTDIR\${name}.new"
        Delete "$INSTDIR\${name}"
    ${EndIf}
    !insertmacro PUT_BACK "${name}"
    !insertmacro DELETE_NEW "${name}"
!macroend
!macro MOVE_IN name
    ${If} $Failed == ""
        ClearErrors
        Rename "$INSTDIR\${name}.new" "$INSTDIR\${name}"
        ${If} ${Errors}
            StrCpy $Failed "$INSTDIR\${name}"
        ${EndIf}
    ${EndIf}
!macroend

; The uninstall entry as it was, to put back when the run fails after writing it.
!macro ENTRY_STRINGS do
    !insertmacro ${do} DisplayName
    !insertmacro ${do} DisplayVersion
    !insertmacro ${do} Publisher
    !insertmacro ${do} DisplayIcon
    !insertmacro ${do} InstallLocation
    !insertmacro ${do} UninstallString
    !insertmacro ${do} QuietUninstallString
    !insertmacro ${do} URLInfoAbout
    !insertmacro ${do} HelpLink
!macroend
!macro ENTRY_NUMBERS do
    !insertmacro ${do} NoModify
    !insertmacro ${do} NoRepair
    !insertmacro ${do} EstimatedSize
!macroend
!macro DECLARE_OLD name
    Var old${name}
!macroend
!insertmacro ENTRY_STRINGS DECLARE_OLD
!insertmacro ENTRY_NUMBERS DECLARE_OLD
!macro KEEP_STRING name
    ReadRegStr $old${name} HKCU "${UNINSTALL_KEY}" "${name}"
!macroend
!macro KEEP_NUMBER name
    ReadRegDWORD $old${name} HKCU "${UNINSTALL_KEY}" "${name}"
!macroend
!macro RESTORE_STRING name
    ${If} $old${name} == ""
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "${name}"
    ${Else}
        WriteRegStr HKCU "${UNINSTALL_KEY}" "${name}" $old${name}
    ${EndIf}
!macroend
!macro RESTORE_NUMBER name
    ${If} $old${name} == ""
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "${name}"
    ${Else}
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "${name}" $old${name}
    ${EndIf}
!macroend

Function KeepUninstallEntry
    !insertmacro ENTRY_STRINGS KEEP_STRING
    !insertmacro ENTRY_NUMBERS KEEP_NUMBER
FunctionEnd

Function RestoreUninstallEntry
    ${If} $oldDisplayName == ""
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${Else}
        !insertmacro ENTRY_STRINGS RESTORE_STRING
        !insertmacro ENTRY_NUMBERS RESTORE_NUMBER
    ${EndIf}
FunctionEnd

; The new files go in beside the old ones under other names, then each old one is moved
; aside and the new one takes its name, and only when every file, the shortcut and the
; uninstall entry are in place do the old files go. A failure on the way puts everything
; back, so a run ends with the whole new installation or with the old one untouched.
Section "Huetrove" SecProgram
    SectionIn RO
    Call CloseRunningProgram

    ; The folder set here is also the shortcut's working directory.
    ClearErrors
    SetOutPath "$INSTDIR"
    ${If} ${Errors}
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "The folder $INSTDIR cannot be made."
    ${EndIf}
    Call WaitUntilFilesFree
    ; What a run that was cut short may have left.
    !insertmacro FOR_EACH_INSTALLED_FILE DELETE_NEW
    !insertmacro FOR_EACH_INSTALLED_FILE DELETE_OLD

    ; Written, not asked: a file that cannot be written sets the error flag.
    SetOverwrite try
    ClearErrors
    !insertmacro FOR_EACH_PROGRAM_FILE STAGE_NEW
    ; Dated when it is written, as the uninstaller NSIS writes would be: the build's own time
    ; is not one the packages may carry.
    SetDateSave off
    File "/oname=$INSTDIR\Uninstall.exe.new" "${UNINSTALLER_FILE}"
    SetDateSave on
    ${If} ${Errors}
        !insertmacro FOR_EACH_INSTALLED_FILE DELETE_NEW
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "The files cannot be written to $INSTDIR."
    ${EndIf}

    Call KeepUninstallEntry
    StrCpy $Failed ""
    !insertmacro FOR_EACH_INSTALLED_FILE MOVE_ASIDE
    !insertmacro FOR_EACH_INSTALLED_FILE MOVE_IN
    ${If} $Failed == ""
        ClearErrors
        CreateShortcut "${SHORTCUT}" "$INSTDIR\Huetrove.exe" "" "$INSTDIR\Huetrove.exe" 0
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Huetrove.exe,0"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
        WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_PAGE}"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${WEB_PAGE}"
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
        ${If} ${Errors}
            StrCpy $Failed "the shortcut or the uninstall entry"
        ${EndIf}
    ${EndIf}
    ${If} $Failed != ""
        !insertmacro FOR_EACH_INSTALLED_FILE ROLL_BACK
        Call RestoreUninstallEntry
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "$Failed cannot be replaced."
    ${EndIf}

    ; Done: the old files are no one's now.
    !insertmacro FOR_EACH_INSTALLED_FILE DELETE_OLD
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd
!endif

!ifdef UNINSTALLER
Function un.onInit
    SetShellVarContext current
    ; The second run, from the temporary folder of Uninstall.exe, which waits there for its
    ; sign: once that process has ended and let go of its file, the file goes, and the
    ; folder. Tried often while the file stays in use, and stopped at the first removal (or
    ; absence): a file of that name later on would be a new installation's.
    ${GetOptions} $CMDLINE "/REMOVEUNINSTALL" $0
    ${IfNot} ${Errors}
        FileOpen $0 "$EXEDIR\removing" w
        FileClose $0
        StrCpy $1 0
        ${Do}
            ClearErrors
            Delete "$INSTDIR\Uninstall.exe"
            ${IfNot} ${Errors}
            ${OrIfNot} ${FileExists} "$INSTDIR\Uninstall.exe"
                ${Break}
            ${EndIf}
            Sleep 20
            IntOp $1 $1 + 20
        ${LoopUntil} $1 >= ${CLOSE_DEADLINE}
        RMDir "$INSTDIR"
        Quit
    ${EndIf}
FunctionEnd

; Moved aside first, all or none, so a file in use stops the run before anything is gone.
Section "Uninstall"
    Call un.CloseRunningProgram
    Call un.WaitUntilFilesFree

    ; Only our own files: /D= may have put them in a folder that holds other things.
    StrCpy $Failed ""
    !insertmacro FOR_EACH_PROGRAM_FILE MOVE_ASIDE
    ${If} $Failed != ""
        !insertmacro FOR_EACH_PROGRAM_FILE PUT_BACK
        !insertmacro FAIL ${EXIT_FILE_IN_USE} "$Failed cannot be removed."
    ${EndIf}
    !insertmacro FOR_EACH_PROGRAM_FILE DELETE_OLD
    ; Uninstall.exe, which waits for this, goes after it (un.onInit), and the folder with
    ; it; both go now only when Uninstall.exe was given another folder.
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

    ; Settings stay unless the user wants them gone: a reinstall finds them again. A user
    ; who never saved any is not asked about them.
    ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
    ${IfNot} ${Errors}
        Call un.RemoveSettings
    ${ElseIfNot} ${Silent}
        ClearErrors
        EnumRegValue $0 HKCU "${SETTINGS_KEY}" 0
        ${IfNot} ${Errors}
            MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
                "Remove your ${PRODUCT} settings as well?" IDNO keepSettings
            Call un.RemoveSettings
            keepSettings:
        ${EndIf}
    ${EndIf}
SectionEnd

Function un.RemoveSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${MAKER_KEY}"
FunctionEnd
!endif

; The Dashmarks installer: per user, no administrator rights, into %LOCALAPPDATA%\Programs\Dashmarks.
; It holds both builds of the program and installs the 64-bit one on 64-bit Windows (x64, and ARM64
; where it runs x64 programs), the 32-bit one elsewhere.
; Built by scripts/package, which passes:
;   /DVERSION=1.32.1           the program's version (CMakeLists.txt's project() line)
;   /DPROGRAM32_DIR=...        the folder holding the 32-bit Dashmarks.exe and Dashmarks.html
;   /DPROGRAM64_DIR=...        the folder holding the 64-bit Dashmarks.exe
;   /DOUTPUT=...setup.exe      the installer to write
;   /DICON=...dashmarks.ico    the program's icon
;   /DSIGN=...                 (when signing) a command that signs the file named after it in place:
;                              run on the uninstaller before the installer takes it in, then on the
;                              installer
; Silent (/S): installs with the defaults, starts Dashmarks with Windows, and starts it at the end.
; Built with /DTEST_ELEVATED_COPY for the end-to-end tests only (see EndRunningCopy).

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh

!define PRODUCT "Dashmarks"
!define PUBLISHER "Vantrel"
!define MAIN_WINDOW_CLASS "DashmarksMain"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Vantrel\Dashmarks"
!define SYNCHRONIZE 0x00100000
!define WAIT_TIMEOUT 0x102
!define ERROR_ACCESS_DENIED 5
!define SMTO_NORMAL 0
!define IMAGE_FILE_MACHINE_AMD64 0x8664
; MACHINE_ATTRIBUTES: the machine's programs run in user mode.
!define MACHINE_USER_ENABLED 1
; How long a running copy gets to save its list and end.
!define END_DEADLINE_MS 15000
; How long the window of a copy whose close request came back refused may take to go before the
; copy is taken to have refused it.
!define REFUSAL_GRACE_MS 3000

Name "${PRODUCT}"
OutFile "${OUTPUT}"
!ifdef SIGN
  ; The uninstaller is made with the installer and signed before it is packed into it; the
  ; installer is signed last. A failed signing fails the build.
  !uninstfinalize '${SIGN} "%1"' = 0
  !finalize '${SIGN} "%1"' = 0
!endif
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Dashmarks.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

Var StartWithWindows
Var StartWithWindowsBox
Var Use64BitProgram

!insertmacro MUI_PAGE_WELCOME
Page custom OptionsPage OptionsPageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; A line for a debugger (OutputDebugString), where a failure the user meets is told.
!macro TRACE TEXT
  System::Call 'kernel32::OutputDebugStringW(w "${PRODUCT} ${TEXT}$\n")'
!macroend

; Ends a running copy the way the program ends itself when the task list closes it: a close request
; (WM_CLOSE) to its hidden main window, upon which it saves the list of folders and ends. Waits for
; its process to end, with a deadline; a copy that does not end stops the (un)installation.
; A copy that runs as administrator does not take the request from a program that does not: Windows
; refuses the send with ERROR_ACCESS_DENIED, and the copy stays. The user is told so in plain words,
; and nothing is installed over it (or taken away from under it).
!macro END_RUNNING_COPY un WHO
Function ${un}EndRunningCopy
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  retry:
  FindWindow $0 "${MAIN_WINDOW_CLASS}" ""
  ${If} $0 <> 0
    DetailPrint "Closing the running ${PRODUCT}..."
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1) i'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    !ifdef TEST_ELEVATED_COPY
      ; Wine knows no integrity levels: the tests' build takes the answer Windows gives to a send to
      ; a copy that runs as administrator in place of the send.
      StrCpy $4 0
      Push ${ERROR_ACCESS_DENIED}
    !else
      System::Call 'user32::SendMessageTimeoutW(p r0, i ${WM_CLOSE}, p 0, p 0, i ${SMTO_NORMAL}, i 5000, \
        *p 0) p .r4 ?e'
    !endif
    Pop $3
    ${If} $4 P= 0
    ${AndIf} $3 = ${ERROR_ACCESS_DENIED}
      ; The send can get the same answer when the copy ends before it has answered (it saves its list
      ; and ends while handling the request): only a copy whose window stays has refused it.
      StrCpy $1 0
      still_there:
      IsWindow $0 0 answered
      IntOp $1 $1 + 100
      Sleep 100
      IntCmp $1 ${REFUSAL_GRACE_MS} 0 still_there
      ${If} $2 P<> 0
        System::Call 'kernel32::CloseHandle(p r2)'
      ${EndIf}
      !insertmacro TRACE "${WHO}: the running copy refused the close request (access denied): \
        it runs as administrator"
      MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is running as administrator and cannot be closed by this \
        ${WHO}. Close it from its icon (Exit), then run the ${WHO} again." /SD IDOK
      SetErrorLevel 2
      Quit
      answered:
    ${EndIf}
    StrCpy $3 ${WAIT_TIMEOUT}
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i ${END_DEADLINE_MS}) i .r3'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${Else}
      ; No handle to wait on: the window's end stands for the program's.
      StrCpy $1 0
      poll:
      IsWindow $0 0 closed
      IntOp $1 $1 + 100
      Sleep 100
      IntCmp $1 ${END_DEADLINE_MS} 0 poll
      Goto waited
      closed:
      Sleep 500
      StrCpy $3 0
      waited:
    ${EndIf}
    ${If} $3 = ${WAIT_TIMEOUT}
      !insertmacro TRACE "${WHO}: the running copy did not end within ${END_DEADLINE_MS} ms of its \
        close request"
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is still running. End it from its icon (Exit), then choose Retry." /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    ${EndIf}
    Goto retry
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPY "" "setup"
!insertmacro END_RUNNING_COPY "un." "uninstaller"

Function .onInit
  SetShellVarContext current
  StrCpy $StartWithWindows ${BST_CHECKED}
  Call ChooseProgram
FunctionEnd

; The 64-bit program goes where Windows runs x64 programs: x64 Windows, and ARM64 Windows that
; emulates them (Windows 11; Windows 10 on ARM runs 32-bit x86 programs only); the 32-bit one
; elsewhere. Both go to the same folder: the installation is per user, and every key it writes lies
; under HKCU\Software, which Windows shares between 32-bit and 64-bit programs.
Function ChooseProgram
  StrCpy $Use64BitProgram 0
  ${If} ${IsNativeAMD64}
    StrCpy $Use64BitProgram 1
  ${ElseIf} ${IsNativeARM64}
    ; Where the function is missing (before Windows 11), the call leaves "error" for its result.
    System::Call 'kernel32::GetMachineTypeAttributes(i ${IMAGE_FILE_MACHINE_AMD64}, *i 0 r0) i .r1'
    ${If} $1 == 0
      IntOp $0 $0 & ${MACHINE_USER_ENABLED}
      ${If} $0 <> 0
        StrCpy $Use64BitProgram 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function OptionsPage
  !insertmacro MUI_HEADER_TEXT "Options" "Choose how ${PRODUCT} starts."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 24u "${PRODUCT} waits in the notification area, ready for the next file dialog."
  Pop $0
  ${NSD_CreateCheckbox} 0 32u 100% 12u "Start ${PRODUCT} when Windows starts"
  Pop $StartWithWindowsBox
  ${NSD_SetState} $StartWithWindowsBox $StartWithWindows
  nsDialogs::Show
FunctionEnd

Function OptionsPageLeave
  ${NSD_GetState} $StartWithWindowsBox $StartWithWindows
FunctionEnd

Section "Dashmarks"
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  ${If} $Use64BitProgram = 1
    File "${PROGRAM64_DIR}\Dashmarks.exe"
  ${Else}
    File "${PROGRAM32_DIR}\Dashmarks.exe"
  ${EndIf}
  File "${PROGRAM32_DIR}\Dashmarks.html"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Dashmarks.exe" "" "$INSTDIR\Dashmarks.exe" 0

  ${If} $StartWithWindows == ${BST_CHECKED}
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Dashmarks.exe"'
  ${Else}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dashmarks.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The finish page's check box starts the program after an installation with pages; a silent one
; starts it here.
Function .onInstSuccess
  ${If} ${Silent}
    Exec '"$INSTDIR\Dashmarks.exe"'
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  Delete "$INSTDIR\Dashmarks.exe"
  Delete "$INSTDIR\Dashmarks.html"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The copy of the help page the program writes when none lies beside it.
  Delete "$TEMP\Dashmarks.html"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  MessageBox MB_YESNO|MB_ICONQUESTION "Keep your list of folders for a later installation of ${PRODUCT}?" \
    /SD IDYES IDYES keep
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Vantrel"
  keep:
SectionEnd

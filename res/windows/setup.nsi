; The Windows setup of Stillmark: a per-user install (no administrator rights) into
; %LOCALAPPDATA%\Programs\Stillmark with a Start-menu shortcut and an entry in the user's list of
; installed programs. The uninstaller keeps the user's settings (%APPDATA%\Stillmark).
; Built by CMake's windows_installer target (make windows-installer), which passes (-D...):
;   VERSION       1.2             VERSION_QUAD  1.2.0.0 (the setup's own version information)
;   EXE           the program     LOCALE        the catalogs' folder (<lang>\LC_MESSAGES\stillmark.mo);
;   ICON          the icon                      left out of the setup when it does not exist
;   OUTFILE       the setup to write
; The file is UTF-8: makensis -INPUTCHARSET UTF8.
Unicode true
; This Wine, like 64-bit Windows without its 32-bit layer, runs 64-bit programs only.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh

!define NAME "Stillmark"
!define PUBLISHER "The Stillmark developers"
!define PROGRAM "stillmark.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; Where the program's "Start with Windows" puts its command line (value "Stillmark").
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
; An update goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the default; otherwise the setup speaks the user's language when it has it.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString ProgramRunning ${LANG_ENGLISH} \
  "Stillmark is running. Please end it (its tray icon's menu, Exit), then choose Retry."
LangString ProgramRunning ${LANG_GERMAN} \
  "Stillmark läuft. Bitte beenden Sie es (im Menü seines Symbols im Infobereich: Beenden) und wählen Sie dann Wiederholen."

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "2026 ${PUBLISHER}"

; A running program's file cannot be opened for writing: until the user has ended it, neither the
; setup nor the uninstaller touches anything (silently: they give up, with exit code 2).
!macro WaitForProgramToEnd un
  Function ${un}WaitForProgramToEnd
    retry:
      IfFileExists "$INSTDIR\${PROGRAM}" 0 done
      ClearErrors
      FileOpen $0 "$INSTDIR\${PROGRAM}" a
      IfErrors 0 closed
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
      Abort
    closed:
      FileClose $0
    done:
  FunctionEnd
!macroend
!insertmacro WaitForProgramToEnd ""
!insertmacro WaitForProgramToEnd "un."

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Stillmark"
  Call WaitForProgramToEnd
  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM}" "${EXE}"
  ; The catalogs of this version only: none of an earlier one's languages stays behind.
  RMDir /r "$INSTDIR\locale"
  !if /FileExists "${LOCALE}"
    SetOutPath "$INSTDIR\locale"
    File /r "${LOCALE}\*.mo"
    SetOutPath "$INSTDIR"
  !endif
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${PROGRAM}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB, as the list of programs shows it: what is installed now, the uninstaller included.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the setup put there, and the program's own Run value; the settings stay.
Section "Uninstall"
  Call un.WaitForProgramToEnd
  Delete "$INSTDIR\${PROGRAM}"
  RMDir /r "$INSTDIR\locale"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${NAME}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

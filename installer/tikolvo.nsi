; The installer a Windows user downloads. It needs no administrator rights:
; the program keeps its data files beside itself, so it goes where the user
; may write, the programs folder of the local application data. Built by
; installer/build_installer.sh, which passes VERSION, OUTFILE and the two
; generated file lists (what to put in place and what to take away).
Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Tikolvo"
!define EXE "Tikolvo.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program's own autorun value: the same key, name and data (the exe's
; full path, unquoted) as its "add to autorun" button writes.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tikolvo"

Name "${PRODUCT}"
Caption "Установка ${PRODUCT} ${VERSION}"
UninstallCaption "Удаление ${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка ${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "${PRODUCT}"

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить ${PRODUCT}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; A running clock holds its exe open and writes config.cfg when it closes,
; so it is asked to close (as the user's "Выход" would) before any file is
; touched. The program's single-instance mutex tells whether it runs.
!macro CLOSE_RUNNING_CLOCK
  StrCpy $1 0
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${PRODUCT}") p.r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    ${If} $1 = 0
      FindWindow $2 "TMainForm"
      ${If} $2 <> 0
        SendMessage $2 ${WM_CLOSE} 0 0 /TIMEOUT=5000
      ${EndIf}
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 > 100
      MessageBox MB_OK|MB_ICONSTOP "Закройте ${PRODUCT} и запустите программу снова." /SD IDOK
      Abort
    ${EndIf}
    Sleep 100
  ${Loop}
!macroend

Section "${PRODUCT}" SecProgram
  SectionIn RO
  !insertmacro CLOSE_RUNNING_CLOCK
  ; Only the program's own files are written: config.cfg, skin.cfg, the .db
  ; files and the user's skins stay as they are on an upgrade.
  !include "${INSTALL_LIST}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Ярлык в меню «Пуск»" SecShortcut
  SetShellVarContext current
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Удалить ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section /o "Запускать вместе с Windows" SecAutorun
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" "$INSTDIR\${EXE}"
SectionEnd

; "/AUTORUN" on the command line ticks autorun, for silent installations.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTORUN" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutorun}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro CLOSE_RUNNING_CLOCK
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\${UNINSTALLER}"

  ; The user's settings and records go only when the user says so; a silent
  ; uninstallation keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Удалить также настройки и данные программы (config.cfg, skin.cfg и файлы .db)?" /SD IDNO IDNO keep_data
    Delete "$INSTDIR\config.cfg"
    Delete "$INSTDIR\skin.cfg"
    Delete "$INSTDIR\*.db"
    Delete "$INSTDIR\*.tmp~"
  keep_data:
  RMDir "$INSTDIR\plug"
  RMDir "$INSTDIR\skins"
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Удалить ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ; The autorun value goes only if it starts this copy of the program.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == "$INSTDIR\${EXE}"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

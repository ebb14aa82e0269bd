; Ormel Clock set-up: installs the program folder into the user's programs folder, adds a
; Start-menu entry and registers the uninstaller. cmake/package.cmake builds it with
;   makensis -NOCD -DVERSION=x.y.z -DTARGET=x86-unicode -DOUTFILE=... -DICON=... installer.nsi
; from the folder that holds the staged "Ormel Clock" folder and the two generated file lists.
;
; Silent use:  OrmelClock-x.y.z-setup.exe /S [/D=folder]
;              uninstall.exe /S                  keeps the settings
;              uninstall.exe /S /REMOVESETTINGS  removes them as well

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Ormel Clock"
!define EXE "OrmelClock.exe"
!define WINDOW_CLASS "TfrmMain"
!define SETTINGS_KEY "Software\Kandrel\OrmelClock"
!define MAKER_KEY "Software\Kandrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "OrmelClock"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OrmelClock"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} set-up"
VIAddVersionKey /LANG=1033 "CompanyName" "Kandrel"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) the Ormel Clock developers"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running clock keeps its exe open, and it saves its settings as it ends: ask it to close
; (as "Exit" does) and wait for its process to end, at most 10 s.
!macro CLOSE_RUNNING_CLOCK un
Function ${un}CloseRunningClock
  FindWindow $0 "${WINDOW_CLASS}" "${PRODUCT}"
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "Closing the running ${PRODUCT}"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
  StrCpy $3 0
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
  FindWindow $0 "${WINDOW_CLASS}" "${PRODUCT}"
  ${If} $0 <> 0
  ${OrIf} $3 <> 0
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is still running. Close it and start again." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_CLOCK ""
!insertmacro CLOSE_RUNNING_CLOCK "un."

Section "${PRODUCT}"
  Call CloseRunningClock
  !include "install_files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"  ; the shortcut starts the clock in its own folder
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kandrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.CloseRunningClock
  ; Only the files this set-up installed: skins the user added to face\ stay, and so
  ; does every folder that still holds something.
  !include "uninstall_files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove your ${PRODUCT} settings as well (skin, position, countdown and timer)?" \
      /SD IDNO IDNO keep_settings
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${MAKER_KEY}"
  keep_settings:
SectionEnd

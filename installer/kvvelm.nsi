; KVVELM for Windows: installs the programs in Program Files with a Start-menu entry and an
; uninstaller (also listed in Settings > Apps). Built by `make windows`:
;   makensis -DVERSION=x.y -DBINARIES=<folder with the .exe files> -DOUTFILE=<setup.exe> kvvelm.nsi
; Silent use: kvvelm-<version>-setup.exe /S [/D=C:\other\folder], uninstall.exe /S.
; A 64-bit installer: it runs where the 64-bit programs run, wine64 included.
Target amd64-unicode
!ifndef VERSION
  !define VERSION "0.1"
!endif
!define PRODUCT "KVVELM"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KVVELM"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "KVVELM"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${BINARIES}/kvvelm-batch.exe"
  File "${BINARIES}/kvvelm.exe"
  File "${BINARIES}/README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\KVVELM.lnk" "$INSTDIR\kvvelm.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\KVVELM (riga di comando).lnk" "$SYSDIR\cmd.exe" \
      '/k "cd /d "$INSTDIR" && kvvelm-batch.exe --help"'
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Leggimi.lnk" "$INSTDIR\README.txt"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Disinstalla KVVELM.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\kvvelm-batch.exe"
  Delete "$INSTDIR\kvvelm.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\${PRODUCT}"
SectionEnd

; The Tarvex 380 driver software for 64-bit Windows: the TWAIN data source
; and its imaging library where TWAIN 2 managers look for 64-bit sources, the
; scanner's properties extension and the scanning client in the program
; folder, and, for a machine without the scanner's own driver library, the
; simulated scanner with its sample pages.
;
; Made by the build (installer/CMakeLists.txt), which passes
;   VERSION      the product's version, a.b.c.d
;   BIN          the build's program folder
;   SAMPLES_NSH  the generated macros that install and remove the sample pages
;   OUTFILE      the installer to write
; Silent: Tarvex380-<version>-setup.exe /S  (uninstaller: Uninstall.exe /S).
; Components in silent mode follow the same defaults as the dialog.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!include "LogicLib.nsh"
!include "Sections.nsh"
!include "${SAMPLES_NSH}"

!define PRODUCT "Tarvex 380"
!define PUBLISHER "VSK"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvex380"
!define SOURCE_DIR "$WINDIR\twain_64\VSK"
!define MENU_DIR "$SMPROGRAMS\${PRODUCT}"
; Exit code of an installer started without administrator rights (the
; Windows code for "the requested operation requires elevation").
!define ERROR_ELEVATION_REQUIRED 740

Name "${PRODUCT} driver software ${VERSION}"
Caption "${PRODUCT} driver software ${VERSION} Setup"
UninstallCaption "${PRODUCT} driver software ${VERSION} Uninstall"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\VSK\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} driver software ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT} driver software"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} driver software Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var simulatorChosen

; Stops unless the process holds administrator rights: every part goes into
; system or machine-wide folders.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Administrator rights are needed to install or remove the ${PRODUCT} driver software.$\r$\nStart the program again as an administrator." /SD IDOK
    SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
    Quit
  ${EndIf}
!macroend

Section "TWAIN data source" SecSource
  SectionIn RO
  SetOutPath "${SOURCE_DIR}"
  File "${BIN}\TARVX380.ds"
  File "${BIN}\VOZozur.dll"
SectionEnd

Section "Scanner properties and scanning client" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BIN}\TX380WUI.dll"
  File "${BIN}\txscan.exe"
  ClearErrors
  RegDLL "$INSTDIR\TX380WUI.dll"
  ${If} ${Errors}
    DetailPrint "The scanner properties extension could not be registered."
    MessageBox MB_OK|MB_ICONEXCLAMATION "The scanner properties extension could not be registered." /SD IDOK
    SetErrorLevel 2
  ${EndIf}
  CreateDirectory "${MENU_DIR}"
  CreateShortcut "${MENU_DIR}\Scan with ${PRODUCT}.lnk" "$INSTDIR\txscan.exe" \
    'scan --source "${SOURCE_DIR}\TARVX380.ds" --ui --pages all --out "$DOCUMENTS\${PRODUCT} scan.pdf"' \
    "$INSTDIR\txscan.exe" 0
  CreateShortcut "${MENU_DIR}\Uninstall.lnk" "$INSTDIR\Uninstall.exe"
SectionEnd

Section /o "Simulated scanner" SecSimulator
  SetOutPath "$SYSDIR"
  File "${BIN}\TARVX380.dll"
  SetOutPath "$SYSDIR\samples"
  !insertmacro TX_INSTALL_SAMPLES
  StrCpy $simulatorChosen 1
SectionEnd

Section "-Uninstall entry"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} driver software"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\txscan.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Whether the driver library in the system folder is ours: only then does
  ; an upgrade offer it again and the uninstaller remove it.
  ${If} $simulatorChosen == 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "SimulatedScanner" 1
  ${EndIf}
SectionEnd

Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro RequireAdministrator
  StrCpy $simulatorChosen 0
  ; The simulated scanner is offered by default unless a driver library that
  ; is not ours is already installed.
  ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "SimulatedScanner"
  ${If} ${FileExists} "$SYSDIR\TARVX380.dll"
  ${AndIf} $1 != 1
    !insertmacro UnselectSection ${SecSimulator}
  ${Else}
    !insertmacro SelectSection ${SecSimulator}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro RequireAdministrator
FunctionEnd

Section "Uninstall"
  ClearErrors
  UnRegDLL "$INSTDIR\TX380WUI.dll"
  ${If} ${Errors}
    DetailPrint "The scanner properties extension was not registered."
  ${EndIf}
  Delete "$INSTDIR\TX380WUI.dll"
  Delete "$INSTDIR\txscan.exe"
  Delete "${SOURCE_DIR}\TARVX380.ds"
  Delete "${SOURCE_DIR}\VOZozur.dll"
  RMDir "${SOURCE_DIR}"
  ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "SimulatedScanner"
  ${If} $1 == 1
    Delete "$SYSDIR\TARVX380.dll"
    !insertmacro TX_REMOVE_SAMPLES
    RMDir "$SYSDIR\samples"
  ${EndIf}
  Delete "${MENU_DIR}\Scan with ${PRODUCT}.lnk"
  Delete "${MENU_DIR}\Uninstall.lnk"
  RMDir "${MENU_DIR}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES64\VSK"
  DetailPrint "Your scanner settings (TARVX380.INI in $LOCALAPPDATA\Mirevo) are kept."
  MessageBox MB_OK|MB_ICONINFORMATION "Your scanner settings (TARVX380.INI in $LOCALAPPDATA\Mirevo) are kept for a later installation. Delete the file to remove them too." /SD IDOK
SectionEnd


; Installer of the Windows client: the program and its documents, a Start-menu folder with the program and its
; uninstaller, and the entry under Programs and Features. scripts/package.sh runs it as
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSOURCE_DIR=<folder with namer.exe, README.txt, THIRD_PARTY.txt>
;            -DICON_FILE=<namer.ico> -DOUT_FILE=<namer-1.0.0-setup.exe> namer.nsi
; It installs for all users and needs administrator rights. Silent use: setup.exe /S [/D=folder].
; A 64-bit installer for the 64-bit program: it installs where 64-bit programs go and writes the 64-bit registry.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!macro require_definition name
  !ifndef ${name}
    !error "${name} must be given (-D${name}=...)"
  !endif
!macroend
!insertmacro require_definition VERSION
!insertmacro require_definition SOURCE_DIR
!insertmacro require_definition ICON_FILE
!insertmacro require_definition OUT_FILE

!define PRODUCT_NAME "免费起名软件"
!define SETTINGS_KEY "Software\Namer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT_NAME}"

Name "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUT_FILE}"
!define DEFAULT_FOLDER "$PROGRAMFILES64\Namer"
InstallDir "${DEFAULT_FOLDER}"
RequestExecutionLevel admin
BrandingText "${PRODUCT_NAME} ${VERSION}"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\namer.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's language is neither.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_LINK_CHINESE "卸载 ${PRODUCT_NAME}"
!define UNINSTALL_LINK_ENGLISH "Uninstall ${PRODUCT_NAME}"
LangString uninstall_link ${LANG_SIMPCHINESE} "${UNINSTALL_LINK_CHINESE}"
LangString uninstall_link ${LANG_ENGLISH} "${UNINSTALL_LINK_ENGLISH}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT_NAME} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"

Function .onInit
  ; The Start menu of all users, the same place the uninstaller cleans.
  SetShellVarContext all
  ; An update goes where the program already is, unless a folder was given with /D.
  ${If} $INSTDIR == "${DEFAULT_FOLDER}"
    ReadRegStr $0 HKLM "${SETTINGS_KEY}" "InstallDir"
    ${If} $0 != ""
      StrCpy $INSTDIR $0
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Program"
  SetOutPath "$INSTDIR"
  File "${SOURCE_DIR}/namer.exe"
  File "${SOURCE_DIR}/README.txt"
  File "${SOURCE_DIR}/THIRD_PARTY.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT_NAME}.lnk" "$INSTDIR\namer.exe" "" "$INSTDIR\namer.exe" 0
  CreateShortcut "${MENU_FOLDER}\$(uninstall_link).lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\namer.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes only what the installer put there; a folder that still holds other files stays.
Section "Uninstall"
  Delete "${MENU_FOLDER}\${PRODUCT_NAME}.lnk"
  ; The link is named in the language the installer ran in.
  Delete "${MENU_FOLDER}\${UNINSTALL_LINK_CHINESE}.lnk"
  Delete "${MENU_FOLDER}\${UNINSTALL_LINK_ENGLISH}.lnk"
  RMDir "${MENU_FOLDER}"
  Delete "$INSTDIR\namer.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\THIRD_PARTY.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${SETTINGS_KEY}"
SectionEnd

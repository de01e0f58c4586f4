; Installer of the Windows client: program files, Start-menu shortcut, uninstaller.
; makensis -DVERSION=1.0.0 -DSOURCE_DIR=<folder with namer.exe and the documents> -DOUT_FILE=<setup.exe> namer.nsi
Unicode true
SetCompressor /SOLID lzma

!ifndef VERSION
  !define VERSION "0.0.0"
!endif

Name "免费起名软件 ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\Namer"
InstallDirRegKey HKLM "Software\Namer" "InstallDir"
RequestExecutionLevel admin

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Program"
  SetOutPath "$INSTDIR"
  File "${SOURCE_DIR}\namer.exe"
  File "${SOURCE_DIR}\README.txt"
  File "${SOURCE_DIR}\THIRD_PARTY.txt"
  WriteRegStr HKLM "Software\Namer" "InstallDir" "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\免费起名软件"
  CreateShortcut "$SMPROGRAMS\免费起名软件\免费起名软件.lnk" "$INSTDIR\namer.exe"
  CreateShortcut "$SMPROGRAMS\免费起名软件\卸载.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer" "DisplayName" "免费起名软件"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer" "UninstallString" '"$INSTDIR\uninstall.exe"'
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\免费起名软件\免费起名软件.lnk"
  Delete "$SMPROGRAMS\免费起名软件\卸载.lnk"
  RMDir "$SMPROGRAMS\免费起名软件"
  Delete "$INSTDIR\namer.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\THIRD_PARTY.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer"
  DeleteRegKey HKLM "Software\Namer"
SectionEnd

; The Windows installer, built by scripts/windows-package.sh with Debian's
; makensis:  makensis -DVERSION=1.0.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe>
; It installs what the portable zip holds, adds a Start-menu entry, an optional
; desktop shortcut and the .cvl file type, and an uninstaller that removes only
; what was installed: the user's own %APPDATA%\Corvala is never touched.
; A 64-bit installer, like the program: it runs where the program runs (a
; 64-bit Wine without 32-bit support included) and sees the 64-bit registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

Name "Corvala ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Corvala"
InstallDirRegKey HKLM "Software\Corvala" "InstallDir"
BrandingText "Corvala ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvala"
!define FILE_TYPE "Corvala.Catalogue"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Corvala" SectionProgram
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  ; The uninstaller beside the program also tells the program it is installed
  ; (it then keeps the user's files in %APPDATA%\Corvala).
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Corvala" "InstallDir" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Corvala"
  CreateShortCut "$SMPROGRAMS\Corvala\Corvala.lnk" "$INSTDIR\corvala.exe" "" "$INSTDIR\corvala.exe" 0
  CreateShortCut "$SMPROGRAMS\Corvala\Corvala v okne.lnk" "$INSTDIR\corvala.exe" "--window" "$INSTDIR\corvala.exe" 0
  CreateShortCut "$SMPROGRAMS\Corvala\Odinštalovať Corvala.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCR ".cvl" "" "${FILE_TYPE}"
  WriteRegStr HKCR "${FILE_TYPE}" "" "Katalóg hmlovín Corvala"
  WriteRegStr HKCR "${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\corvala.exe,0"
  WriteRegStr HKCR "${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\corvala.exe" "%1"'
  ; Explorer shows the new file type without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Corvala"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\corvala.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Zástupca na ploche / Desktop shortcut" SectionDesktop
  SetShellVarContext all
  CreateShortCut "$DESKTOP\Corvala.lnk" "$INSTDIR\corvala.exe" "" "$INSTDIR\corvala.exe" 0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  ; Only what the installer put here, never the folder's other contents.
  Delete "$INSTDIR\corvala.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\Fonts"
  RMDir /r "$INSTDIR\Pictures"
  RMDir /r "$INSTDIR\samples"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Corvala\Corvala.lnk"
  Delete "$SMPROGRAMS\Corvala\Corvala v okne.lnk"
  Delete "$SMPROGRAMS\Corvala\Odinštalovať Corvala.lnk"
  RMDir "$SMPROGRAMS\Corvala"
  Delete "$DESKTOP\Corvala.lnk"

  ; The .cvl type is removed only while it is still ours.
  ReadRegStr $0 HKCR ".cvl" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKCR ".cvl"
  DeleteRegKey HKCR "${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Corvala"
SectionEnd

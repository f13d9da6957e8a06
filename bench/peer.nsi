; bench/peer.nsi: a peer installer carrying the same five files with the zlib compressor,
; installing them into $PROGRAMFILES\Tarvelle with the same registry values, the same two
; shortcuts (on all users' desktop and in their Start menu's programs) and an uninstaller, behind
; a welcome page as ours has. makensis -DPAYLOADS=<folder> [-DEMPTY] peer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID zlib
Name "Tarvelle Pigmora Demo"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\Tarvelle"
RequestExecutionLevel admin
SilentInstall normal
!include "MUI2.nsh"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Install"
  SetOutPath "$INSTDIR"
!ifndef EMPTY
  File "${PAYLOADS}\TarvelleShell.exe"
  File "${PAYLOADS}\uninstall.exe"
  File "${PAYLOADS}\license.txt"
  SetOutPath "$INSTDIR\plugins"
  File "/oname=Tarvelle_Pigmora_Demo.tvplg" "${PAYLOADS}\Tarvelle_Pigmora_Demo.dll"
  SetOutPath "$INSTDIR\presets"
  File "${PAYLOADS}\PigmoraPresets.ini"
!endif
  WriteRegStr HKCU "Software\Tarvelle\files\tarvelleshell" "filelocation.tarvelleshell" "$INSTDIR\TarvelleShell.exe"
  WriteRegStr HKCU "Software\Tarvelle\files\pigmorademo" "filelocation.tarvelleshell" "$INSTDIR\plugins\Tarvelle_Pigmora_Demo.tvplg"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "UninstallString" "$INSTDIR\peer-uninstall.exe"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "DisplayName" "Tarvelle Uninstall Manager"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "DisplayVersion" "1.0"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "Publisher" "Tarvelle"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "InstallLocation" "$INSTDIR\"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "URLInfoAbout" "https://www.tarvelle.example/"
  WriteRegDWORD HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "NoModify" 1
  WriteRegDWORD HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvelle" "NoRepair" 1
  SetShellVarContext all
  CreateShortCut "$DESKTOP\Tarvelle Shell.lnk" "$INSTDIR\TarvelleShell.exe"
  CreateShortCut "$SMPROGRAMS\Tarvelle Shell.lnk" "$INSTDIR\TarvelleShell.exe"
  WriteUninstaller "$INSTDIR\peer-uninstall.exe"
SectionEnd

Section "Uninstall"
  RMDir /r "$INSTDIR"
SectionEnd

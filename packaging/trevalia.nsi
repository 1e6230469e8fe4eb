; The Windows setup program. It installs the game for the player alone, with
; no administrator rights, under %LOCALAPPDATA%\Programs\Trevalia (Windows' own
; folder for programs of one user), adds a Start menu shortcut, and registers
; an uninstaller that Settings > Apps lists. /S installs or uninstalls
; silently; /D=FOLDER, last, chooses another folder.
;
; cmake/windows-instalador.cmake runs makensis with VERSAO, PASTA (the player's
; folder, as in the zip), ICONE, AUTORES, INSTALAR (what the setup puts in
; place, in sorted order), LISTA (what the uninstaller removes) and SAIDA (the
; setup program) defined.

Unicode true
; A 64-bit setup for a 64-bit game; Wine's 64-bit-only builds run no other.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true
; No file in the setup carries a date, neither the game's nor the plug-in of
; the finish page, which would carry the day it was built: the same commit
; gives the same setup program.
SetDateSave off

!include MUI2.nsh
!include FileFunc.nsh

!define CHAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trevalia"

Name "Trevalia"
OutFile "${SAIDA}"
InstallDir "$LOCALAPPDATA\Programs\Trevalia"
; Installing again goes where the last installation went.
InstallDirRegKey HKCU "${CHAVE}" "InstallLocation"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\trevalia.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    !include "${INSTALAR}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; A shortcut starts its program in the folder SetOutPath set last: the
    ; game's own, where imagens\ is.
    CreateShortcut "$SMPROGRAMS\Trevalia.lnk" "$INSTDIR\trevalia.exe" "" "$INSTDIR\trevalia.exe" 0

    WriteRegStr HKCU "${CHAVE}" "DisplayName" "Trevalia"
    WriteRegStr HKCU "${CHAVE}" "DisplayIcon" "$INSTDIR\trevalia.exe,0"
    WriteRegStr HKCU "${CHAVE}" "DisplayVersion" "${VERSAO}"
    WriteRegStr HKCU "${CHAVE}" "Publisher" "${AUTORES}"
    WriteRegStr HKCU "${CHAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${CHAVE}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${CHAVE}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ; Nothing to change or repair: Settings offers only to uninstall.
    WriteRegDWORD HKCU "${CHAVE}" "NoModify" 1
    WriteRegDWORD HKCU "${CHAVE}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${CHAVE}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Trevalia.lnk"
    DeleteRegKey HKCU "${CHAVE}"
    !include "${LISTA}"
    Delete "$INSTDIR\uninstall.exe"
    ; Last, so that a script can wait for the folder to go.
    RMDir "$INSTDIR"
SectionEnd

; The Windows installer, made by makensis (the `installer` target):
; quillory.exe, README.txt and LICENSE.txt in Program Files\Quillory, a
; Start-menu entry and an entry in Add or Remove Programs. Its uninstaller
; removes every one of them. With /S either asks nothing.
;   makensis -DVERSION=<version> -DFILES=<folder of the three files> -DOUTPUT=<setup.exe> -DBITS=32
; The 64-bit build, tested where only 64-bit Wine runs, gets a 64-bit
; installer (-DBITS=64) that installs into the 64-bit Program Files.
!if ${BITS} == 64
    Target amd64-unicode
    InstallDir "$PROGRAMFILES64\Quillory"
!else
    Unicode true
    InstallDir "$PROGRAMFILES\Quillory"
!endif
!include "MUI2.nsh"

!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory"
Name "Quillory ${VERSION}"
OutFile "${OUTPUT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; For every user of the machine: the Start menu's common folder.
Function .onInit
    SetShellVarContext all
FunctionEnd
Function un.onInit
    SetShellVarContext all
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "${FILES}/quillory.exe" "${FILES}/README.txt" "${FILES}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Quillory.lnk" "$INSTDIR\quillory.exe"
    WriteRegStr HKLM "${ENTRY}" DisplayName "Quillory"
    WriteRegStr HKLM "${ENTRY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${ENTRY}" Publisher "The Quillory team"
    WriteRegStr HKLM "${ENTRY}" DisplayIcon "$INSTDIR\quillory.exe"
    WriteRegStr HKLM "${ENTRY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${ENTRY}" UninstallString '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${ENTRY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${ENTRY}" NoModify 1
    WriteRegDWORD HKLM "${ENTRY}" NoRepair 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Quillory.lnk"
    Delete "$INSTDIR\quillory.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${ENTRY}"
SectionEnd

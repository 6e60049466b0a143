; Cantivo's setup program and its uninstaller.
;   makensis -DVERSION=<x.y.z> -DPAYLOAD=<payload.nsh> -DOUTFILE=<setup.exe> cantivo.nsi
; A 64-bit installer: it loads the 64-bit plug-in in its own process to
; register it, and writes the 64-bit registry and Program Files, so nothing is
; redirected to the 32-bit views.
Target amd64-unicode
!include LogicLib.nsh
!include "${PAYLOAD}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cantivo"
; The write time of each bundled style as setup left it: a style whose time
; has changed since is the user's, and neither an upgrade nor the uninstaller
; touches it.
!define STYLE_RECORD "$INSTDIR\styles.ini"

Name "Cantivo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Cantivo"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Setup stops with exit code 2, which is what a silent install sees.
!macro Fail message
  SetErrorLevel 2
  Abort "${message}"
!macroend

; $R0: a style's path in the install folder. Sets $R1 to 1 when the style is
; missing or as setup left it, else to 0. Keeps the error flag as it was.
!macro STYLE_CHECK prefix
  Function ${prefix}StyleIsSetups
    StrCpy $R5 0
    IfErrors 0 +2
      StrCpy $R5 1
    StrCpy $R1 1
    ${If} ${FileExists} "$INSTDIR\$R0"
      ReadINIStr $R2 "${STYLE_RECORD}" "styles" "$R0"
      GetFileTime "$INSTDIR\$R0" $R3 $R4
      ${If} $R2 != "$R3 $R4"
        StrCpy $R1 0
      ${EndIf}
    ${EndIf}
    ClearErrors
    ${If} $R5 == 1
      SetErrors
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro STYLE_CHECK ""
!insertmacro STYLE_CHECK "un."

!macro InstallProgramFile name source
  SetOutPath "$INSTDIR"
  File "${source}"
!macroend

!macro RemoveProgramFile name source
  Delete "$INSTDIR\${name}"
!macroend

!macro InstallStyle folder style source
  StrCpy $R0 "${style}"
  Call StyleIsSetups
  ${If} $R1 == 1
    SetOutPath "$INSTDIR\${folder}"
    File "${source}"
    GetFileTime "$INSTDIR\${style}" $R3 $R4
    WriteINIStr "${STYLE_RECORD}" "styles" "${style}" "$R3 $R4"
  ${EndIf}
!macroend

!macro RemoveStyle folder style source
  StrCpy $R0 "${style}"
  Call un.StyleIsSetups
  ${If} $R1 == 1
    Delete "$INSTDIR\${style}"
  ${EndIf}
!macroend

; Only an empty folder goes: what the user put there stays.
!macro RemoveFolder folder
  RMDir "$INSTDIR\${folder}"
!macroend

Section
  SetRegView 64
  ClearErrors
  !insertmacro PROGRAM_FILES InstallProgramFile
  !insertmacro STYLE_FILES InstallStyle
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    !insertmacro Fail "Cannot write the program files to $INSTDIR."
  ${EndIf}

  RegDLL "$INSTDIR\QVB20x64.dll"
  ${If} ${Errors}
    !insertmacro Fail "Cannot register $INSTDIR\QVB20x64.dll."
  ${EndIf}

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Cantivo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} ${Errors}
    !insertmacro Fail "Cannot record the uninstaller."
  ${EndIf}
SectionEnd

Section Uninstall
  SetRegView 64
  UnRegDLL "$INSTDIR\QVB20x64.dll"
  !insertmacro PROGRAM_FILES RemoveProgramFile
  !insertmacro STYLE_FILES RemoveStyle
  Delete "${STYLE_RECORD}"
  !insertmacro STYLE_FOLDERS RemoveFolder
  RMDir "$INSTDIR\STYLES"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Its own file goes last: a silent uninstall is over once it has gone.
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

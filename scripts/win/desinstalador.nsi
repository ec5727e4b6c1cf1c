; uninstall.exe, built by scripts/win/build before the setup program that carries it:
;   makensis -DVERSION=1.0.0 -DARCHIVOS=<dir with quita.nsh> -DSALIDA=<uninstall.exe>
; A program cannot delete its own file while it runs, and NSIS's own uninstaller returns at
; once (it reruns itself from a temporary copy), losing the exit status. So this one waits:
;   uninstall.exe [/S]        copies itself to the temporary folder, runs the copy with
;                             /CARPETA=<its folder> and ends with the copy's exit status;
;   copy /CARPETA=<folder>    removes the package's files, shortcuts and registry entry, then
;                             starts itself with /ESPERA=<folder> and ends;
;   copy /ESPERA=<folder>     deletes uninstall.exe as soon as the first one has ended, then
;                             the folder if empty.
!include "comun.nsh"
VIAddVersionKey /LANG=0 "FileDescription" "Desinstalador de ${NOMBRE}"
OutFile "${SALIDA}"
Caption "Desinstalar ${NOMBRE}"
ShowInstDetails show

!define MUI_FINISHPAGE_TITLE "${NOMBRE} se quitó de este equipo"
!define MUI_FINISHPAGE_TEXT "Se quitaron el programa, sus accesos directos y su registro en la lista de programas. La carpeta del Tolvex no se tocó."
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "Spanish"

Function .onInit
  SetShellVarContext all
  SetRegView 64
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ESPERA=" $R1
  ${IfNot} ${Errors}
    SetSilent silent
    StrCpy $R2 0
    ${Do}
      Delete "$R1\uninstall.exe"
      ${IfNot} ${FileExists} "$R1\uninstall.exe"
        ${Break}
      ${EndIf}
      Sleep 50
      IntOp $R2 $R2 + 1
    ${LoopUntil} $R2 >= 1200
    RMDir "$R1"
    Delete /REBOOTOK "$EXEPATH"
    Quit
  ${EndIf}

  ClearErrors
  ${GetOptions} $R0 "/CARPETA=" $INSTDIR
  ${If} ${Errors}
    GetTempFileName $R3
    Delete $R3
    ClearErrors
    CopyFiles /SILENT "$EXEPATH" "$R3.exe"
    ${If} ${Errors}
      MessageBox MB_ICONSTOP|MB_OK "No se pudo preparar la desinstalación en $TEMP." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    StrCpy $R4 ""
    ${If} ${Silent}
      StrCpy $R4 "/S "
    ${EndIf}
    ClearErrors
    ExecWait '"$R3.exe" $R4/CARPETA=$EXEDIR' $R5
    ${If} ${Errors}
      SetErrorLevel 2
    ${Else}
      SetErrorLevel $R5
    ${EndIf}
    Quit
  ${EndIf}

  MessageBox MB_ICONQUESTION|MB_YESNO "¿Desea quitar ${NOMBRE} de $INSTDIR?$\r$\n$\r$\nLa carpeta del Tolvex no se toca." /SD IDYES IDYES +3
    SetErrorLevel 1
    Quit
FunctionEnd

; $R9 becomes 1 when the file cannot be opened for writing: a program still running.
!macro ChecaLibre ARCHIVO
  ${If} ${FileExists} "${ARCHIVO}"
    ClearErrors
    FileOpen $0 "${ARCHIVO}" a
    ${If} ${Errors}
      StrCpy $R9 1
    ${Else}
      FileClose $0
    ${EndIf}
  ${EndIf}
!macroend

Section "Desinstalar"
  SetShellVarContext all
  SetRegView 64
  ; Nothing is removed while one of the programs runs: a half-removed program would stay.
  StrCpy $R9 0
  !include "${ARCHIVOS}\ejecutables.nsh"
  ${If} $R9 == 1
    MessageBox MB_ICONSTOP|MB_OK "${NOMBRE} está abierto. Ciérrelo y vuelva a desinstalar." /SD IDOK
    SetErrorLevel 3
    Abort
  ${EndIf}
  ; Only the package's own files and folders; a folder is removed only once empty.
  !include "${ARCHIVOS}\quita.nsh"
  Delete "${MENU}\${NOMBRE}.lnk"
  RMDir "${MENU}"
  Delete "$DESKTOP\${NOMBRE}.lnk"
  ReadRegStr $R0 HKLM "${CLAVE_DESINSTALA}" "InstallLocation"
  ${If} $R0 == $INSTDIR
    DeleteRegKey HKLM "${CLAVE_DESINSTALA}"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\${PROGRAMA}"
    DetailPrint "No se pudo borrar $INSTDIR\${PROGRAMA}."
    SetErrorLevel 3
    Abort
  ${EndIf}
  Exec '"$EXEPATH" /ESPERA=$INSTDIR'
SectionEnd

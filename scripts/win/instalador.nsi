; The Windows setup program, built by scripts/win/build with makensis:
;   makensis -DVERSION=1.0.0 -DARCHIVOS=<dir> -DTAMANO_KB=<n> -DSALIDA=<setup.exe>
; ARCHIVOS holds instala.nsh and quita.nsh (the package's own file list, so that the
; uninstaller removes exactly what was installed and nothing else) and uninstall.exe.
; Silent: setup.exe /S [/TOLVEX=C:\Ruta] [/ESCRITORIO] /D=C:\Carpeta
!include "comun.nsh"
!include nsDialogs.nsh
!include WordFunc.nsh
VIAddVersionKey /LANG=0 "FileDescription" "Instalador de ${NOMBRE}"
OutFile "${SALIDA}"
InstallDir "$PROGRAMFILES64\${NOMBRE}"

Var Tolvex          ; the Tolvex root the shortcuts open
Var Escritorio      ; 1: a desktop shortcut too
Var CampoTolvex
Var CasillaEscritorio

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Este asistente instala ${NOMBRE} ${VERSION}, que contesta la encuesta de evaluación de riesgo con los datos del back office Tolvex.$\r$\n$\r$\nEl programa solo lee la base de datos del Tolvex; el instalador nunca escribe en su carpeta.$\r$\n$\r$\nHaga clic en Siguiente para continuar."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "Carpeta del programa"
!define MUI_PAGE_HEADER_SUBTEXT "Elija la carpeta donde se instalará ${NOMBRE}."
!define MUI_DIRECTORYPAGE_TEXT_TOP "${NOMBRE} se instalará en la carpeta siguiente. Para usar otra, haga clic en Examinar y elíjala. El programa va aparte de la carpeta del Tolvex, que se indica en el paso siguiente."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Carpeta del programa"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CarpetaProgramaSale
!insertmacro MUI_PAGE_DIRECTORY
Page custom PaginaTolvex PaginaTolvexSale
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "Spanish"

; Pushes 0 when folder $0 is folder $1 or lies inside it, 1 otherwise (case ignored, as
; Windows does; StrCmp ignores case).
Function DentroDe
  StrLen $2 $1
  StrCpy $3 $0 $2
  ${If} $3 != $1
    Push 1
    Return
  ${EndIf}
  StrCpy $3 $0 1 $2
  ${If} $3 == ""
  ${OrIf} $3 == "\"
    Push 0
  ${Else}
    Push 1
  ${EndIf}
FunctionEnd

; Sets the error flag when the program folder and the Tolvex folder overlap (one is the
; other or lies inside it): the back office's folder is never written into, and the
; uninstaller never reaches it.
Function ChecaCarpetas
  ${If} $Tolvex == ""
    ClearErrors
    Return
  ${EndIf}
  GetFullPathName $0 "$INSTDIR"
  GetFullPathName $1 "$Tolvex"
  ${If} $0 == ""
    StrCpy $0 $INSTDIR
  ${EndIf}
  ${If} $1 == ""
    StrCpy $1 $Tolvex
  ${EndIf}
  ; Without a trailing separator.
  StrCpy $3 $0 1 -1
  ${If} $3 == "\"
    StrCpy $0 $0 -1
  ${EndIf}
  StrCpy $3 $1 1 -1
  ${If} $3 == "\"
    StrCpy $1 $1 -1
  ${EndIf}
  Call DentroDe
  Pop $4
  StrCpy $5 $0
  StrCpy $0 $1
  StrCpy $1 $5
  Call DentroDe
  Pop $5
  ClearErrors
  ${If} $4 == 0
  ${OrIf} $5 == 0
    SetErrors
  ${EndIf}
FunctionEnd

Function .onInit
  SetShellVarContext all
  SetRegView 64
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/TOLVEX=" $Tolvex
  StrCpy $Escritorio 0
  ClearErrors
  ${GetOptions} $R0 "/ESCRITORIO" $R1
  ${IfNot} ${Errors}
    StrCpy $Escritorio 1
  ${EndIf}
  ; NSIS puts its default in $INSTDIR when the /D= folder cannot be made (it may drop a
  ; trailing separator otherwise): a deployment must fail instead, before anything is touched.
  System::Call 'kernel32::GetCommandLineW() t .r0'
  ClearErrors
  ${WordFind} "$0" " /D=" "E+1}" $R1
  ${IfNot} ${Errors}
  ${AndIf} ${Silent}
  ${AndIf} $R1 != $INSTDIR
  ${AndIf} $R1 != "$INSTDIR\"
    MessageBox MB_ICONSTOP|MB_OK "No se puede crear la carpeta $R1." /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  ; /D= ends the command line, so options written after it arrive inside $INSTDIR.
  ${WordFind} "$INSTDIR" " /ESCRITORIO" "E+1{" $R1
  ${IfNot} ${Errors}
    StrCpy $Escritorio 1
    ${WordReplace} "$INSTDIR" " /ESCRITORIO" "" "+" $INSTDIR
  ${EndIf}
  ${WordFind} "$INSTDIR" " /TOLVEX=" "E+1{" $R1
  ${IfNot} ${Errors}
    ${WordFind} "$INSTDIR" " /TOLVEX=" "+1}" $Tolvex
    StrCpy $INSTDIR $R1
  ${EndIf}
  ; A later version keeps the Tolvex folder chosen before.
  ${If} $Tolvex == ""
    ReadRegStr $Tolvex HKLM "${CLAVE_DESINSTALA}" "CarpetaTolvex"
  ${EndIf}
  ${WordReplace} $Tolvex '"' "" "+" $Tolvex
  ${If} ${Silent}
    Call ChecaCarpetas
    ${If} ${Errors}
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function CarpetaProgramaSale
  Call ChecaCarpetas
  ${If} ${Errors}
    MessageBox MB_ICONSTOP|MB_OK "La carpeta del programa no puede ser la carpeta del Tolvex, estar dentro de ella ni contenerla. Elija otra carpeta."
    Abort
  ${EndIf}
FunctionEnd

Function PaginaTolvex
  !insertmacro MUI_HEADER_TEXT "Carpeta del Tolvex" "La carpeta raíz del Tolvex, la que tiene la base de datos del back office."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 36u "Indique la carpeta del Tolvex; debe contener el archivo DataBase\Tolvex.mdb. Los accesos directos abrirán el programa con esa carpeta. El instalador nunca escribe en ella."
  Pop $0
  ${NSD_CreateDirRequest} 0 42u 74% 12u "$Tolvex"
  Pop $CampoTolvex
  ${NSD_CreateBrowseButton} 76% 41u 22% 14u "Examinar..."
  Pop $0
  ${NSD_OnClick} $0 ExaminaTolvex
  ${NSD_CreateCheckbox} 0 66u 100% 12u "Crear también un acceso directo en el escritorio"
  Pop $CasillaEscritorio
  ${If} $Escritorio == 1
    ${NSD_Check} $CasillaEscritorio
  ${EndIf}
  ${NSD_SetFocus} $CampoTolvex
  nsDialogs::Show
FunctionEnd

Function ExaminaTolvex
  ${NSD_GetText} $CampoTolvex $0
  nsDialogs::SelectFolderDialog "Carpeta del Tolvex" "$0"
  Pop $0
  ${If} $0 != error
    ${NSD_SetText} $CampoTolvex $0
  ${EndIf}
FunctionEnd

Function PaginaTolvexSale
  ${NSD_GetText} $CampoTolvex $Tolvex
  ${WordReplace} $Tolvex '"' "" "+" $Tolvex
  ${NSD_GetState} $CasillaEscritorio $Escritorio
  ${If} $Escritorio == ${BST_CHECKED}
    StrCpy $Escritorio 1
  ${Else}
    StrCpy $Escritorio 0
  ${EndIf}
  Call ChecaCarpetas
  ${If} ${Errors}
    MessageBox MB_ICONSTOP|MB_OK "La carpeta del Tolvex no puede ser la carpeta del programa, estar dentro de ella ni contenerla."
    Abort
  ${EndIf}
  ${If} $Tolvex == ""
    MessageBox MB_ICONEXCLAMATION|MB_YESNO "No indicó la carpeta del Tolvex. Los accesos directos abrirán el programa sin carpeta.$\r$\n$\r$\n¿Desea continuar de todos modos?" IDYES +2
    Abort
  ${ElseIfNot} ${FileExists} "$Tolvex\DataBase\Tolvex.mdb"
    MessageBox MB_ICONEXCLAMATION|MB_YESNO "La carpeta $Tolvex no contiene el archivo DataBase\Tolvex.mdb, la base de datos del back office.$\r$\n$\r$\n¿Desea continuar de todos modos?" IDYES +2
    Abort
  ${EndIf}
FunctionEnd

!macro AccesoDirecto ARCHIVO
  ${If} $Tolvex == ""
    CreateShortcut "${ARCHIVO}" "$INSTDIR\${PROGRAMA}" "" "$INSTDIR\${PROGRAMA}" 0
  ${Else}
    CreateShortcut "${ARCHIVO}" "$INSTDIR\${PROGRAMA}" '--carpeta "$Tolvex"' "$INSTDIR\${PROGRAMA}" 0
  ${EndIf}
!macroend

Section "Programa"
  SetShellVarContext all
  SetRegView 64
  ${If} ${Silent}
  ${AndIfNot} $Tolvex == ""
  ${AndIfNot} ${FileExists} "$Tolvex\DataBase\Tolvex.mdb"
    DetailPrint "Aviso: $Tolvex no contiene DataBase\Tolvex.mdb"
  ${EndIf}
  ; An earlier installation is removed first, wherever it is, so that no file of it stays.
  ReadRegStr $R0 HKLM "${CLAVE_DESINSTALA}" "InstallLocation"
  ${If} $R0 != ""
  ${AndIf} ${FileExists} "$R0\uninstall.exe"
    DetailPrint "Quitando la versión anterior de $R0"
    ClearErrors
    ExecWait '"$R0\uninstall.exe" /S' $R1
    ${If} ${Errors}
    ${OrIf} $R1 != 0
      MessageBox MB_ICONSTOP|MB_OK "No se pudo quitar la versión anterior de $R0." /SD IDOK
      SetErrorLevel 3
      Abort
    ${EndIf}
    ; Its uninstall.exe goes a moment after it ends.
    StrCpy $R2 0
    ${DoWhile} $R2 < 200
      ${IfNot} ${FileExists} "$R0\uninstall.exe"
        ${Break}
      ${EndIf}
      Sleep 50
      IntOp $R2 $R2 + 1
    ${Loop}
  ${EndIf}

  SetOverwrite on
  AllowSkipFiles off
  ClearErrors
  CreateDirectory "$INSTDIR"
  !include "${ARCHIVOS}\instala.nsh"
  SetOutPath "$INSTDIR"
  File "${ARCHIVOS}\uninstall.exe"
  ${If} ${Errors}
  ${OrIfNot} ${FileExists} "$INSTDIR\${PROGRAMA}"
    MessageBox MB_ICONSTOP|MB_OK "No se pudo escribir en $INSTDIR." /SD IDOK
    SetErrorLevel 4
    Abort
  ${EndIf}

  CreateDirectory "${MENU}"
  !insertmacro AccesoDirecto "${MENU}\${NOMBRE}.lnk"
  ${If} $Escritorio == 1
    !insertmacro AccesoDirecto "$DESKTOP\${NOMBRE}.lnk"
  ${EndIf}

  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "DisplayName" "${NOMBRE}"
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "Publisher" "${EDITOR}"
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "DisplayIcon" "$INSTDIR\${PROGRAMA}"
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${CLAVE_DESINSTALA}" "CarpetaTolvex" "$Tolvex"
  WriteRegDWORD HKLM "${CLAVE_DESINSTALA}" "EstimatedSize" ${TAMANO_KB}
  WriteRegDWORD HKLM "${CLAVE_DESINSTALA}" "NoModify" 1
  WriteRegDWORD HKLM "${CLAVE_DESINSTALA}" "NoRepair" 1
SectionEnd

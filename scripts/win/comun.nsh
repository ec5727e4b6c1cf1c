; What the setup program and the uninstaller share: names, the control panel's key and the
; version shown in each file's properties. VERSION comes from makensis -DVERSION=.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define NOMBRE "Encuesta GAFI"
!define EDITOR "Encuesta GAFI"
!define PROGRAMA "encuesta-gafi.exe"
!define CLAVE_DESINSTALA "Software\Microsoft\Windows\CurrentVersion\Uninstall\EncuestaGAFI"
!define MENU "$SMPROGRAMS\${NOMBRE}"

Name "${NOMBRE} ${VERSION}"
BrandingText "${NOMBRE} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NOMBRE}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${EDITOR}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${EDITOR}"

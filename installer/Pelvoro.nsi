; The Windows installer of Pelvoro: one user, no administrator rights.
;
; Built by CMake (see CMakeLists.txt), which passes
;   VERSION  the project version, e.g. 1.0.0
;   BINDIR   the i686 build folder with the shipped files and generated/Generat.nsh, which
;            lists them and names the main window's class
;   SRCDIR   the source tree (for the icon)
;   OUTFILE  the installer to write
;
; Command line of the installer, besides NSIS's own /S (silent) and /D=folder (last, unquoted):
;   /NOAUTOSTART  do not start Pelvoro at sign-in (no value under the user's Run key)
;   /NODESKTOP    no desktop shortcut
;   /DWELLONLY    set Pelvoro up for a person who cannot click (the option off by default)
; Without them a silent install does what the wizard does with its defaults.

!ifndef VERSION | BINDIR | SRCDIR | OUTFILE
  !error "VERSION, BINDIR, SRCDIR and OUTFILE are passed by CMake"
!endif

Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"
; The shipped files and the main window's class, from the build.
!include "${BINDIR}/generated/Generat.nsh"

!define NOM "Pelvoro"
!define EDITOR "Equip Pelvoro"
!define CLAU_RUN "Software\Microsoft\Windows\CurrentVersion\Run"
!define CLAU_DESINSTAL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvoro"
!define DESINSTAL "uninstall.exe"
; How long a running Pelvoro gets to write its options and end, in milliseconds.
!define ESPERA_TANCAMENT 10000
!define SYNCHRONIZE 0x00100000
!define PROCESS_QUERY_LIMITED_INFORMATION 0x1000
!define WAIT_OBJECT_0 0

Name "${NOM}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NOM}"
InstallDirRegKey HKCU "${CLAU_DESINSTAL}" "InstallLocation"
BrandingText "${NOM} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NOM}"
VIAddVersionKey /LANG=0 "CompanyName" "${EDITOR}"
VIAddVersionKey /LANG=0 "FileDescription" "${NOM} ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${EDITOR}"

Var EstavaEnMarxa  ; 1 when the install closed a running Pelvoro

!define MUI_ICON "${SRCDIR}/app/Pelvoro.ico"
!define MUI_UNICON "${SRCDIR}/app/Pelvoro.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(QueFa)$\r$\n$\r$\n$(^ClickNext)"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\$(GuiaFitxer)"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(GuiaObrir)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION ObrirGuia

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; NSIS takes the language of the user's Windows when it is one of these, matching the main
; language too (Spanish of Mexico is Spanish); any other gets the first, English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Catalan"
!insertmacro MUI_LANGUAGE "Spanish"

; The first sentence of each guide: what Pelvoro does, on the welcome page.
LangString QueFa ${LANG_ENGLISH} "Pelvoro makes mouse clicks for people who can move a mouse, a pen or a finger but cannot click reliably."
LangString QueFa ${LANG_CATALAN} "Pelvoro fa els clics del ratolí per a les persones que poden moure un ratolí, un llapis o el dit però no poden fer clic amb seguretat."
LangString QueFa ${LANG_SPANISH} "Pelvoro hace los clics del ratón para las personas que pueden mover un ratón, un lápiz o el dedo pero no pueden hacer clic con seguridad."
LangString SeccioPrograma ${LANG_ENGLISH} "Pelvoro (the program and the user guide)"
LangString SeccioPrograma ${LANG_CATALAN} "Pelvoro (el programa i la guia d'ús)"
LangString SeccioPrograma ${LANG_SPANISH} "Pelvoro (el programa y la guía de uso)"
LangString SeccioEscriptori ${LANG_ENGLISH} "Desktop shortcut"
LangString SeccioEscriptori ${LANG_CATALAN} "Drecera a l'escriptori"
LangString SeccioEscriptori ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString SeccioInici ${LANG_ENGLISH} "Start Pelvoro at sign-in"
LangString SeccioInici ${LANG_CATALAN} "Engegar Pelvoro en iniciar la sessió"
LangString SeccioInici ${LANG_SPANISH} "Iniciar Pelvoro al iniciar la sesión"
LangString SeccioSenseClics ${LANG_ENGLISH} "Set up for a person who cannot click"
LangString SeccioSenseClics ${LANG_CATALAN} "Preparar-lo per a una persona que no pot fer clic"
LangString SeccioSenseClics ${LANG_SPANISH} "Prepararlo para una persona que no puede hacer clic"
LangString GuiaFitxer ${LANG_ENGLISH} "guia-en.html"
LangString GuiaFitxer ${LANG_CATALAN} "guia-ca.html"
LangString GuiaFitxer ${LANG_SPANISH} "guia-es.html"
LangString GuiaObrir ${LANG_ENGLISH} "Open the user guide"
LangString GuiaObrir ${LANG_CATALAN} "Obrir la guia d'ús"
LangString GuiaObrir ${LANG_SPANISH} "Abrir la guía de uso"
LangString NoEsTanca ${LANG_ENGLISH} "Pelvoro is still running and could not be closed.$\r$\n$\r$\nClose it (menu Pelvoro, Sortir) and press Retry."
LangString NoEsTanca ${LANG_CATALAN} "Pelvoro encara està en marxa i no s'ha pogut tancar.$\r$\n$\r$\nTanqueu-lo (menú Pelvoro, Sortir) i premeu Torna-ho a provar."
LangString NoEsTanca ${LANG_SPANISH} "Pelvoro sigue en marcha y no se ha podido cerrar.$\r$\n$\r$\nCiérrelo (menú Pelvoro, Salir) y pulse Reintentar."

; Closes every running Pelvoro as its close box does, so it writes its options, and waits
; for each to end: the program and its library cannot be replaced or removed while loaded.
; Other programs' windows of the same class are left alone. Sets $EstavaEnMarxa.
!macro FUNCIO_TANCAR PREFIX
Function ${PREFIX}TancarPelvoro
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $EstavaEnMarxa 0
  StrCpy $0 0
  tornar:
    FindWindow $0 "${CLASSE_FINESTRA}" "" "" $0
    ${If} $0 == 0
      Goto fet
    ${EndIf}
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}|${PROCESS_QUERY_LIMITED_INFORMATION}, i 0, i r1) p .r2'
    ${If} $2 == 0
      Goto tornar
    ${EndIf}
    StrCpy $3 ""
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
    ${GetFileName} $3 $4
    ${If} $4 != "${EXE}"
      System::Call 'kernel32::CloseHandle(p r2)'
      Goto tornar
    ${EndIf}
    StrCpy $EstavaEnMarxa 1
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=${ESPERA_TANCAMENT}
    System::Call 'kernel32::WaitForSingleObject(p r2, i ${ESPERA_TANCAMENT}) i .r4'
    System::Call 'kernel32::CloseHandle(p r2)'
    ${If} $4 != ${WAIT_OBJECT_0}
      ; Cancel stops before any file is touched. Retry searches from the start again, so the
      ; Pelvoro that would not close is asked again and waited for, not skipped.
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(NoEsTanca)" /SD IDCANCEL IDRETRY deNou
      Abort
    ${EndIf}
    ; From the start: the closed window's place in the list is gone.
  deNou:
    StrCpy $0 0
    Goto tornar
  fet:
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro FUNCIO_TANCAR ""
!insertmacro FUNCIO_TANCAR "un."

Section "$(SeccioPrograma)" SecPrograma
  SectionIn RO
  Call TancarPelvoro
  SetOutPath "$INSTDIR"
  !insertmacro INSTALLAR_FITXERS
  WriteUninstaller "$INSTDIR\${DESINSTAL}"
  CreateShortcut "$SMPROGRAMS\${NOM}.lnk" "$INSTDIR\${EXE}"
SectionEnd

Section "$(SeccioEscriptori)" SecEscriptori
  CreateShortcut "$DESKTOP\${NOM}.lnk" "$INSTDIR\${EXE}"
SectionEnd

Section "$(SeccioInici)" SecInici
  WriteRegStr HKCU "${CLAU_RUN}" "${NOM}" '"$INSTDIR\${EXE}"'
SectionEnd

; The dwell-only profile is the setting the program's window menu switches, written where the
; program will read it. Windows keeps the settings of a program that asks for no rights in the
; user's VirtualStore when the Windows folder is closed to the user; this installer asks for its
; rights, so Windows does not redirect it and the copy is written there by name. An earlier copy
; there is the one the program reads, so it is kept up to date too; a new one starts from the
; file in the Windows folder, as Windows would start it. Unticked, the setting is left as it is.
!define INI "pelvoro.ini"
!define INI_STORE "$LOCALAPPDATA\VirtualStore\Windows"
Section /o "$(SeccioSenseClics)" SecSenseClics
  ClearErrors
  WriteINIStr "$WINDIR\${INI}" "TipusClic" "MostrarPanell" "true"
  ${If} ${Errors}
  ${OrIf} ${FileExists} "${INI_STORE}\${INI}"
    ${IfNot} ${FileExists} "${INI_STORE}\${INI}"
      CreateDirectory "${INI_STORE}"
      CopyFiles /SILENT "$WINDIR\${INI}" "${INI_STORE}"
    ${EndIf}
    WriteINIStr "${INI_STORE}\${INI}" "TipusClic" "MostrarPanell" "true"
  ${EndIf}
SectionEnd

Section "-Registre"
  ; An install over an earlier one leaves exactly what was chosen this time.
  ${IfNot} ${SectionIsSelected} ${SecEscriptori}
    Delete "$DESKTOP\${NOM}.lnk"
  ${EndIf}
  ${IfNot} ${SectionIsSelected} ${SecInici}
    DeleteRegValue HKCU "${CLAU_RUN}" "${NOM}"
  ${EndIf}

  WriteRegStr HKCU "${CLAU_DESINSTAL}" "DisplayName" "${NOM}"
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "Publisher" "${EDITOR}"
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "UninstallString" '"$INSTDIR\${DESINSTAL}"'
  WriteRegStr HKCU "${CLAU_DESINSTAL}" "QuietUninstallString" '"$INSTDIR\${DESINSTAL}" /S'
  WriteRegDWORD HKCU "${CLAU_DESINSTAL}" "NoModify" 1
  WriteRegDWORD HKCU "${CLAU_DESINSTAL}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${CLAU_DESINSTAL}" "EstimatedSize" $0

  ; A silent install (a school deploying it) puts back the Pelvoro it closed; the wizard
  ; offers it on its last page instead.
  ${If} ${Silent}
  ${AndIf} $EstavaEnMarxa == 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

; The guide in the installer's language, in the program that shows web pages. Windows finds it
; by the type of .html files, as for a double click on one. A system where .html has no type
; (a Wine prefix made without its HTML engine) still has the class that Windows and Wine both
; register for web pages, "htmlfile": Wine's hands the page to the desktop's browser.
!define SEE_MASK_CLASSNAME 0x00000001
!define SEE_MASK_FLAG_NO_UI 0x00000400
Function ObrirGuia
  ClearErrors
  ExecShell "open" "$INSTDIR\$(GuiaFitxer)"
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  Push $0
  System::Call '*(&l4, i ${SEE_MASK_CLASSNAME}|${SEE_MASK_FLAG_NO_UI}, p $HWNDPARENT, w "open", \
      w "$INSTDIR\$(GuiaFitxer)", p 0, p 0, i ${SW_SHOWNORMAL}, p 0, p 0, w "htmlfile", p 0, \
      i 0, p 0, p 0) p .r0'
  System::Call 'shell32::ShellExecuteExW(p r0)'
  System::Free $0
  Pop $0
FunctionEnd

; The options tick and untick sections, so this comes after them.
Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOAUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecInici}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NODESKTOP" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecEscriptori}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/DWELLONLY" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSenseClics}
  ${EndIf}
FunctionEnd

; The settings file (pelvoro.ini in the Windows folder) is the user's and stays.
Section "Uninstall"
  Call un.TancarPelvoro
  !insertmacro ESBORRAR_FITXERS
  Delete "$INSTDIR\${DESINSTAL}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NOM}.lnk"
  Delete "$DESKTOP\${NOM}.lnk"
  DeleteRegValue HKCU "${CLAU_RUN}" "${NOM}"
  DeleteRegKey HKCU "${CLAU_DESINSTAL}"
SectionEnd

# The Windows installer, footmark-VERSION-setup.exe, made by CPack with NSIS
# (Debian's nsis package builds Windows installers): both programs in
# bin\, the examples and the README, a Start-menu entry for the window, .ANL
# files opened by it, and an uninstaller that takes all of it away again.
# Included at the end of the top CMakeLists for a Windows build, once every
# target and install rule is known.
set(CPACK_GENERATOR NSIS)
set(CPACK_MONOLITHIC_INSTALL ON)  # both programs, no page of components to choose from
set(CPACK_PACKAGE_NAME footmark)
set(CPACK_PACKAGE_VENDOR Footmark)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Isolated footing design (IS 456) from STAAD analysis output")
set(CPACK_STRIP_FILES ON)
# The texts below reach the NSIS script as written: backslashes, quotes, $.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_FILE_NAME "footmark-${PROJECT_VERSION}-setup")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Footmark)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Footmark)
set(CPACK_NSIS_PACKAGE_NAME Footmark)
set(CPACK_NSIS_DISPLAY_NAME "Footmark ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")  # a 64-bit program
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer: Windows runs it as it runs the programs, and Wine without
# its 32-bit half runs it too.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

if(TARGET footmark)
  set(CPACK_PACKAGE_EXECUTABLES footmark Footmark)  # the Start-menu entry
  set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\footmark.exe")
  set(CPACK_NSIS_MUI_FINISHPAGE_RUN footmark.exe)
  # Analysis files open in the window: it takes .ANL when no program has it
  # yet, and is offered in "Open with" where one has (the analysis program's
  # own viewer, often). The uninstaller takes back only what is its own.
  set(progid "Software\\Classes\\Footmark.Analysis")
  set(anl "Software\\Classes\\.ANL")
  set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX '${progid}' '' 'STAAD analysis output'
  WriteRegStr SHCTX '${progid}\\shell\\open\\command' '' '\"$INSTDIR\\bin\\footmark.exe\" \"%1\"'
  WriteRegStr SHCTX '${anl}\\OpenWithProgids' 'Footmark.Analysis' ''
  ReadRegStr $0 SHCTX '${anl}' ''
  StrCmp $0 '' 0 +2
  WriteRegStr SHCTX '${anl}' '' 'Footmark.Analysis'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
  set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey SHCTX '${progid}'
  DeleteRegValue SHCTX '${anl}\\OpenWithProgids' 'Footmark.Analysis'
  DeleteRegKey /ifempty SHCTX '${anl}\\OpenWithProgids'
  ReadRegStr $0 SHCTX '${anl}' ''
  StrCmp $0 'Footmark.Analysis' 0 +2
  DeleteRegValue SHCTX '${anl}' ''
  DeleteRegKey /ifempty SHCTX '${anl}'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
endif()
include(CPack)

# Qt 6 for the Windows build of the window: a static Qt for MinGW-w64, built
# once per machine from Debian's source of the installed Qt by
# scripts/windows-qt and kept outside the build, in a folder named after the
# Qt version and its configure options (about 15 minutes the first time, then
# found at once). Its host tools (moc, uic, rcc) are the installed Debian Qt's.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-qt
                OUTPUT_VARIABLE FOOTMARK_WINDOWS_QT_DIR OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE windows_qt_status)
if(NOT windows_qt_status EQUAL 0 OR NOT EXISTS ${FOOTMARK_WINDOWS_QT_DIR}/lib/cmake/Qt6/Qt6Config.cmake)
  message(FATAL_ERROR "No Qt for Windows: scripts/windows-qt failed (${windows_qt_status})")
endif()
message(STATUS "Qt for Windows: ${FOOTMARK_WINDOWS_QT_DIR}")

execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH OUTPUT_VARIABLE host_multiarch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake)
# The Windows Qt is a second root of the target's files, beside MinGW's.
list(PREPEND CMAKE_FIND_ROOT_PATH ${FOOTMARK_WINDOWS_QT_DIR})
set(Qt6_DIR ${FOOTMARK_WINDOWS_QT_DIR}/lib/cmake/Qt6)
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

# Static plugins linked into a program of the window: the Windows platform,
# and the offscreen one for the tests and unattended pictures.
function(footmark_windows_plugins target)
  qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
endfunction()

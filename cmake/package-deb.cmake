# The Debian packages (make package), by Debian policy: footmark-cli, the
# batch program without Qt, and footmark, the window, which depends on it.
# Each carries its copyright file, its changelog and its manual page; the
# man pages are written from --help by help2man at build time. Included at
# the end of the top CMakeLists, once every target and install rule is known.

set(FOOTMARK_DEB_MAINTAINER "Footmark maintainers <maintainers@footmark.invalid>")
set(footmark_packaging_prefix /usr)
set(footmark_examples "${footmark_packaging_prefix}/${CMAKE_INSTALL_DATADIR}/footmark/examples")

# Per package: /usr/share/doc/PACKAGE/{copyright,changelog.gz} and the manual page.
find_program(FOOTMARK_HELP2MAN help2man)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging ${PROJECT_BINARY_DIR}/man)
function(footmark_deb_files component package program summary)
  set(doc ${CMAKE_INSTALL_DATADIR}/doc/${package})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${doc} COMPONENT ${component})
  set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
  if(NOT TARGET footmark-changelog)
    add_custom_command(OUTPUT ${changelog}
                       COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
    add_custom_target(footmark-changelog ALL DEPENDS ${changelog})
  endif()
  install(FILES ${changelog} DESTINATION ${doc} COMPONENT ${component})
  if(FOOTMARK_HELP2MAN)
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(OUTPUT ${page}
                       COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${FOOTMARK_HELP2MAN} -DPROGRAM=$<TARGET_FILE:${program}>
                               "-DSUMMARY=${summary}" -DEXAMPLES=${footmark_examples} -DOUTPUT=${page}
                               -P ${PROJECT_SOURCE_DIR}/cmake/man-page.cmake
                       DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/man-page.cmake VERBATIM)
    add_custom_target(${program}-man ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
  else()
    message(STATUS "help2man not found: the packages have no manual pages (scripts/setup installs it)")
  endif()
endfunction()

footmark_deb_files(cli footmark-cli footmark-cli "design isolated footings from STAAD analysis output (IS 456)")
set(CPACK_COMPONENTS_ALL cli)
if(TARGET footmark)
  footmark_deb_files(window footmark footmark "the window of Footmark: isolated footing design on the plan")
  list(APPEND CPACK_COMPONENTS_ALL window)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME footmark)
set(CPACK_PACKAGE_VENDOR "Footmark")
set(CPACK_PACKAGE_CONTACT "${FOOTMARK_DEB_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${footmark_packaging_prefix})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FOOTMARK_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME footmark-cli)
# Loaded at run time for workbooks, so the library scan does not see it.
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS "libxlsxwriter4")
set(CPACK_COMPONENT_CLI_DESCRIPTION "isolated footing design (IS 456) from STAAD analysis output
footmark-cli reads the text output (.ANL) of a STAAD frame analysis, designs
a reinforced-concrete isolated footing under every column by the limit-state
method of IS 456:2000, checks every design, groups the columns into types and
writes the footing plan as DXF and SVG, a calculation report and a workbook.
This package is the batch program; it needs no graphical toolkit.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME footmark)
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "footmark-cli (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_COMPONENT_WINDOW_DESCRIPTION "isolated footing design (IS 456) on the plan, in a window
Footmark reads the text output (.ANL) of a STAAD frame analysis, designs the
isolated footings for a chosen safe bearing capacity and shows the plan,
where columns can be moved off their grid points. It writes the calculation
report and the workbook and hands the drawing to a running CAD program.
This package is the window (Qt 6); the batch program is footmark-cli.")
include(CPack)

# libxlsxwriter for a cross build. Debian ships the library for Linux only,
# so the Windows build compiles Debian's source of it, the version of the
# installed libxlsxwriter-dev (scripts/setup puts it in
# /usr/local/src/libxlsxwriter), as a separate project with the target's
# static zlib: the .exe needs no DLL beside it. Built as Debian builds it
# (its own number formatting off), with the bundled minizip and MD5 in place
# of the system's. The result goes by the name pkg-config's target has in a
# native build, PkgConfig::XLSXWRITER.
include(ExternalProject)

set(FOOTMARK_XLSXWRITER_SOURCE_DIR /usr/local/src/libxlsxwriter CACHE PATH
    "libxlsxwriter sources, compiled for a cross build")
if(NOT EXISTS ${FOOTMARK_XLSXWRITER_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No libxlsxwriter sources in ${FOOTMARK_XLSXWRITER_SOURCE_DIR}: scripts/setup fetches Debian's")
endif()
find_library(FOOTMARK_TARGET_ZLIB NAMES libz.a REQUIRED DOC "zlib of the target, static (libz-mingw-w64-dev)")
find_path(FOOTMARK_TARGET_ZLIB_INCLUDE zlib.h REQUIRED)

set(xlsxwriter_dir ${CMAKE_BINARY_DIR}/libxlsxwriter)
set(xlsxwriter_library ${xlsxwriter_dir}/libxlsxwriter.a)
ExternalProject_Add(xlsxwriter_build
  SOURCE_DIR ${FOOTMARK_XLSXWRITER_SOURCE_DIR}
  BINARY_DIR ${xlsxwriter_dir}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
             -DZLIB_LIBRARY=${FOOTMARK_TARGET_ZLIB} -DZLIB_INCLUDE_DIR=${FOOTMARK_TARGET_ZLIB_INCLUDE}
             -DCMAKE_C_FLAGS=-w
  BUILD_BYPRODUCTS ${xlsxwriter_library}
  INSTALL_COMMAND ""
  LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)

add_library(PkgConfig::XLSXWRITER STATIC IMPORTED)
set_target_properties(PkgConfig::XLSXWRITER PROPERTIES
  IMPORTED_LOCATION ${xlsxwriter_library}
  INTERFACE_INCLUDE_DIRECTORIES ${FOOTMARK_XLSXWRITER_SOURCE_DIR}/include
  INTERFACE_LINK_LIBRARIES ${FOOTMARK_TARGET_ZLIB})
add_dependencies(PkgConfig::XLSXWRITER xlsxwriter_build)

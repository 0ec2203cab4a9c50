# GoogleTest for the tests. A native build uses the system's library; a cross
# build has none for its target, so it compiles one from Debian's sources
# (package googletest) inside the build, with the same compiler.
if(CMAKE_CROSSCOMPILING)
  if(NOT TARGET GTest::gtest_main)
    set(FOOTMARK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, compiled for a cross build")
    if(NOT EXISTS ${FOOTMARK_GTEST_SOURCE_DIR}/googletest/CMakeLists.txt)
      message(FATAL_ERROR "No GoogleTest sources in ${FOOTMARK_GTEST_SOURCE_DIR}: install googletest (scripts/setup)")
    endif()
    set(BUILD_GMOCK OFF CACHE BOOL "GoogleMock (not used by the tests)")
    set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest (not with the project)")
    # SYSTEM: its headers count as a system library's, as the installed ones
    # do, so its macros raise no warnings in our tests.
    add_subdirectory(${FOOTMARK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

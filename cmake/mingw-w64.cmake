# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64). The posix-threads variant gives std::thread and
# std::mutex; the runtime is linked in statically, so an .exe runs on a bare
# Windows without MinGW's DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FOOTMARK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FOOTMARK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FOOTMARK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FOOTMARK_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the Windows sysroot only,
# never from the build machine; programs (the generators' tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${FOOTMARK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

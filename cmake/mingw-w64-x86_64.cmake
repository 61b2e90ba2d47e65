# Cross build for 64-bit Windows with Debian's MinGW-w64 (the -posix compilers: std::thread and
# std::mutex need their threads). Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KVVELM_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KVVELM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVVELM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KVVELM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVVELM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C and C++ run-time libraries, so they run without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under wine when ctest or gtest_discover_tests starts them.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

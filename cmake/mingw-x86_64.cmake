# Cross-compiles for Windows with Debian's MinGW-w64, Win32 thread model. The compilers of the
# posix thread model link their runtime (the unwinder's and the exception allocator's locks) against
# winpthreads, which would bring its thread library, and imports such as SuspendThread and
# SetThreadContext, into a program that starts no thread. The Win32-side tests, which start threads
# with std::thread, are built with the posix-model compilers (mingw-x86_64-posix.cmake) in a tree
# of their own inside this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(DASHMARKS_TESTS_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw-x86_64-posix.cmake)

# Cross-compiles for Windows with Debian's MinGW-w64, Win32 thread model: the program, its Win32-side
# tests and the fixtures. The compilers of the posix thread model link their runtime (the unwinder's
# and the exception allocator's locks) against winpthreads, which would bring its thread library, and
# imports such as SuspendThread and SetThreadContext, into a program that starts no thread. This
# model has no std::thread or std::mutex: the tests start their threads with CreateThread
# (tests/win32/support/test_thread.h).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The Win32 program, its Win32-side tests and the fixture programs of the end-to-end tests.
enable_language(RC)

set(DASHMARKS_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
# Every function and datum in a section of its own, so the linker leaves out what is never used.
add_compile_options(-ffunction-sections -fdata-sections)

# The Windows headers' settings (cmake/WindowsDefinitions.cmake), for every target below.
include(${CMAKE_CURRENT_LIST_DIR}/WindowsDefinitions.cmake)
add_library(dashmarks_windows_definitions INTERFACE)
target_compile_definitions(dashmarks_windows_definitions INTERFACE ${DASHMARKS_WINDOWS_DEFINITIONS})

file(GLOB_RECURSE DASHMARKS_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER DASHMARKS_WIN32_SOURCES EXCLUDE REGEX ".*/win_main\\.cpp$")
add_library(dashmarks_win32 STATIC ${DASHMARKS_WIN32_SOURCES})
target_link_libraries(dashmarks_win32 PUBLIC dashmarks_core)
# The resource identifiers are shared by the resource script and the windows that load them.
target_include_directories(dashmarks_win32 PUBLIC ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(dashmarks_win32 PUBLIC dashmarks_windows_definitions)
# uuid is a static library of interface and class identifiers (the shell's window list); it adds no import.
target_link_libraries(dashmarks_win32 PUBLIC user32 gdi32 shell32 ole32 comctl32 advapi32 uuid)

# The version record of the resource script takes the project's version.
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

add_executable(Dashmarks WIN32 ${CMAKE_SOURCE_DIR}/src/win32/win_main.cpp
                               ${CMAKE_SOURCE_DIR}/res/dashmarks.rc)
target_link_libraries(Dashmarks PRIVATE dashmarks_win32)
# Terminal-server aware; ASLR (with its relocations) and DEP, whatever the linker's defaults.
target_link_options(Dashmarks PRIVATE ${DASHMARKS_STATIC_RUNTIME} -municode
                    -Wl,--tsaware -Wl,--dynamicbase -Wl,--nxcompat
                    $<$<NOT:$<CONFIG:Debug>>:-s -Wl,--gc-sections>)
set_target_properties(Dashmarks PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The help page, the icons and the manifest are built into the program (res/dashmarks.rc), which
# is compiled again when one of them changes; a copy of the help page also goes beside it.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/dashmarks.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/res/Dashmarks.html ${CMAKE_SOURCE_DIR}/res/dashmarks.ico
             ${CMAKE_SOURCE_DIR}/res/tray.ico ${CMAKE_SOURCE_DIR}/res/Dashmarks.manifest)
configure_file(${CMAKE_SOURCE_DIR}/res/Dashmarks.html ${CMAKE_BINARY_DIR}/Dashmarks.html COPYONLY)

# The Win32-side tests, with GoogleTest cross-built from its sources (Debian's googletest package on
# Linux). Where they are absent, e.g. a plain Windows machine, the program still builds, without its
# Win32-side tests.
set(DASHMARKS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${DASHMARKS_GTEST_SOURCE}/CMakeLists.txt)
  # Without pthreads, GoogleTest uses the system's own threads and locks, as the compilers' Win32
  # thread model needs; its Notification, which it builds on std::mutex, comes from the port header
  # in tests/win32/support (gtest/internal/custom/gtest-port.h), found ahead of its own.
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${DASHMARKS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(GLOB_RECURSE DASHMARKS_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
  add_executable(win32_tests ${DASHMARKS_WIN32_TESTS} ${CMAKE_SOURCE_DIR}/res/dashmarks.rc)
  target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(win32_tests PRIVATE dashmarks_win32 gtest gtest_main imm32)
  target_link_options(win32_tests PRIVATE ${DASHMARKS_STATIC_RUNTIME})
  target_include_directories(gtest BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/win32/support)
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
else()
  message(STATUS "GoogleTest sources not found at ${DASHMARKS_GTEST_SOURCE}: no Win32-side tests")
endif()

# Fixture programs used by the end-to-end tests: one executable per source file.
file(GLOB DASHMARKS_FIXTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/*.cpp)
foreach(fixture ${DASHMARKS_FIXTURES})
  get_filename_component(name ${fixture} NAME_WE)
  add_executable(${name} ${fixture})
  target_link_libraries(${name} PRIVATE dashmarks_windows_definitions
                        user32 gdi32 shell32 ole32 comdlg32 comctl32 advapi32 uuid psapi)
  target_link_options(${name} PRIVATE ${DASHMARKS_STATIC_RUNTIME} -municode)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
endforeach()
# The stand-in for the shell's window list: an in-process COM server the tests register in their
# own prefix. Its exports keep their plain names (no stdcall decoration) for COM to find them.
add_library(shell_windows_fixture SHARED ${CMAKE_SOURCE_DIR}/tests/fixtures/shell_windows/shell_windows_fixture.cpp)
set_target_properties(shell_windows_fixture PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_libraries(shell_windows_fixture PRIVATE dashmarks_windows_definitions user32 ole32 oleaut32 advapi32 uuid)
target_link_options(shell_windows_fixture PRIVATE ${DASHMARKS_STATIC_RUNTIME} -Wl,--kill-at)
# dmhelper's reader of another process's menu: a hook DLL loaded into the program that shows it.
add_library(menu_reader SHARED ${CMAKE_SOURCE_DIR}/tests/fixtures/menu_reader/menu_reader.cpp)
set_target_properties(menu_reader PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
target_link_libraries(menu_reader PRIVATE dashmarks_windows_definitions user32 gdi32 comctl32 psapi)
target_link_options(menu_reader PRIVATE ${DASHMARKS_STATIC_RUNTIME} -Wl,--kill-at)

# The Wine benchmarks' stopwatch (scripts/bench), built only when asked for.
add_executable(bench_probe EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/wine/bench_probe.cpp)
target_link_libraries(bench_probe PRIVATE dashmarks_windows_definitions user32 psapi)
target_link_options(bench_probe PRIVATE ${DASHMARKS_STATIC_RUNTIME} -municode)
set_target_properties(bench_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

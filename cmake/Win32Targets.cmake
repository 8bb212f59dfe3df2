# The Win32 program, its Win32-side tests and the fixture programs of the end-to-end tests.
enable_language(RC)

set(DASHMARKS_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
# Every function and datum in a section of its own, so the linker leaves out what is never used.
add_compile_options(-ffunction-sections -fdata-sections)

file(GLOB_RECURSE DASHMARKS_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER DASHMARKS_WIN32_SOURCES EXCLUDE REGEX ".*/win_main\\.cpp$")
add_library(dashmarks_win32 STATIC ${DASHMARKS_WIN32_SOURCES})
target_link_libraries(dashmarks_win32 PUBLIC dashmarks_core)
# The resource identifiers are shared by the resource script and the windows that load them.
target_include_directories(dashmarks_win32 PUBLIC ${CMAKE_SOURCE_DIR}/res)
target_compile_definitions(dashmarks_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                  _WIN32_WINNT=0x0601 WINVER=0x0601)
# uuid is a static library of interface and class identifiers (the shell's window list); it adds no import.
target_link_libraries(dashmarks_win32 PUBLIC user32 gdi32 shell32 ole32 comctl32 advapi32 uuid)

# The version record of the resource script takes the project's version.
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

# The program and the fixtures; a tree made only for the Win32-side tests (below) leaves them out.
option(DASHMARKS_WIN32_TESTS_ONLY "Build only the Win32-side tests" OFF)
if(NOT DASHMARKS_WIN32_TESTS_ONLY)
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
endif()

# GoogleTest, cross-built from its sources (Debian's googletest package on Linux). Where they are
# absent, e.g. a plain Windows machine, the program still builds, without its Win32-side tests.
set(DASHMARKS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${DASHMARKS_GTEST_SOURCE}/CMakeLists.txt)
  if(DASHMARKS_TESTS_TOOLCHAIN AND NOT DASHMARKS_WIN32_TESTS_ONLY)
    # The tests start threads with std::thread, which the program's compilers (Win32 thread model)
    # do not have: they are built by the posix-model compilers in a tree of their own, and their
    # executable is copied here.
    include(ExternalProject)
    ExternalProject_Add(win32_tests_tree
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/tests-posix
      CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${DASHMARKS_TESTS_TOOLCHAIN} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
                 -DDASHMARKS_WERROR=${DASHMARKS_WERROR} -DDASHMARKS_WIN32_TESTS_ONLY=ON
                 -DDASHMARKS_GTEST_SOURCE=${DASHMARKS_GTEST_SOURCE}
      INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different <BINARY_DIR>/win32_tests.exe
                      ${CMAKE_BINARY_DIR}/win32_tests.exe
      BUILD_ALWAYS ON)
  else()
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${DASHMARKS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    file(GLOB_RECURSE DASHMARKS_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
    add_executable(win32_tests ${DASHMARKS_WIN32_TESTS} ${CMAKE_SOURCE_DIR}/res/dashmarks.rc)
    target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(win32_tests PRIVATE dashmarks_win32 gtest gtest_main imm32)
    target_link_options(win32_tests PRIVATE ${DASHMARKS_STATIC_RUNTIME})
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
  endif()
else()
  message(STATUS "GoogleTest sources not found at ${DASHMARKS_GTEST_SOURCE}: no Win32-side tests")
endif()

# Fixture programs used by the end-to-end tests: one executable per source file.
if(NOT DASHMARKS_WIN32_TESTS_ONLY)
  file(GLOB DASHMARKS_FIXTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/*.cpp)
  foreach(fixture ${DASHMARKS_FIXTURES})
    get_filename_component(name ${fixture} NAME_WE)
    add_executable(${name} ${fixture})
    target_compile_definitions(${name} PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    target_link_libraries(${name} PRIVATE user32 gdi32 shell32 ole32 comdlg32 comctl32 advapi32 uuid psapi)
    target_link_options(${name} PRIVATE ${DASHMARKS_STATIC_RUNTIME} -municode)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
  endforeach()
  # The stand-in for the shell's window list: an in-process COM server the tests register in their
  # own prefix. Its exports keep their plain names (no stdcall decoration) for COM to find them.
  add_library(shell_windows_fixture SHARED ${CMAKE_SOURCE_DIR}/tests/fixtures/shell_windows/shell_windows_fixture.cpp)
  set_target_properties(shell_windows_fixture PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
  target_compile_definitions(shell_windows_fixture PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_libraries(shell_windows_fixture PRIVATE user32 ole32 oleaut32 advapi32 uuid)
  target_link_options(shell_windows_fixture PRIVATE ${DASHMARKS_STATIC_RUNTIME} -Wl,--kill-at)
  # dmhelper's reader of another process's menu: a hook DLL loaded into the program that shows it.
  add_library(menu_reader SHARED ${CMAKE_SOURCE_DIR}/tests/fixtures/menu_reader/menu_reader.cpp)
  set_target_properties(menu_reader PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
  target_compile_definitions(menu_reader PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_libraries(menu_reader PRIVATE user32 gdi32 comctl32 psapi)
  target_link_options(menu_reader PRIVATE ${DASHMARKS_STATIC_RUNTIME} -Wl,--kill-at)
endif()

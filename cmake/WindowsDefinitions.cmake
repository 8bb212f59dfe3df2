# The Windows headers' settings of every Win32 target (the program, its Win32-side tests, the
# fixtures, the benchmarks' probe): Windows 7's API, the wide-character functions, no min and max
# macros, windows.h without the headers it includes only for old programs. The one place they are
# written: cmake/Win32Targets.cmake gives them to its targets through dashmarks_windows_definitions,
# and scripts/check reads them for cppcheck with `cmake -P cmake/WindowsDefinitions.cmake`, which
# prints them as compiler options, one a line.
set(DASHMARKS_WINDOWS_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                                  WINVER=0x0601)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(definition IN LISTS DASHMARKS_WINDOWS_DEFINITIONS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "-D${definition}")
  endforeach()
endif()

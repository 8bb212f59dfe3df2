# libFuzzer targets of the portable core, one per tests/fuzz/*_fuzz.cpp. Only a clang tree builds
# them (preset fuzz: cmake --preset fuzz && cmake --build --preset fuzz); scripts/check runs each
# over a copy of its seed corpus (tests/fuzz/corpus/<target>/).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(DASHMARKS_FUZZ_SANITIZERS address,undefined)
  # The core again, instrumented for coverage and the sanitizers, so the ordinary core and the
  # unit tests of the same tree keep their own flags.
  get_target_property(DASHMARKS_FUZZ_CORE_SOURCES dashmarks_core SOURCES)
  add_library(dashmarks_core_fuzz STATIC EXCLUDE_FROM_ALL ${DASHMARKS_FUZZ_CORE_SOURCES})
  target_include_directories(dashmarks_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(dashmarks_core_fuzz PUBLIC
    -fsanitize=fuzzer-no-link,${DASHMARKS_FUZZ_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)

  file(GLOB DASHMARKS_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  foreach(source ${DASHMARKS_FUZZ_SOURCES})
    get_filename_component(target ${source} NAME_WE)
    add_executable(${target} EXCLUDE_FROM_ALL ${source})
    target_link_libraries(${target} PRIVATE dashmarks_core_fuzz)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,${DASHMARKS_FUZZ_SANITIZERS})
    list(APPEND DASHMARKS_FUZZ_TARGETS ${target})
  endforeach()
  add_custom_target(fuzz_targets DEPENDS ${DASHMARKS_FUZZ_TARGETS})
endif()

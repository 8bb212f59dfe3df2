# Benchmarks of the portable core (Google Benchmark), built where the library is installed
# (Debian: libbenchmark-dev). Measure in a Release tree (preset bench): see docs/performance.md.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB DASHMARKS_BENCH_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  add_executable(dashmarks_bench ${DASHMARKS_BENCH_SOURCES})
  target_include_directories(dashmarks_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(dashmarks_bench PRIVATE dashmarks_core benchmark::benchmark)
  # GCC 12 at -O2 and above reports std::string concatenation in the test support as an
  # overlapping memcpy (a known false positive of -Wrestrict, GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(dashmarks_bench PRIVATE -Wno-restrict)
  endif()
endif()

# Native-only targets that exist once their sources do: the core's benchmarks.
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(BENCH_SOURCES)
  find_package(benchmark REQUIRED)
  add_executable(bench_native EXCLUDE_FROM_ALL ${BENCH_SOURCES})
  target_include_directories(bench_native PRIVATE ${CMAKE_SOURCE_DIR}/bench)
  target_link_libraries(bench_native PRIVATE mirelo_core benchmark::benchmark)
endif()

# Native-only targets that exist once their sources do: a demo of the core and benchmarks.
mirelo_glob(DEMO_NATIVE_SOURCES demo/native/*.cpp)
if(DEMO_NATIVE_SOURCES)
  add_executable(demo_native ${DEMO_NATIVE_SOURCES})
  target_link_libraries(demo_native PRIVATE mirelo_core)
endif()

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(BENCH_SOURCES)
  find_package(benchmark REQUIRED)
  add_executable(bench_native EXCLUDE_FROM_ALL ${BENCH_SOURCES})
  target_include_directories(bench_native PRIVATE ${CMAKE_SOURCE_DIR}/bench)
  target_link_libraries(bench_native PRIVATE mirelo_core benchmark::benchmark)
endif()

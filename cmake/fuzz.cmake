# One libFuzzer target per tests/fuzz/*.cpp (each defines LLVMFuzzerTestOneInput).
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
foreach(src ${FUZZ_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(fuzz_${name} ${src})
  target_link_libraries(fuzz_${name} PRIVATE mirelo_core)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()

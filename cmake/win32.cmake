# The Windows side: platform layer, the component (MireloList.ocx), Wine tests and the demo.
set(MIRELO_WIN_LIBS ole32 oleaut32 uuid gdi32 user32 comctl32 msimg32 oleacc)
set(SRC ${CMAKE_SOURCE_DIR}/src)
set(GEN ${CMAKE_BINARY_DIR})

# Resource scripts are UTF-8 like the rest of the sources (without this windres reads them as
# ANSI and Chinese strings come out garbled).
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")
enable_language(RC)

# --- version: VERSION -> mirelo_version.h, read by the version block and the About box -------
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION MIRELO_VERSION LIMIT_COUNT 1)
if(NOT MIRELO_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must read MAJOR.MINOR.PATCH, not '${MIRELO_VERSION}'")
endif()
set(MIRELO_VERSION_MAJOR ${CMAKE_MATCH_1})
set(MIRELO_VERSION_MINOR ${CMAKE_MATCH_2})
set(MIRELO_VERSION_PATCH ${CMAKE_MATCH_3})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
configure_file(${CMAKE_SOURCE_DIR}/cmake/version.h.in ${GEN}/mirelo_version.h @ONLY)

# --- type library: MireloList.idl -> MireloList.tlb, MireloList_h.h, MireloList_i.c ---------
set(IDL ${SRC}/server/MireloList.idl)
# The 64-bit component embeds a type library made for 64-bit (SYS_WIN64, 8-byte pointers),
# importing the 64-bit stdole2.tlb.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WIDL_TARGET --win64 -L/usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
else()
  set(WIDL_TARGET --win32 -L/usr/lib/i386-linux-gnu/wine/i386-windows)
endif()
set(TLB_DEPENDS)
if(EXISTS ${IDL})
  if(NOT MIRELO_WIDL)
    message(FATAL_ERROR "widl not found (package mingw-w64-tools)")
  endif()
  # Type libraries keep narrow strings that readers decode in the ANSI code page: the
  # Chinese help strings go in as code page 936, as the library's users read them.
  add_custom_command(
    OUTPUT ${GEN}/MireloList.tlb ${GEN}/MireloList_h.h ${GEN}/MireloList_i.c
    COMMAND iconv -f UTF-8 -t CP936 ${IDL} -o ${GEN}/MireloList.idl
    COMMAND ${MIRELO_WIDL} ${WIDL_TARGET} -I${SRC}/server -I/usr/include/wine/wine/windows
            -h -H ${GEN}/MireloList_h.h -t -T ${GEN}/MireloList.tlb -u -U ${GEN}/MireloList_i.c
            ${GEN}/MireloList.idl
    DEPENDS ${IDL}
    COMMENT "widl MireloList.idl")
  # One target owns the widl run; everything that reads its outputs depends on it.
  add_custom_target(mirelo_tlb DEPENDS ${GEN}/MireloList.tlb ${GEN}/MireloList_h.h)
  add_library(mirelo_idl STATIC ${GEN}/MireloList_i.c)
  add_dependencies(mirelo_idl mirelo_tlb)
  target_include_directories(mirelo_idl PUBLIC ${GEN})
  set(TLB_DEPENDS ${GEN}/MireloList.tlb)
else()
  add_library(mirelo_idl INTERFACE)
endif()

# --- platform layer (user32/gdi32), shared by the component and its Wine tests ---------------
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${SRC}/win32/*.cpp)
mirelo_library(mirelo_win32 ${WIN32_SOURCES})
target_link_libraries(mirelo_win32 PUBLIC mirelo_core mirelo_idl ${MIRELO_WIN_LIBS})

# --- the component -------------------------------------------------------------------------
file(GLOB SERVER_SOURCES CONFIGURE_DEPENDS ${SRC}/server/*.cpp ${SRC}/server/*.rc)
file(GLOB_RECURSE RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
if(SERVER_SOURCES)
  set(DEF ${SRC}/server/MireloList.def)
  add_library(MireloList SHARED ${SERVER_SOURCES})
  if(EXISTS ${DEF})
    target_sources(MireloList PRIVATE ${DEF})
  endif()
  set_target_properties(MireloList PROPERTIES PREFIX "" OUTPUT_NAME MireloList SUFFIX .ocx)
  # The resource script names each skin bitmap by its bare file name.
  target_include_directories(MireloList PRIVATE ${GEN} ${SRC}/server ${CMAKE_SOURCE_DIR}/resources
                             ${CMAKE_SOURCE_DIR}/resources/scrollbar ${CMAKE_SOURCE_DIR}/resources/cursors)
  target_link_libraries(MireloList PRIVATE mirelo_win32)
  if(TARGET mirelo_tlb)
    add_dependencies(MireloList mirelo_tlb)
  endif()
  # The .def names the exports undecorated; let ld match them to the stdcall symbols.
  target_link_options(MireloList PRIVATE -Wl,--enable-stdcall-fixup)
  # windres does not report what it reads: rebuild the resources when any input changes.
  file(GLOB RC_FILES CONFIGURE_DEPENDS ${SRC}/server/*.rc)
  if(RC_FILES)
    set_source_files_properties(${RC_FILES} PROPERTIES
      OBJECT_DEPENDS "${TLB_DEPENDS};${RESOURCE_FILES};${GEN}/mirelo_version.h")
  endif()
endif()

# The control loads its cursors by bare name from the current directory (the build dir).
file(GLOB CURSOR_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/cursors/*.cur)
foreach(cur ${CURSOR_FILES})
  get_filename_component(name ${cur} NAME)
  configure_file(${cur} ${GEN}/${name} COPYONLY)
endforeach()

# --- Wine tests and demo -------------------------------------------------------------------
mirelo_glob(WIN32_TEST_SOURCES tests/win32/*.cpp)
mirelo_test(win32_tests SOURCES ${WIN32_TEST_SOURCES} LIBS mirelo_win32
            INCLUDES ${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_SOURCE_DIR}/tests/native)

# The hostile host (tests/fuzz/host): drives the registered component through IDispatch.
file(GLOB HOST_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/host/*.cpp)
if(HOST_FUZZ_SOURCES)
  add_executable(host_calls ${HOST_FUZZ_SOURCES} ${CMAKE_SOURCE_DIR}/tests/win32/com_support.cpp
                 ${CMAKE_SOURCE_DIR}/tests/win32/test_container.cpp)
  target_include_directories(host_calls PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32)
  target_link_libraries(host_calls PRIVATE mirelo_win32 gtest)
endif()

file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/demo/*.cpp)
if(DEMO_SOURCES)
  add_executable(demo ${DEMO_SOURCES})
  target_link_libraries(demo PRIVATE mirelo_win32)
endif()

file(GLOB BENCH_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
if(BENCH_WIN32_SOURCES)
  # Hosted in place by the demo's container.
  add_executable(bench_win32 EXCLUDE_FROM_ALL ${BENCH_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/demo/demo_host.cpp)
  target_include_directories(bench_win32 PRIVATE ${CMAKE_SOURCE_DIR}/demo)
  target_link_libraries(bench_win32 PRIVATE mirelo_win32)
endif()

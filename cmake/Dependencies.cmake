# zlib comes from the distribution's mingw package; minizip's unzip part is
# compiled here from the distribution's zlib source package (tools/setup.sh
# unpacks it), never copied into this tree.
find_package(ZLIB REQUIRED)

set(MINIZIP_SOURCE_DIR "" CACHE PATH "contrib/minizip of the zlib source package")
if(NOT MINIZIP_SOURCE_DIR)
  file(GLOB _minizip_candidates /opt/quillora-deps/zlib-*/contrib/minizip)
  list(SORT _minizip_candidates)
  list(POP_BACK _minizip_candidates MINIZIP_SOURCE_DIR)
endif()
if(NOT EXISTS "${MINIZIP_SOURCE_DIR}/unzip.c")
  message(FATAL_ERROR "minizip sources not found (run tools/setup.sh or set MINIZIP_SOURCE_DIR)")
endif()

add_library(minizip STATIC
  ${MINIZIP_SOURCE_DIR}/unzip.c
  ${MINIZIP_SOURCE_DIR}/ioapi.c
  ${MINIZIP_SOURCE_DIR}/iowin32.c)
target_include_directories(minizip SYSTEM PUBLIC ${MINIZIP_SOURCE_DIR})
target_compile_definitions(minizip PRIVATE NOCRYPT NOUNCRYPT)
target_compile_options(minizip PRIVATE -w)
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)

# GoogleTest, built with the same cross toolchain.
if(QUILLORA_TESTS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

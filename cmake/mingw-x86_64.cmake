# Cross toolchain: 64-bit Windows. The product is 32-bit; this build exists so
# the tests can run under a 64-bit Wine on machines whose kernel cannot
# execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Test programs are Windows executables: ctest runs them through Wine.
# tools/env.sh passes the loader that fits this machine (QUILLORA_WINE).
if(DEFINED ENV{QUILLORA_WINE})
  set(WINE_PROGRAM $ENV{QUILLORA_WINE})
else()
  find_program(WINE_PROGRAM NAMES wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})

# Test programs are Windows executables: ctest runs them through Wine, by
# way of tools/wine-exec.sh (which picks the loader that fits this machine,
# QUILLORA_WINE from tools/env.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec.sh)

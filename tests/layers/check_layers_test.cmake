# The include check of the library layers, run on small made-up folders: a
# downward include passes, an upward or sideways one fails the check.
#   cmake -DCHECK=<cmake/CheckLayers.cmake> -DWORK=<scratch folder> -P check_layers_test.cmake
cmake_minimum_required(VERSION 3.25)
set(known "skin/core;skin/buttons;skin/lists;skin/containers;skin/frames;skin/engine;gdip;runtime")

# Runs the check on one file holding `text` as a file of skin/buttons;
# `expect` is PASS or FAIL.
function(expect_check name text expect)
  set(file ${WORK}/${name}.cpp)
  file(WRITE ${file} "${text}")
  file(WRITE ${WORK}/${name}.cmake
"set(FOLDER \"skin/buttons\")
set(ALLOWED \"skin/buttons;skin/core;gdip;runtime\")
set(KNOWN \"${known}\")
set(FILES \"${file}\")
")
  execute_process(COMMAND ${CMAKE_COMMAND} -DINPUTS=${WORK}/${name}.cmake -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect STREQUAL "PASS" AND NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: refused a permitted include:\n${err}")
  elseif(expect STREQUAL "FAIL" AND result EQUAL 0)
    message(FATAL_ERROR "${name}: let a forbidden include through")
  endif()
endfunction()

file(MAKE_DIRECTORY ${WORK})
expect_check(down "#include \"skin/core/dc_cache.h\"\n#include \"gdip/gdip_pen.h\"\n#include <windows.h>\n#include \"unzip.h\"\n" PASS)
expect_check(own "#include \"skin/buttons/button_installers.h\"\n" PASS)
expect_check(up "#include \"skin/core/dc_cache.h\"\n#include \"skin/frames/drop_shadow.h\"\n" FAIL)
expect_check(sideways "  #  include \"skin/lists/scroll_overlay.h\"  // a neighbour\n" FAIL)
expect_check(top "#include \"skin/engine/skin_engine.h\"\n" FAIL)

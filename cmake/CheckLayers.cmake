# Build step of quillora_enforce_layers(): fails when a source or header of
# FOLDER includes a file of a project folder that FOLDER's library does not
# link (ALLOWED). Includes of anything else (platform, third party) pass.
#
#   cmake -DINPUTS=<file setting FOLDER, ALLOWED, KNOWN, FILES> -DSTAMP=<file>
#         -P CheckLayers.cmake
# or the four variables given directly with -D.
cmake_minimum_required(VERSION 3.25)
if(DEFINED INPUTS)
  include(${INPUTS})
endif()

# The project folder an include path points into: "skin/<layer>" for the
# skin, otherwise the first path component.
function(include_folder path out)
  string(REGEX MATCH "^skin/[^/]+/" skin_folder "${path}")
  if(skin_folder)
    string(REGEX REPLACE "/$" "" folder "${skin_folder}")
  else()
    string(REGEX MATCH "^[^/]+/" first "${path}")
    string(REGEX REPLACE "/$" "" folder "${first}")
  endif()
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

set(faults "")
foreach(file IN LISTS FILES)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" path "${line}")
    include_folder("${path}" folder)
    if(folder AND folder IN_LIST KNOWN AND NOT folder IN_LIST ALLOWED)
      string(APPEND faults "  ${file}: includes \"${path}\", but ${FOLDER} does not link ${folder}\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the library layers:\n${faults}"
          "Move the code to the layer that links what it uses, or declare the dependency "
          "if it points down.")
endif()
if(DEFINED STAMP)
  file(TOUCH ${STAMP})
endif()

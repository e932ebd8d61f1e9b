# Every source folder is one static library made of the .cpp files it holds,
# so adding a file needs no edit here.
#
# A folder library declares the libraries it uses (DEPENDS); those are the
# only folders its sources may include from. quillora_enforce_layers()
# turns that into a build step: an include of a folder the library does
# not depend on (an upward include between the skin layers, for instance)
# fails the build of that library.
function(quillora_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;SYSTEM_LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    # A folder whose code has not landed yet still gives a linkable target.
    set(_sources ${QUILLORA_ROOT}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC ${QUILLORA_ROOT})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_SYSTEM_LIBS})
  quillora_layered_folder(${name})
endfunction()

# Marks `target` as the library of the current source folder, whose
# includes quillora_enforce_layers() checks. A HEADERS_ONLY folder (no code
# of its own that includes anything) is only named, so that including it
# counts as using it.
function(quillora_layered_folder target)
  cmake_parse_arguments(ARG "HEADERS_ONLY" "" "" ${ARGN})
  file(RELATIVE_PATH _folder ${QUILLORA_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(TARGET ${target} PROPERTY QUILLORA_FOLDER ${_folder})
  set_property(GLOBAL APPEND PROPERTY QUILLORA_KNOWN_FOLDERS ${_folder})
  if(NOT ARG_HEADERS_ONLY)
    set_property(GLOBAL APPEND PROPERTY QUILLORA_LAYERED_TARGETS ${target})
  endif()
endfunction()

# The folders of `target` and of every layered library it links, directly
# or through others.
function(_quillora_reachable_folders target out)
  set(_seen "")
  set(_todo ${target})
  set(_folders "")
  while(_todo)
    list(POP_FRONT _todo _t)
    if(_t IN_LIST _seen OR NOT TARGET ${_t})
      continue()
    endif()
    list(APPEND _seen ${_t})
    get_target_property(_folder ${_t} QUILLORA_FOLDER)
    if(_folder)
      list(APPEND _folders ${_folder})
    endif()
    get_target_property(_type ${_t} TYPE)
    if(_type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(_links ${_t} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(_links ${_t} LINK_LIBRARIES)
    endif()
    if(_links)
      list(APPEND _todo ${_links})
    endif()
  endwhile()
  list(REMOVE_DUPLICATES _folders)
  set(${out} ${_folders} PARENT_SCOPE)
endfunction()

# Adds to every layered library a build step that checks the includes of
# its folder's sources and headers against the folders it links; the
# library is not compiled while the check fails. Call once, after every
# folder has been added.
function(quillora_enforce_layers)
  get_property(_targets GLOBAL PROPERTY QUILLORA_LAYERED_TARGETS)
  get_property(_known GLOBAL PROPERTY QUILLORA_KNOWN_FOLDERS)
  foreach(t IN LISTS _targets)
    get_target_property(_folder ${t} QUILLORA_FOLDER)
    _quillora_reachable_folders(${t} _allowed)
    file(GLOB _files CONFIGURE_DEPENDS
         ${QUILLORA_ROOT}/${_folder}/*.cpp ${QUILLORA_ROOT}/${_folder}/*.h)
    # What the check needs, written at configure time (rewritten only when
    # it changes, so the check reruns when a source or a dependency does).
    set(_inputs ${CMAKE_BINARY_DIR}/layers/${t}.cmake)
    set(_stamp ${CMAKE_BINARY_DIR}/layers/${t}.ok)
    file(CONFIGURE OUTPUT ${_inputs} CONTENT
"set(FOLDER \"${_folder}\")
set(ALLOWED \"${_allowed}\")
set(KNOWN \"${_known}\")
set(FILES \"${_files}\")
")
    add_custom_command(OUTPUT ${_stamp}
      COMMAND ${CMAKE_COMMAND} -DINPUTS=${_inputs} -DSTAMP=${_stamp}
              -P ${QUILLORA_ROOT}/cmake/CheckLayers.cmake
      DEPENDS ${_files} ${_inputs} ${QUILLORA_ROOT}/cmake/CheckLayers.cmake
      COMMENT "Checking the includes of ${_folder}"
      VERBATIM)
    add_custom_target(${t}_layers DEPENDS ${_stamp})
    add_dependencies(${t} ${t}_layers)
  endforeach()
endfunction()

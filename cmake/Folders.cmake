# Every source folder is one static library made of the .cpp files it holds,
# so adding a file needs no edit here.
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
endfunction()

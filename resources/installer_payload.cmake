# The installer's own payload, generated into PAYLOAD_DIR and embedded
# through payload.rc.

# The stand-in for the product executable: a small program of ours, built
# with the toolchain in use, that the program archive carries as
# "Quillora.exe". No time stamp in its header, so the archive is the same
# on every build.
add_executable(quillora_standin WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/standin/quillora_standin.cpp)
target_link_options(quillora_standin PRIVATE -Wl,--no-insert-timestamp)
set_target_properties(quillora_standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PAYLOAD_DIR}/standin)

# The archives the installation extracts, and the (empty) data package.
quillora_generate(INSTALLER_FILES OUTPUT program_archive.zip SCRIPT make_program_archive.py
  ARGS $<TARGET_FILE:quillora_standin>
  DEPENDS quillora_standin ${CMAKE_CURRENT_SOURCE_DIR}/zip_writer.py)
quillora_generate(INSTALLER_FILES OUTPUT materials_archive.zip SCRIPT make_materials_archive.py
  ARGS ${PAYLOAD_DIR}/program_archive.zip
  DEPENDS ${PAYLOAD_DIR}/program_archive.zip ${CMAKE_CURRENT_SOURCE_DIR}/zip_writer.py)
quillora_generate(INSTALLER_FILES OUTPUT data_package.bin SCRIPT make_data_package.py)

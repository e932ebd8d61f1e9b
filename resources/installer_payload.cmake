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

# The installer window's background music (needs lame) and release notes.
quillora_generate(INSTALLER_FILES OUTPUT background_music.mp3 SCRIPT make_background_music.py)
quillora_generate(INSTALLER_FILES OUTPUT release_notes.txt SCRIPT make_release_notes.py
  ARGS ${CMAKE_CURRENT_SOURCE_DIR}/release_notes.txt
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/release_notes.txt)
# The manifest is embedded as it stands; listed so an edit relinks.
list(APPEND INSTALLER_FILES ${CMAKE_CURRENT_SOURCE_DIR}/installer.manifest)

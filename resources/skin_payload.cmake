# Skin pictures, generated into PAYLOAD_DIR and embedded through skin.rc.

# The progress bar's shine strips.
quillora_generate(SKIN_FILES OUTPUT shine_glow.png SCRIPT shine_strips.py ARGS glow DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
quillora_generate(SKIN_FILES OUTPUT shine_band.png SCRIPT shine_strips.py ARGS band DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
quillora_generate(SKIN_FILES OUTPUT shine_cyan.png SCRIPT shine_strips.py ARGS cyan DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)

# The check-box glyph strip and the application icon.
quillora_generate(SKIN_FILES OUTPUT glyph_strip.png SCRIPT glyph_strip.py DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
quillora_generate(SKIN_FILES OUTPUT app_icon.ico SCRIPT app_icon.py)

# The caption-button images of the main frames.
foreach(button help menu minimize maximize restore close)
  quillora_generate(SKIN_FILES OUTPUT caption_${button}.png SCRIPT caption_buttons.py ARGS ${button} DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
endforeach()

# The chevrons of the painted scroll bars.
foreach(arrow up down left right)
  quillora_generate(SKIN_FILES OUTPUT scroll_arrow_${arrow}.png SCRIPT scroll_arrows.py ARGS ${arrow} DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
endforeach()
# The check mark of the drawn check-box look and the menu items.
quillora_generate(SKIN_FILES OUTPUT check_mark.png SCRIPT check_mark.py DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
# The close-button image of the skinned dialogs.
quillora_generate(SKIN_FILES OUTPUT dialog_close.png SCRIPT dialog_close.py DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)

# The marks of the painted tree views.
foreach(mark check partial expand)
  quillora_generate(SKIN_FILES OUTPUT tree_${mark}.png SCRIPT tree_marks.py ARGS ${mark} DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/png_writer.py)
endforeach()
# The installer's theme picture (a baseline JPEG; in skin.rc so the
# in-process tests of the installer's windows have it too).
quillora_generate(SKIN_FILES OUTPUT background_image.jpg SCRIPT background_image.py DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/jpeg_writer.py)

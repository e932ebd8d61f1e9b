# Skin pictures, generated into PAYLOAD_DIR and embedded through skin.rc.

# The progress bar's shine strips.
quillora_generate(SKIN_FILES OUTPUT shine_glow.png SCRIPT shine_strips.py ARGS glow)
quillora_generate(SKIN_FILES OUTPUT shine_band.png SCRIPT shine_strips.py ARGS band)
quillora_generate(SKIN_FILES OUTPUT shine_cyan.png SCRIPT shine_strips.py ARGS cyan)

# The check-box glyph strip and the application icon.
quillora_generate(SKIN_FILES OUTPUT glyph_strip.png SCRIPT glyph_strip.py)
quillora_generate(SKIN_FILES OUTPUT app_icon.ico SCRIPT app_icon.py)

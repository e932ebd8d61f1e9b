// Resource ids of everything embedded in the executables. Shared by the
// resource scripts (through windres' preprocessor) and the C++ code.
#pragma once

#define IDI_APP_ICON 129

// Check-box glyph strip (131 x 16 RGBA PNG, magenta marker columns).
#define IDR_GLYPH_STRIP 210

// Check mark of the drawn check-box look and the menu items (13 x 12 RGBA PNG).
#define IDR_CHECK_MARK 211

// Shine strips of the progress bar (32-bit RGBA PNG).
#define IDR_SHINE_STRIP_GLOW 201
#define IDR_SHINE_STRIP_BAND 202
#define IDR_SHINE_STRIP_CYAN 203

// Caption-button images of the main frames (32-bit RGBA PNG, 26 x 18; the
// close button 38 x 18).
#define IDR_CAPTION_HELP 231
#define IDR_CAPTION_MENU 232
#define IDR_CAPTION_MINIMIZE 233
#define IDR_CAPTION_MAXIMIZE 234
#define IDR_CAPTION_RESTORE 235
#define IDR_CAPTION_CLOSE 236

// Close-button image of the skinned dialogs (38 x 18 RGBA PNG).
#define IDR_DIALOG_CLOSE 237

// Chevrons of the painted scroll bars (14 x 14 RGBA PNG).
#define IDR_SCROLL_ARROW_UP 221
#define IDR_SCROLL_ARROW_DOWN 222
#define IDR_SCROLL_ARROW_LEFT 223
#define IDR_SCROLL_ARROW_RIGHT 224

// Marks of the painted tree views (RGBA PNG): the tick (13 x 12), the
// partial square (6 x 6) and the expand triangle (7 x 5, also the
// toolbar's drop arrow).
#define IDR_TREE_CHECK 261
#define IDR_TREE_PARTIAL 262
#define IDR_TREE_EXPAND 263

// The installer's archives and data package (payload.rc).
#define IDR_MAIN_PROGRAM_ARCHIVE 301
#define IDR_MATERIALS_ARCHIVE 302
#define IDR_DATA_PACKAGE 303

// Background music (MP3) and release notes (CP936 text) of the installer window.
#define IDR_BACKGROUND_MUSIC 311
#define IDR_RELEASE_NOTES 312

// The installer's theme picture (570 x 451 baseline JPEG; skin.rc).
#define IDR_BACKGROUND_IMAGE 313

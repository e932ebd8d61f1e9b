// Records of the engine's process-wide lists.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/byte_array.h"
#include "runtime/gdi_object.h"
#include "runtime/thread_timer.h"
#include "skin/core/dc_cache.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/font_spec.h"
#include "skin/core/image_strip.h"

namespace skin {

// One running hover fade of a control. It owns its timer, the window DC
// it took itself and a source handed to it, and lets all of them go when
// it goes; a DC its caller gave stays the caller's.
struct FadeRecord {
  int layered = 0;
  int step = 0;
  rt::ThreadTimer timer;
  HWND hwnd = nullptr;
  HDC destDc = nullptr;    // blended into: the caller's DC or ownDestDc's
  rt::WindowDc ownDestDc;  // the window's DC, when no DC was given
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HDC sourceDc = nullptr;  // blended from: ownSource's DC or one the caller keeps
  CachedDc ownSource;
  int sourceX = 0;
  int sourceY = 0;
};

// Item icons of one tree view.
struct TreeIconSet {
  HWND hwnd = nullptr;
  ImageStrip icons;
  int released = 0;
};

// A window painted by an application routine.
struct CustomDrawRecord {
  HWND hwnd = nullptr;
  rt::ByteArray first;
  rt::ByteArray second;
  rt::ByteArray routine;  // holds the routine to call
};

struct MenuItemRecord {
  rt::ByteArray icon;
  rt::Text caption;
  FontSpec font;
  COLORREF textColour = 0;
  int separator = 0;
};

// A menu registered for owner drawing.
struct MenuRecord {
  HMENU menu = nullptr;
  FARPROC routine = nullptr;
  int itemWidth = 0;
  int itemHeight = 0;
  COLORREF colour = 0;  // -1: AccentColour at paint time
  std::vector<MenuItemRecord> items;
  DecodedPicture checkMark;  // the tinted mark of checked items, kept decoded
};

// An element of a layered composition; it begins with its window.
struct LayerElement {
  HWND hwnd = nullptr;
};

}  // namespace skin

#include "gdip/gdiplus_startup.h"

namespace gdip {

ULONG_PTR GdiplusToken = 0;

ULONG_PTR StartGdiplus(Opt<int> version) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = static_cast<UINT32>(version.Or(1));
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  // A failed start leaves the token 0; nothing else is to be done about it.
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  GdiplusToken = token;
  return token;
}

void ShutdownGdiplus(Opt<ULONG_PTR> token) {
  ULONG_PTR stopping = token.value;
  if (!token.given) {
    stopping = GdiplusToken;
    GdiplusToken = 0;
  }
  if (stopping != 0) Gdiplus::GdiplusShutdown(stopping);
}

}  // namespace gdip

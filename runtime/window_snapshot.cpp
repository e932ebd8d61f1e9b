#include <cstring>

#include "runtime/gdi_object.h"
#include "runtime/window_runtime.h"

namespace rt {
namespace {

constexpr WORD kBitmapFileType = 0x4D42;  // "BM"

// Rows of 24-bit pixels are padded to whole DWORDs.
DWORD RowBytes(LONG width) { return ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4; }

}  // namespace

ByteArray WindowSnapshot(HWND window) {
  RECT client{};
  if (!IsWindow(window) || !GetClientRect(window, &client)) return {};
  const LONG width = client.right - client.left;
  const LONG height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return {};

  const WindowDc screen(window);
  if (!screen) return {};
  const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!memory || !bitmap) return {};
  {
    const ScopedSelection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  }

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD pixelBytes = RowBytes(width) * static_cast<DWORD>(height);
  info.biSizeImage = pixelBytes;

  BITMAPFILEHEADER file{};
  file.bfType = kBitmapFileType;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixelBytes;

  ByteArray bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  BITMAPINFO request{};
  request.bmiHeader = info;
  if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), bytes.data() + file.bfOffBits, &request,
                DIB_RGB_COLORS) != height)
    return {};
  return bytes;
}

}  // namespace rt

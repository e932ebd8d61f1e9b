// Owning wrapper of a GDI+ image.
//
// An image decoded from bytes reads them from a private stream for as long
// as it lives, so the image owns that stream and frees it only after GDI+
// has let go of the image. Loading into an image that holds one disposes
// of the old image (and its stream) first.
#pragma once

#include <vector>

#include "gdip/gdip_object.h"
#include "gdip/image_records.h"
#include "gdip/memory_stream.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipImage : public GdipObject {
 public:
  GdipImage();
  GdipImage(GdipImage&&) noexcept = default;
  GdipImage& operator=(GdipImage&&) noexcept = default;
  ~GdipImage();

  // Releases the image, then its stream. False, with no flat call, when the
  // object holds no image.
  bool Dispose();

  // Decode an image file or encoded bytes (PNG here); the caller's array
  // may be freed at once. icm selects colour management.
  bool LoadFromFile(const rt::Text& path, Opt<bool> icm = {});
  bool LoadFromFileW(const rt::ByteArray& widePath, Opt<bool> icm = {});
  bool LoadFromStream(const rt::ByteArray& bytes, Opt<bool> icm = {});

  // The image encoded by the installed encoder of the format (a GDI+ format
  // GUID text; the image's own raw format when omitted). Empty when the
  // encoding fails, for instance when no encoder has the format.
  rt::ByteArray SaveToStream(Opt<rt::Text> format = {}, const EncoderParametersRecord* parameters = nullptr);
  bool SaveToFile(const rt::Text& path, Opt<rt::Text> format = {}, const EncoderParametersRecord* parameters = nullptr);
  // Path as UTF-16 bytes ending with a zero unit; BMP when no format is given.
  bool SaveToFileW(const rt::ByteArray& widePath, Opt<rt::Text> format = {},
                   const EncoderParametersRecord* parameters = nullptr);
  bool SaveAdd(const EncoderParametersRecord& parameters);
  bool SaveAddImage(const GdipImage& image, const EncoderParametersRecord& parameters);
  bool GetEncoderParameterList(const rt::Text& format, EncoderParametersRecord& parameters);

  // New images from this one go into another object, whose previous image
  // is disposed of first.
  bool CloneInto(GdipImage& target) const;
  bool GetThumbnail(UINT width, UINT height, GdipImage& target) const;

  rt::Text GetRawFormat();
  // GDI+ writes the bounds' unit into *unit when it is given.
  RectF GetBounds(int* unit = nullptr);
  ImageDimension GetDimension();
  int GetType();
  UINT GetWidth();
  UINT GetHeight();
  REAL GetHorizontalResolution();
  REAL GetVerticalResolution();
  UINT GetFlags();
  int GetPixelFormat();

  UINT GetFrameCount(const rt::Text& dimension);
  bool GetFrameDimensionsList(std::vector<rt::Text>& dimensions);
  bool SelectActiveFrame(const rt::Text& dimension, UINT index);
  // One delay per frame, from the frame-delay property.
  bool GetFrameDelays(std::vector<int>& delays);

  bool GetPropertyItem(PROPID id, PropertyItemRecord& item);
  // Replaces the array by the image's property ids and returns their count.
  int GetPropertyIdList(std::vector<PROPID>& ids);
  bool SetPropertyItem(const PropertyItemRecord& item);
  bool RemovePropertyItem(PROPID id);

  bool GetPalette(PaletteRecord& palette);
  bool SetPalette(const PaletteRecord& palette);

  bool RotateFlip(RotateFlipType rotateFlipType);

 protected:
  Gdiplus::GpImage* Native() const { return NativeAs<Gdiplus::GpImage>(); }
  // The stream an image decoded from bytes reads.
  MemoryStream& Stream() { return stream_; }

 private:
  bool Save(const WCHAR* path, IStream* stream, const rt::Text& format, const EncoderParametersRecord* parameters);

  MemoryStream stream_;
};

}  // namespace gdip

#include "gdip/gdip_image.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "gdip/encoder_parameters.h"
#include "gdip/guid_text.h"
#include "gdip/image_encoders.h"
#include "gdip/native_block.h"
#include "gdip/wide_text.h"

namespace gdip {

using Gdiplus::GpImage;

namespace {

// GDI+'s property holding one 32-bit delay per frame of an animation.
constexpr PROPID kFrameDelayProperty = 0x5100;

GpStatus DisposeImage(void* native) { return flat::GdipDisposeImage(static_cast<GpImage*>(native)); }

// The encoder parameter block of an optional record: null without a
// record; false when the record does not describe its own values.
bool BuildParameters(const EncoderParametersRecord* record, NativeEncoderParameters& block,
                     const Gdiplus::EncoderParameters*& result) {
  result = nullptr;
  if (record == nullptr) return true;
  if (!block.Build(*record)) return false;
  result = block.get();
  return true;
}

}  // namespace

GdipImage::GdipImage() : GdipObject(DisposeImage) {}

GdipImage::~GdipImage() {
  // Before the stream member goes: GDI+ may still read it until then.
  Dispose();
}

bool GdipImage::Dispose() {
  const bool disposed = ReleaseNative();
  stream_.Release();
  return disposed;
}

bool GdipImage::LoadFromFile(const rt::Text& path, Opt<bool> icm) { return LoadFromFileW(ToWideBytes(path), icm); }

bool GdipImage::LoadFromFileW(const rt::ByteArray& widePath, Opt<bool> icm) {
  const WideArg path = WideArg::Utf16(widePath);
  if (!path.valid()) return RefuseArgument();
  Dispose();
  return CreateWith<GpImage>([&](GpImage** out) {
    return icm.value ? flat::GdipLoadImageFromFileICM(path.text(), out) : flat::GdipLoadImageFromFile(path.text(), out);
  });
}

bool GdipImage::LoadFromStream(const rt::ByteArray& bytes, Opt<bool> icm) {
  Dispose();
  IStream* stream = stream_.CreateFromBytes(bytes);
  return CreateWith<GpImage>([&](GpImage** out) {
    return icm.value ? flat::GdipLoadImageFromStreamICM(stream, out) : flat::GdipLoadImageFromStream(stream, out);
  });
}

bool GdipImage::Save(const WCHAR* path, IStream* stream, const rt::Text& format,
                     const EncoderParametersRecord* parameters) {
  NativeEncoderParameters block;
  const Gdiplus::EncoderParameters* native = nullptr;
  if (!BuildParameters(parameters, block, native)) return RefuseArgument();
  // With no encoder for the format the id stays zero and GDI+ refuses it.
  const CLSID encoder = GuidFromText(FindEncoderClsid(format));
  if (stream != nullptr) return Record(flat::GdipSaveImageToStream(Native(), stream, &encoder, native));
  return Record(flat::GdipSaveImageToFile(Native(), path, &encoder, native));
}

rt::ByteArray GdipImage::SaveToStream(Opt<rt::Text> format, const EncoderParametersRecord* parameters) {
  const rt::Text formatId = format.given ? format.value : GetRawFormat();
  MemoryStream encoded;
  IStream* stream = encoded.CreateFromBytes();
  if (stream == nullptr) {
    LastStatus = Gdiplus::OutOfMemory;
    return {};
  }
  // A refused or broken encoding leaves no bytes worth handing on.
  if (!Save(nullptr, stream, formatId, parameters)) return {};
  return encoded.ToBytes();
}

bool GdipImage::SaveToFile(const rt::Text& path, Opt<rt::Text> format, const EncoderParametersRecord* parameters) {
  const rt::Text formatId = format.given ? format.value : GetRawFormat();
  const WideArg widePath = WideArg::Ansi(path);
  return Save(widePath.text(), nullptr, formatId, parameters);
}

bool GdipImage::SaveToFileW(const rt::ByteArray& widePath, Opt<rt::Text> format,
                            const EncoderParametersRecord* parameters) {
  const WideArg path = WideArg::Utf16(widePath);
  if (!path.valid()) return RefuseArgument();
  return Save(path.text(), nullptr, format.Or(kBmpFormat), parameters);
}

bool GdipImage::SaveAdd(const EncoderParametersRecord& parameters) {
  NativeEncoderParameters block;
  if (!block.Build(parameters)) return RefuseArgument();
  return Record(flat::GdipSaveAdd(Native(), block.get()));
}

bool GdipImage::SaveAddImage(const GdipImage& image, const EncoderParametersRecord& parameters) {
  NativeEncoderParameters block;
  if (!block.Build(parameters)) return RefuseArgument();
  return Record(flat::GdipSaveAddImage(Native(), image.Native(), block.get()));
}

bool GdipImage::GetEncoderParameterList(const rt::Text& format, EncoderParametersRecord& parameters) {
  const CLSID encoder = GuidFromText(FindEncoderClsid(format));
  UINT size = 0;
  if (!Record(flat::GdipGetEncoderParameterListSize(Native(), &encoder, &size))) return false;
  NativeBlock block(size);
  if (!Record(flat::GdipGetEncoderParameterList(Native(), &encoder, size,
                                                block.As<Gdiplus::EncoderParameters>())))
    return false;
  ReadEncoderParameters(block, parameters);
  return true;
}

bool GdipImage::CloneInto(GdipImage& target) const {
  if (&target == this) return RefuseArgument();
  target.Dispose();
  return target.CreateWith<GpImage>([&](GpImage** out) { return flat::GdipCloneImage(Native(), out); });
}

bool GdipImage::GetThumbnail(UINT width, UINT height, GdipImage& target) const {
  if (&target == this) return RefuseArgument();
  target.Dispose();
  return target.CreateWith<GpImage>([&](GpImage** out) {
    return flat::GdipGetImageThumbnail(Native(), width, height, out, nullptr, nullptr);
  });
}

rt::Text GdipImage::GetRawFormat() {
  GUID format{};
  Record(flat::GdipGetImageRawFormat(Native(), &format));
  return GuidToText(format);
}

RectF GdipImage::GetBounds(int* unit) {
  Gdiplus::RectF bounds(0, 0, 0, 0);
  Gdiplus::GpUnit nativeUnit = Gdiplus::UnitWorld;
  Record(flat::GdipGetImageBounds(Native(), &bounds, &nativeUnit));
  if (unit != nullptr) *unit = static_cast<int>(nativeUnit);
  return FromNative(bounds);
}

ImageDimension GdipImage::GetDimension() {
  ImageDimension size;
  Record(flat::GdipGetImageDimension(Native(), &size.width, &size.height));
  return size;
}

int GdipImage::GetType() {
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  Record(flat::GdipGetImageType(Native(), &type));
  return static_cast<int>(type);
}

UINT GdipImage::GetWidth() {
  UINT width = 0;
  Record(flat::GdipGetImageWidth(Native(), &width));
  return width;
}

UINT GdipImage::GetHeight() {
  UINT height = 0;
  Record(flat::GdipGetImageHeight(Native(), &height));
  return height;
}

REAL GdipImage::GetHorizontalResolution() {
  REAL dpi = 0;
  Record(flat::GdipGetImageHorizontalResolution(Native(), &dpi));
  return dpi;
}

REAL GdipImage::GetVerticalResolution() {
  REAL dpi = 0;
  Record(flat::GdipGetImageVerticalResolution(Native(), &dpi));
  return dpi;
}

UINT GdipImage::GetFlags() {
  UINT flags = 0;
  Record(flat::GdipGetImageFlags(Native(), &flags));
  return flags;
}

int GdipImage::GetPixelFormat() {
  Gdiplus::PixelFormat format = 0;
  Record(flat::GdipGetImagePixelFormat(Native(), &format));
  return static_cast<int>(format);
}

UINT GdipImage::GetFrameCount(const rt::Text& dimension) {
  const GUID id = GuidFromText(dimension);
  UINT count = 0;
  Record(flat::GdipImageGetFrameCount(Native(), &id, &count));
  return count;
}

bool GdipImage::GetFrameDimensionsList(std::vector<rt::Text>& dimensions) {
  UINT count = 0;
  if (!Record(flat::GdipImageGetFrameDimensionsCount(Native(), &count))) return false;
  std::vector<GUID> ids(count);
  const bool ok = Record(flat::GdipImageGetFrameDimensionsList(Native(), ids.empty() ? nullptr : ids.data(), count));
  dimensions.clear();
  for (const GUID& id : ids) dimensions.push_back(GuidToText(id));
  return ok;
}

bool GdipImage::SelectActiveFrame(const rt::Text& dimension, UINT index) {
  const GUID id = GuidFromText(dimension);
  return Record(flat::GdipImageSelectActiveFrame(Native(), &id, index));
}

bool GdipImage::GetFrameDelays(std::vector<int>& delays) {
  PropertyItemRecord item;
  if (!GetPropertyItem(kFrameDelayProperty, item)) return false;
  delays.assign(item.value.size() / sizeof(INT), 0);
  if (!delays.empty()) std::memcpy(delays.data(), item.value.data(), delays.size() * sizeof(INT));
  return true;
}

bool GdipImage::GetPropertyItem(PROPID id, PropertyItemRecord& item) {
  UINT size = 0;
  if (!Record(flat::GdipGetPropertyItemSize(Native(), id, &size))) return false;
  NativeBlock block(size);
  if (!Record(flat::GdipGetPropertyItem(Native(), id, size, block.As<Gdiplus::PropertyItem>()))) return false;
  if (size < sizeof(Gdiplus::PropertyItem)) return false;
  const auto* native = block.As<Gdiplus::PropertyItem>();
  item.id = static_cast<int>(native->id);
  item.length = static_cast<int>(native->length);
  item.type = native->type;
  // The value follows the item inside the block; nothing outside it is read.
  item.value.clear();
  if (block.Holds(native->value, native->length)) {
    const auto* first = static_cast<const std::uint8_t*>(native->value);
    item.value.assign(first, first + native->length);
  }
  return true;
}

int GdipImage::GetPropertyIdList(std::vector<PROPID>& ids) {
  UINT count = 0;
  if (!Record(flat::GdipGetPropertyCount(Native(), &count))) return 0;
  ids.assign(count, 0);
  Record(flat::GdipGetPropertyIdList(Native(), count, ids.empty() ? nullptr : ids.data()));
  return static_cast<int>(count);
}

bool GdipImage::SetPropertyItem(const PropertyItemRecord& item) {
  if (item.length < 0 || static_cast<std::size_t>(item.length) > item.value.size()) return RefuseArgument();
  Gdiplus::PropertyItem native{};
  native.id = static_cast<PROPID>(item.id);
  native.length = static_cast<ULONG>(item.length);
  native.type = static_cast<WORD>(item.type);
  // GDI+ copies the value.
  native.value = item.value.empty() ? nullptr : const_cast<std::uint8_t*>(item.value.data());
  return Record(flat::GdipSetPropertyItem(Native(), &native));
}

bool GdipImage::RemovePropertyItem(PROPID id) { return Record(flat::GdipRemovePropertyItem(Native(), id)); }

bool GdipImage::GetPalette(PaletteRecord& palette) {
  INT size = 0;
  if (!Record(flat::GdipGetImagePaletteSize(Native(), &size)) || size < 0) return false;
  NativeBlock block(static_cast<std::size_t>(size));
  if (!Record(flat::GdipGetImagePalette(Native(), block.As<Gdiplus::ColorPalette>(), size))) return false;
  if (block.size() < offsetof(Gdiplus::ColorPalette, Entries)) return false;
  const auto* native = block.As<Gdiplus::ColorPalette>();
  palette.flags = static_cast<int>(native->Flags);
  palette.count = static_cast<int>(native->Count);
  // Only the entries inside the block belong to the palette.
  const std::size_t room = (block.size() - offsetof(Gdiplus::ColorPalette, Entries)) / sizeof(ARGB);
  const std::size_t count = std::min<std::size_t>(native->Count, room);
  palette.entries.assign(native->Entries, native->Entries + count);
  return true;
}

bool GdipImage::SetPalette(const PaletteRecord& palette) {
  if (palette.count < 0 || static_cast<std::size_t>(palette.count) > palette.entries.size()) return RefuseArgument();
  NativeBlock block(offsetof(Gdiplus::ColorPalette, Entries) + sizeof(ARGB) * static_cast<std::size_t>(palette.count));
  // A palette of no entries still needs room for the block's fixed part.
  if (block.size() < sizeof(Gdiplus::ColorPalette)) block = NativeBlock(sizeof(Gdiplus::ColorPalette));
  auto* native = block.As<Gdiplus::ColorPalette>();
  native->Flags = static_cast<UINT>(palette.flags);
  native->Count = static_cast<UINT>(palette.count);
  for (int i = 0; i < palette.count; ++i) native->Entries[i] = palette.entries[static_cast<std::size_t>(i)];
  return Record(flat::GdipSetImagePalette(Native(), native));
}

bool GdipImage::RotateFlip(RotateFlipType rotateFlipType) {
  return Record(flat::GdipImageRotateFlip(Native(), static_cast<Gdiplus::RotateFlipType>(rotateFlipType)));
}

}  // namespace gdip

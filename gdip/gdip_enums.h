// The GDI+ enumerations the wrappers take and give, typed. Each holds
// GDI+'s own numbers, so a value passes to the flat interface by a plain
// cast; a number outside the list (to test how GDI+ answers it) is made
// with static_cast.
#pragma once

namespace gdip {

enum class SmoothingMode : int { Invalid = -1, Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, AntiAlias = 4 };

enum class CompositingMode : int { SourceOver = 0, SourceCopy = 1 };

enum class CompositingQuality : int {
  Invalid = -1,
  Default = 0,
  HighSpeed = 1,
  HighQuality = 2,
  GammaCorrected = 3,
  AssumeLinear = 4,
};

enum class InterpolationMode : int {
  Invalid = -1,
  Default = 0,
  LowQuality = 1,
  HighQuality = 2,
  Bilinear = 3,
  Bicubic = 4,
  NearestNeighbor = 5,
  HighQualityBilinear = 6,
  HighQualityBicubic = 7,
};

enum class PixelOffsetMode : int { Invalid = -1, Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, Half = 4 };

enum class TextRenderingHint : int {
  SystemDefault = 0,
  SingleBitPerPixelGridFit = 1,
  SingleBitPerPixel = 2,
  AntiAliasGridFit = 3,
  AntiAlias = 4,
  ClearTypeGridFit = 5,
};

enum class StringAlignment : int { Near = 0, Center = 1, Far = 2 };

// Bits; combine them with |.
enum class StringFormatFlags : int {
  None = 0,
  DirectionRightToLeft = 0x0001,
  DirectionVertical = 0x0002,
  NoFitBlackBox = 0x0004,
  DisplayFormatControl = 0x0020,
  NoFontFallback = 0x0400,
  MeasureTrailingSpaces = 0x0800,
  NoWrap = 0x1000,
  LineLimit = 0x2000,
  NoClip = 0x4000,
};

enum class StringTrimming : int {
  None = 0,
  Character = 1,
  Word = 2,
  EllipsisCharacter = 3,
  EllipsisWord = 4,
  EllipsisPath = 5,
};

enum class HotkeyPrefix : int { None = 0, Show = 1, Hide = 2 };

enum class FillMode : int { Alternate = 0, Winding = 1 };

enum class LinearGradientMode : int { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3 };

enum class WrapMode : int { Tile = 0, TileFlipX = 1, TileFlipY = 2, TileFlipXY = 3, Clamp = 4 };

enum class DashStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Custom = 5 };

enum class Unit : int { World = 0, Display = 1, Pixel = 2, Point = 3, Inch = 4, Document = 5, Millimeter = 6 };

// Bits; combine them with |.
enum class FontStyle : int { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3, Underline = 4, Strikeout = 8 };

enum class CombineMode : int { Replace = 0, Intersect = 1, Union = 2, Xor = 3, Exclude = 4, Complement = 5 };

enum class RotateFlipType : int {
  RotateNoneFlipNone = 0,
  Rotate90FlipNone = 1,
  Rotate180FlipNone = 2,
  Rotate270FlipNone = 3,
  RotateNoneFlipX = 4,
  Rotate90FlipX = 5,
  Rotate180FlipX = 6,
  Rotate270FlipX = 7,
};

constexpr StringFormatFlags operator|(StringFormatFlags a, StringFormatFlags b) {
  return static_cast<StringFormatFlags>(static_cast<int>(a) | static_cast<int>(b));
}

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
  return static_cast<FontStyle>(static_cast<int>(a) | static_cast<int>(b));
}

// The number GDI+ takes for a typed value.
template <class Enum>
constexpr int ToInt(Enum value) {
  return static_cast<int>(value);
}

}  // namespace gdip

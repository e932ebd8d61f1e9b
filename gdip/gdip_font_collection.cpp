#include "gdip/gdip_font_collection.h"

namespace gdip {

using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;

namespace {

// Private collections are released; the installed-font collection belongs
// to GDI+ and outlives every wrapper.
GpStatus DeleteCollection(void* native) {
  GpFontCollection* installed = nullptr;
  flat::GdipNewInstalledFontCollection(&installed);
  if (native == installed) return Gdiplus::Ok;
  auto* collection = static_cast<GpFontCollection*>(native);
  return flat::GdipDeletePrivateFontCollection(&collection);
}

}  // namespace

GdipFontCollection::GdipFontCollection() : GdipObject(DeleteCollection) {}

int GdipFontCollection::GetFamilyCount() {
  INT count = 0;
  Record(flat::GdipGetFontCollectionFamilyCount(Native(), &count));
  return count;
}

int GdipFontCollection::GetFamilies(int count, std::vector<GdipFontFamily>& families) {
  if (count < 1) {
    RefuseArgument();
    return 0;
  }
  std::vector<GpFontFamily*> listed(static_cast<std::size_t>(count), nullptr);
  std::vector<GdipFontFamily> found(static_cast<std::size_t>(count));
  INT number = 0;
  const bool ok = Record(flat::GdipGetFontCollectionFamilyList(Native(), count, listed.data(), &number));
  families = std::move(found);
  if (!ok) return 0;
  // The listed families stay the collection's; each element takes a clone
  // so that releasing it never frees what the collection still holds.
  for (std::size_t i = 0; i < listed.size(); ++i) {
    if (listed[i] == nullptr) continue;
    families[i].CreateWith<GpFontFamily>([&](GpFontFamily** out) { return flat::GdipCloneFontFamily(listed[i], out); });
  }
  return number < count ? number : count;
}

}  // namespace gdip

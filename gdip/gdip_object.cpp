#include "gdip/gdip_object.h"

#include <utility>

namespace gdip {

namespace {
// Plain process-wide value: the wrappers live on the user-interface thread.
unsigned long g_liveNatives = 0;
}  // namespace

unsigned long LiveNativeCount() noexcept { return g_liveNatives; }
void NoteNativeMade() noexcept { ++g_liveNatives; }
void NoteNativeReleased() noexcept { --g_liveNatives; }

void GdipMemoryFree::operator()(void* block) const noexcept { flat::GdipFree(block); }

GdipMemory GdipObject::Alloc(std::size_t size) { return GdipMemory(flat::GdipAlloc(size)); }

GdipObject::GdipObject(GdipObject&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), deleter_(other.deleter_) {}

GdipObject& GdipObject::operator=(GdipObject&& other) noexcept {
  if (this != &other) {
    ReleaseNative();
    handle_ = std::exchange(other.handle_, nullptr);
    deleter_ = other.deleter_;
  }
  return *this;
}

GdipObject::~GdipObject() { ReleaseNative(); }

void GdipObject::SetHandle(void* native) {
  if (native == handle_) return;
  ReleaseNative();
  handle_ = native;
  if (native != nullptr) NoteNativeMade();
}

bool GdipObject::ReleaseNative() {
  if (handle_ == nullptr) return false;
  void* native = std::exchange(handle_, nullptr);
  NoteNativeReleased();
  if (deleter_ == nullptr) return true;
  return Record(deleter_(native));
}

}  // namespace gdip

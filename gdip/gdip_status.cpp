#include "gdip/gdip_status.h"

namespace gdip {

GpStatus LastStatus = Gdiplus::Ok;

namespace {
unsigned long g_flatCalls = 0;
}

bool Record(GpStatus status) noexcept {
  LastStatus = status;
  return RecordUnstored(status);
}

bool RecordUnstored(GpStatus status) noexcept {
  ++g_flatCalls;
  return status == Gdiplus::Ok;
}

bool RefuseArgument() noexcept {
  LastStatus = Gdiplus::InvalidParameter;
  return false;
}

unsigned long FlatCallCount() noexcept { return g_flatCalls; }

}  // namespace gdip

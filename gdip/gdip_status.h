// The status of the most recent flat GDI+ call made by a wrapper.
#pragma once

#include "gdip/gdiplus_api.h"

namespace gdip {

// Status of the last flat call a wrapper operation made; Ok (0) at start.
// Plain process-wide value: everything runs on the user-interface thread.
extern GpStatus LastStatus;

// Stores a flat call's status in LastStatus and tells whether it is Ok.
bool Record(GpStatus status) noexcept;

// Counts a flat call whose status deliberately does not reach LastStatus;
// tells whether it is Ok.
bool RecordUnstored(GpStatus status) noexcept;

// Refuses an argument before any flat call: LastStatus = InvalidParameter.
bool RefuseArgument() noexcept;

// Number of flat calls the wrappers have made so far; lets tests see that
// an operation made no call at all.
unsigned long FlatCallCount() noexcept;

}  // namespace gdip

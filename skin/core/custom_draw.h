// Routines an application leaves in CustomDrawTable to paint a window of
// its own; the engine calls them with three integers. This program adds
// none, so every call finds the table empty.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "runtime/byte_array.h"

namespace skin {

// Calls the routine of CustomDrawTable record `record` with (a, b, c) and
// returns its result; 0 for an index outside the table or a record that
// holds no routine.
INT_PTR CallCustomDrawRoutine(int record, INT_PTR a, INT_PTR b, INT_PTR c);

// The address of a byte array's first data byte (null when it is empty).
const std::uint8_t* ArrayDataAddress(const rt::ByteArray& bytes);

// Calls `routine` with the integers as its arguments, in order. With
// `callerPops` the routine is called as cdecl (the caller removes the
// arguments), otherwise as stdcall. At most eight arguments.
INT_PTR CallWithArgArray(FARPROC routine, std::span<const INT_PTR> args, bool callerPops);

}  // namespace skin

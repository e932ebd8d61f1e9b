#include "skin/core/custom_draw.h"

#include <array>
#include <cstring>
#include <utility>

#include "runtime/fatal_error.h"
#include "skin/core/engine_globals.h"

namespace skin {

namespace {

constexpr std::size_t kMaxArgs = 8;

template <std::size_t>
using IntArg = INT_PTR;

// Each convention's call sits in a function of its own that is never inlined
// or merged: GCC's optimiser takes a cdecl and a stdcall call with the same
// arguments for one call and keeps only one of them, so a cdecl routine was
// called as stdcall (the stack left short by its arguments) on 32-bit.
template <std::size_t... I>
[[gnu::noipa]] INT_PTR CallCdecl(FARPROC routine, [[maybe_unused]] std::span<const INT_PTR> args, std::index_sequence<I...>) {
  using Routine = INT_PTR(__cdecl*)(IntArg<I>...);
  return reinterpret_cast<Routine>(reinterpret_cast<void*>(routine))(args[I]...);
}

template <std::size_t... I>
[[gnu::noipa]] INT_PTR CallStdcall(FARPROC routine, [[maybe_unused]] std::span<const INT_PTR> args, std::index_sequence<I...>) {
  using Routine = INT_PTR(__stdcall*)(IntArg<I>...);
  return reinterpret_cast<Routine>(reinterpret_cast<void*>(routine))(args[I]...);
}

template <std::size_t N>
INT_PTR CallWith(FARPROC routine, std::span<const INT_PTR> args, bool callerPops) {
  return callerPops ? CallCdecl(routine, args, std::make_index_sequence<N>{})
                    : CallStdcall(routine, args, std::make_index_sequence<N>{});
}

template <std::size_t... N>
INT_PTR Dispatch(FARPROC routine, std::span<const INT_PTR> args, bool callerPops,
                 std::index_sequence<N...>) {
  INT_PTR result = 0;
  ((args.size() == N ? (result = CallWith<N>(routine, args, callerPops), true) : false) || ...);
  return result;
}

}  // namespace

const std::uint8_t* ArrayDataAddress(const rt::ByteArray& bytes) {
  return bytes.empty() ? nullptr : bytes.data();
}

INT_PTR CallWithArgArray(FARPROC routine, std::span<const INT_PTR> args, bool callerPops) {
  if (args.size() > kMaxArgs) rt::ReportIndexOutOfRange("routine arguments", args.size(), kMaxArgs);
  return Dispatch(routine, args, callerPops, std::make_index_sequence<kMaxArgs + 1>{});
}

INT_PTR CallCustomDrawRoutine(int record, INT_PTR a, INT_PTR b, INT_PTR c) {
  if (record < 1 || record > static_cast<int>(CustomDrawTable.size())) return 0;
  // The record's third array holds the routine's address.
  const rt::ByteArray& holder = CustomDrawTable[static_cast<std::size_t>(record - 1)].routine;
  FARPROC routine = nullptr;
  if (holder.size() < sizeof routine) return 0;
  std::memcpy(&routine, ArrayDataAddress(holder), sizeof routine);
  if (!routine) return 0;
  const std::array<INT_PTR, 3> args{a, b, c};
  return CallWithArgArray(routine, args, false);
}

}  // namespace skin

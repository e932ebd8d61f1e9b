#include "bench/api_profile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_clock.h"

#if defined(__i386__)
#include <x86intrin.h>
#endif

namespace bench::api_profile {

#if defined(__i386__)

namespace {

// One caught import.
struct Slot {
  std::string name;
  void* original = nullptr;
  std::uint64_t calls = 0;
  std::uint64_t ticks = 0;      // from entry to return
  std::uint64_t selfTicks = 0;  // less the caught calls made inside
};

// One call in progress on the main thread.
struct Frame {
  std::uint32_t slot;
  void* returnAddress;
  std::uint64_t start;
  std::uint64_t childTicks;
};

constexpr int kMaxDepth = 1024;
constexpr const char* kDlls[] = {"gdi32.dll", "user32.dll", "gdiplus.dll", "msimg32.dll",
                                 "comctl32.dll", "kernel32.dll", "ole32.dll"};
// Calls that never return, or return twice, keep their own return address.
constexpr const char* kLeftAlone[] = {"ExitProcess", "ExitThread", "RaiseException", "RtlUnwind",
                                      "RtlCaptureContext", "FreeLibraryAndExitThread", "TerminateProcess",
                                      "TerminateThread", "SwitchToFiber", "RtlRestoreContext"};

std::vector<Slot>* Slots = nullptr;  // kept for the whole run: thunks point into it
Frame Frames[kMaxDepth];
int Depth = 0;
int Overflow = 0;
DWORD MainThread = 0;
double TicksPerSecond = 0;
bool Installed = false;
bool Paused = false;

// The thread id from the thread's own block: no call that could be caught.
DWORD CurrentThreadId() {
  DWORD id;
  asm volatile("movl %%fs:0x24, %0" : "=r"(id));
  return id;
}

}  // namespace

extern "C" {
void* __cdecl quillora_profile_enter(std::uint32_t slot, void** returnSlot);
void* __cdecl quillora_profile_exit();
void quillora_profile_entry();
void quillora_profile_return();
}

// The thunk of import i pushes i and jumps here: the stack holds i, the
// caller's return address and the arguments. The return address is swapped
// for quillora_profile_return, and `ret` jumps to the real function with
// the stack as the caller left it.
asm(R"(
  .text
  .globl _quillora_profile_entry
_quillora_profile_entry:
  pushl %eax
  pushl %ecx
  pushl %edx
  leal 16(%esp), %eax
  pushl %eax
  pushl 16(%esp)
  call _quillora_profile_enter
  addl $8, %esp
  movl %eax, 12(%esp)
  popl %edx
  popl %ecx
  popl %eax
  ret

  .globl _quillora_profile_return
_quillora_profile_return:
  subl $4, %esp
  pushl %eax
  pushl %ecx
  pushl %edx
  call _quillora_profile_exit
  movl %eax, 12(%esp)
  popl %edx
  popl %ecx
  popl %eax
  ret
)");

extern "C" void* __cdecl quillora_profile_enter(std::uint32_t slot, void** returnSlot) {
  Slot& s = (*Slots)[slot];
  if (Paused || CurrentThreadId() != MainThread) return s.original;
  if (Depth == kMaxDepth) {
    ++Overflow;
    return s.original;
  }
  Frames[Depth++] = {slot, *returnSlot, __rdtsc(), 0};
  *returnSlot = reinterpret_cast<void*>(&quillora_profile_return);
  return s.original;
}

extern "C" void* __cdecl quillora_profile_exit() {
  const std::uint64_t now = __rdtsc();
  const Frame frame = Frames[--Depth];
  const std::uint64_t ticks = now - frame.start;
  Slot& s = (*Slots)[frame.slot];
  ++s.calls;
  s.ticks += ticks;
  s.selfTicks += ticks - std::min(ticks, frame.childTicks);
  if (Depth > 0) Frames[Depth - 1].childTicks += ticks;
  return frame.returnAddress;
}

namespace {

bool ListedDll(const char* name) {
  for (const char* dll : kDlls) {
    if (lstrcmpiA(name, dll) == 0) return true;
  }
  return false;
}

bool LeftAlone(const char* name) {
  for (const char* skip : kLeftAlone) {
    if (std::strcmp(name, skip) == 0) return true;
  }
  return false;
}

double MeasureTicksPerSecond() {
  const double start = Now();
  const std::uint64_t ticks = __rdtsc();
  while (Now() - start < 0.05) {
  }
  return static_cast<double>(__rdtsc() - ticks) / (Now() - start);
}

}  // namespace

bool Install() {
  if (Installed) return true;
  Installed = true;
  MainThread = CurrentThreadId();
  TicksPerSecond = MeasureTicksPerSecond();
  static std::vector<Slot> slots;
  Slots = &slots;

  auto* base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return false;

  // The entries to redirect: IAT cell and name.
  struct Entry {
    void** cell;
    std::string name;
  };
  std::vector<Entry> entries;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name != 0; ++d) {
    const char* dll = reinterpret_cast<const char*>(base + d->Name);
    if (!ListedDll(dll) || d->OriginalFirstThunk == 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA32*>(base + d->OriginalFirstThunk);
    auto* cells = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++cells) {
      std::string name;
      if (IMAGE_SNAP_BY_ORDINAL32(names->u1.Ordinal)) {
        name = std::string(dll) + "#" + std::to_string(IMAGE_ORDINAL32(names->u1.Ordinal));
      } else {
        name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name;
        if (LeftAlone(name.c_str())) continue;
      }
      entries.push_back({reinterpret_cast<void**>(&cells->u1.Function), name});
    }
  }

  // push imm32; jmp rel32: ten bytes a thunk.
  constexpr std::size_t kThunk = 10;
  auto* code = static_cast<std::uint8_t*>(
      VirtualAlloc(nullptr, entries.size() * kThunk, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
  if (code == nullptr) return false;
  slots.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::uint8_t* thunk = code + i * kThunk;
    const auto index = static_cast<std::uint32_t>(i);
    const auto target = reinterpret_cast<std::intptr_t>(&quillora_profile_entry);
    const auto jump = static_cast<std::int32_t>(target - reinterpret_cast<std::intptr_t>(thunk + kThunk));
    thunk[0] = 0x68;
    std::memcpy(thunk + 1, &index, 4);
    thunk[5] = 0xE9;
    std::memcpy(thunk + 6, &jump, 4);
    slots.push_back({entries[i].name, *entries[i].cell});
  }
  FlushInstructionCache(GetCurrentProcess(), code, entries.size() * kThunk);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    DWORD old = 0;
    VirtualProtect(entries[i].cell, sizeof(void*), PAGE_READWRITE, &old);
    *entries[i].cell = code + i * kThunk;
    VirtualProtect(entries[i].cell, sizeof(void*), old, &old);
  }
  return true;
}

void SetPaused(bool paused) { Paused = paused; }

void Reset() {
  for (Slot& s : *Slots) s.calls = s.ticks = s.selfTicks = 0;
  Overflow = 0;
}

void Print(const char* what, int calls, double seconds, int rows) {
  std::vector<const Slot*> used;
  double caught = 0;
  for (const Slot& s : *Slots) {
    if (s.calls == 0) continue;
    used.push_back(&s);
    caught += static_cast<double>(s.selfTicks) / TicksPerSecond;
  }
  std::sort(used.begin(), used.end(), [](const Slot* a, const Slot* b) { return a->selfTicks > b->selfTicks; });
  const double perCall = seconds / calls;
  std::printf("profile of %s: %.1f us each over %d (system calls caught: %.1f us, %.0f %%; the rest is our code)\n",
              what, perCall * 1e6, calls, caught / calls * 1e6, caught / seconds * 100);
  std::printf("    %-34s %8s %10s %10s %7s\n", "call", "calls", "self us", "us a call", "share");
  int shown = 0;
  for (const Slot* s : used) {
    if (shown++ == rows) break;
    const double self = static_cast<double>(s->selfTicks) / TicksPerSecond / calls;
    std::printf("    %-34s %8.1f %10.2f %10.2f %6.1f%%\n", s->name.c_str(), static_cast<double>(s->calls) / calls,
                self * 1e6, static_cast<double>(s->selfTicks) / TicksPerSecond / static_cast<double>(s->calls) * 1e6,
                self / perCall * 100);
  }
  if (Overflow != 0) std::printf("    (%d calls nested too deep were not timed)\n", Overflow);
}

#else

bool Install() { return false; }
void SetPaused(bool) {}
void Reset() {}
void Print(const char*, int, double, int) {}

#endif

}  // namespace bench::api_profile

namespace bench {

void Profile(const char* what, int calls, const std::function<void()>& call, const std::function<void()>& untimed,
             int rows) {
  if (!ProfileWanted()) return;
  if (!api_profile::Install()) {
    std::printf("profile of %s: not available in this build\n", what);
    return;
  }
  call();  // warm
  untimed();
  api_profile::Reset();
  double seconds = 0;
  for (int i = 0; i < calls; ++i) {
    const double start = Now();
    call();
    GdiFlush();
    seconds += Now() - start;
    api_profile::SetPaused(true);
    untimed();
    api_profile::SetPaused(false);
  }
  api_profile::Print(what, calls, seconds, rows);
}

void Profile(const char* what, int calls, const std::function<void()>& call, int rows) {
  Profile(what, calls, call, [] {}, rows);
}

}  // namespace bench

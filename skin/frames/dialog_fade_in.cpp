#include "skin/frames/dialog_fade_in.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "runtime/win_handle.h"

namespace skin {

HANDLE FadeInThread = nullptr;
int FadeInStarted = 0;

namespace {

constexpr COLORREF kColourKey = 0xFF00FF;
constexpr int kFadeSteps = 10;
constexpr int kFadeAlphaStep = 24;
constexpr int kFadeEndAlpha = kFadeSteps * kFadeAlphaStep;  // 240
constexpr DWORD kFadeStopWait = 5000;  // bound on waiting for a fade to stop

// What the fade-in thread owns: its dialog and its copy of the stop event.
struct FadeInContext {
  HWND dialog = nullptr;
  rt::KernelHandle stop;
};

// One dialog's fade-in. A dialog has one from its first paint (or from its
// end, when that comes first) until its WM_NCDESTROY, so that it fades in
// once and never after its close animation has begun.
struct FadeIn {
  HWND dialog = nullptr;
  rt::KernelHandle thread;
  rt::KernelHandle stop;  // set: the thread ends before its next step
};

std::vector<FadeIn> FadeIns;

FadeIn* FindFadeIn(HWND dialog) {
  const auto found = std::find_if(FadeIns.begin(), FadeIns.end(), [&](const FadeIn& f) { return f.dialog == dialog; });
  return found == FadeIns.end() ? nullptr : &*found;
}

void ShowAtFinalAlpha(HWND dialog) {
  SetLayeredWindowAttributes(dialog, kColourKey, kFadeEndAlpha, LWA_COLORKEY | LWA_ALPHA);
}

}  // namespace

void StartFadeIn(HWND dialog) {
  if (FindFadeIn(dialog) != nullptr) return;
  FadeIn fade;
  fade.dialog = dialog;
  fade.stop = rt::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  auto context = std::make_unique<FadeInContext>();
  context->dialog = dialog;
  HANDLE copy = nullptr;
  if (fade.stop && DuplicateHandle(GetCurrentProcess(), fade.stop.get(), GetCurrentProcess(), &copy, 0, FALSE,
                                   DUPLICATE_SAME_ACCESS)) {
    context->stop = rt::KernelHandle(copy);
    fade.thread = rt::KernelHandle(CreateThread(nullptr, 0, &FadeInThreadProc, context.get(), 0, nullptr));
  }
  if (fade.thread) {
    context.release();  // the thread frees it
    FadeInThread = fade.thread.get();
  } else {
    ShowAtFinalAlpha(dialog);
  }
  FadeIns.push_back(std::move(fade));
  FadeInStarted = 1;
}

void StopFadeIn(HWND dialog) {
  FadeIn* fade = FindFadeIn(dialog);
  if (fade == nullptr) {
    FadeIns.push_back(FadeIn{dialog, {}, {}});
    FadeInStarted = 1;
    return;
  }
  if (!fade->thread) return;
  if (fade->stop) SetEvent(fade->stop.get());
  WaitForSingleObject(fade->thread.get(), kFadeStopWait);
}

void ForgetFadeIn(HWND dialog) {
  if (FadeIn* fade = FindFadeIn(dialog)) {
    StopFadeIn(dialog);
    if (fade->thread.get() == FadeInThread) FadeInThread = nullptr;
    FadeIns.erase(FadeIns.begin() + (fade - FadeIns.data()));
  }
  FadeInStarted = FadeIns.empty() ? 0 : 1;
}

DWORD WINAPI FadeInThreadProc(LPVOID parameter) {
  const std::unique_ptr<FadeInContext> context(static_cast<FadeInContext*>(parameter));
  for (int i = 1; i <= kFadeSteps; ++i) {
    const DWORD pause = static_cast<DWORD>(50 - 5 * i);
    if (WaitForSingleObject(context->stop.get(), pause) == WAIT_OBJECT_0) return 0;
    SetLayeredWindowAttributes(context->dialog, kColourKey, static_cast<BYTE>(kFadeAlphaStep * i),
                               LWA_COLORKEY | LWA_ALPHA);
  }
  return 0;
}

}  // namespace skin

#include "runtime/music.h"

#include <windows.h>
#include <mmsystem.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <utility>

#include "runtime/byte_array.h"
#include "runtime/path_text.h"
#include "runtime/win_handle.h"

namespace rt {
namespace {

constexpr char kAlias[] = "quillora_music";
constexpr char kNotifyClass[] = "QuilloraRtMusicNotify";
// At the end of the process: long enough for a device to give up on an
// open, short enough that a hung device cannot keep the process alive.
constexpr DWORD kEndWaitMs = 10000;

Text Command(const char* verb, const char* tail = "") { return Text(verb) + " " + kAlias + tail; }

// A copy of the file under a name of its own in the temporary folder, with
// the same extension (MCI picks its device by it); "" when it failed.
Text PrivateCopy(const Text& file, unsigned serial) {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return {};
  const std::size_t nameStart = LastSeparator(file) == std::string_view::npos ? 0 : LastSeparator(file) + 1;
  const std::size_t dot = file.rfind('.');
  const Text extension = dot != Text::npos && dot >= nameStart ? file.substr(dot) : Text();
  char name[64];
  std::snprintf(name, sizeof name, "quillora_music_%lu_%u", GetCurrentProcessId(), serial);
  Text copy = WithTrailingSeparator(std::string_view(folder, length)) + name + extension;
  if (!CopyFileA(file.c_str(), copy.c_str(), FALSE)) return {};
  return copy;
}

void RemoveCopy(const Text& copy) {
  if (!copy.empty()) DeleteFileA(copy.c_str());
}

// What the window's thread asked for last; the sound thread brings the
// device there. `state` is also what MusicPlayState reports.
struct Wish {
  unsigned generation = 0;  // changes with every play and stop
  int state = kMusicStopped;
  int repeatCount = 0;
  Text file;  // the private copy to open, until the sound thread takes it
};

LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The one music device of the process and the thread that talks to it.
// The window's thread only changes the wish and wakes the sound thread;
// every MCI command is sent from the sound thread.
class MusicPlayer {
 public:
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;
  ~MusicPlayer() { End(); }

  static MusicPlayer& Instance() {
    static MusicPlayer player;
    return player;
  }

  // ---- The window's thread ----

  bool Play(int repeatCount, const Text& file) {
    Text copy = PrivateCopy(file, ++serial_);
    const bool readable = !copy.empty();
    Text orphan;
    {
      std::lock_guard lock(mutex_);
      orphan = std::exchange(wish_.file, Text());
      ++wish_.generation;
      wish_.state = readable ? kMusicPlaying : kMusicStopped;
      wish_.repeatCount = repeatCount == -1 ? -1 : (repeatCount > 0 ? repeatCount : 1);
      wish_.file = std::move(copy);
      ++wished_;
    }
    RemoveCopy(orphan);  // a copy the sound thread never took is nobody's
    if (readable) StartThread();
    Wake();
    return readable;
  }

  int State() {
    std::lock_guard lock(mutex_);
    return wish_.state;
  }

  bool Pause() { return Switch(kMusicPlaying, kMusicPaused); }
  bool Resume() { return Switch(kMusicPaused, kMusicPlaying); }

  void Stop() {
    Text orphan;
    {
      std::lock_guard lock(mutex_);
      orphan = std::exchange(wish_.file, Text());
      ++wish_.generation;
      wish_.state = kMusicStopped;
      ++wished_;
    }
    RemoveCopy(orphan);
    Wake();
  }

  void End() {
    if (!thread_) return;
    Stop();
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    Wake();
    if (WaitForSingleObject(thread_.get(), kEndWaitMs) != WAIT_OBJECT_0) return;  // a hung device: leave it
    thread_.reset();
    wake_.reset();
    std::lock_guard lock(mutex_);
    quit_ = false;
    applied_ = wished_;
  }

  void UseCommandFunction(MciCommandFunction function) {
    std::lock_guard lock(mutex_);
    send_ = function ? function : &mciSendStringA;
  }

  bool WaitUntilIdle(DWORD timeoutMs) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [&] { return applied_ == wished_ || !thread_; });
  }

  // ---- The sound thread ----

  // A play ran to its end (the next repeat, or the end of the music) or
  // failed (the end of the music).
  void PlayEnded(bool finished) {
    if (!open_ || !playing_) return;
    if (finished && playsLeft_ > 0) --playsLeft_;
    if (finished && playsLeft_ != 0) {
      Send(Command("seek", " to start"));
      if (StartPlay()) return;
    }
    CloseDevice();
    std::lock_guard lock(mutex_);
    if (wish_.generation == deviceGeneration_ && wish_.state == kMusicPlaying) wish_.state = kMusicStopped;
  }

 private:
  MusicPlayer() = default;

  bool Switch(int from, int to) {
    {
      std::lock_guard lock(mutex_);
      if (wish_.state != from) return false;
      wish_.state = to;
      ++wished_;
    }
    Wake();
    return true;
  }

  void StartThread() {
    if (thread_) return;
    wake_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    thread_.reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
  }

  void Wake() {
    if (wake_) SetEvent(wake_.get());
  }

  static DWORD WINAPI ThreadMain(void* player) {
    static_cast<MusicPlayer*>(player)->Run();
    return 0;
  }

  void Run() {
    CreateNotifyWindow();
    const HANDLE wake = wake_.get();
    for (;;) {
      MsgWaitForMultipleObjects(1, &wake, FALSE, INFINITE, QS_ALLINPUT);
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      if (!Reconcile()) break;
    }
    CloseDevice();
    if (notifyWindow_) DestroyWindow(notifyWindow_);
    notifyWindow_ = nullptr;
  }

  // Brings the device to the latest wish, again while the wish changed
  // meanwhile. False when the thread is to end.
  bool Reconcile() {
    for (;;) {
      Wish wish;
      unsigned number = 0;
      {
        std::lock_guard lock(mutex_);
        if (quit_) return false;
        if (applied_ == wished_) return true;
        number = wished_;
        wish.generation = wish_.generation;
        wish.state = wish_.state;
        wish.repeatCount = wish_.repeatCount;
        if (wish.generation != deviceGeneration_ && wish.state != kMusicStopped) wish.file = std::exchange(wish_.file, Text());
      }
      if (wish.generation != deviceGeneration_) {
        CloseDevice();
        deviceGeneration_ = wish.generation;
        if (!wish.file.empty()) Open(wish);
        if (Changed(number)) continue;  // asked otherwise while it opened
      }
      Apply(wish.state);
      std::lock_guard lock(mutex_);
      applied_ = number;
      if (applied_ == wished_) idle_.notify_all();
    }
  }

  bool Changed(unsigned number) {
    std::lock_guard lock(mutex_);
    return wished_ != number || quit_;
  }

  void Open(Wish& wish) {
    deviceFile_ = std::move(wish.file);
    const Text quoted = "\"" + deviceFile_ + "\"";
    if (Send("open " + quoted + " alias " + kAlias) != 0 &&
        Send("open " + quoted + " type mpegvideo alias " + kAlias) != 0) {
      RemoveCopy(std::exchange(deviceFile_, Text()));
      Failed();
      return;
    }
    open_ = true;
    playing_ = false;
    playsLeft_ = wish.repeatCount;
  }

  void Apply(int state) {
    if (!open_) return;
    if (state == kMusicStopped) {
      CloseDevice();
    } else if (state == kMusicPlaying && !playing_) {
      if (!StartPlay()) {
        CloseDevice();
        Failed();
      }
    } else if (state == kMusicPaused && playing_) {
      Send(Command("pause"));
      playing_ = false;
    }
  }

  // The device could not do what the current wish asks: it reads as stopped.
  void Failed() {
    std::lock_guard lock(mutex_);
    if (wish_.generation == deviceGeneration_) wish_.state = kMusicStopped;
  }

  // Plays on from the current position, with the end notification armed.
  bool StartPlay() {
    playing_ = Send(Command("play", " notify"), notifyWindow_) == 0;
    return playing_;
  }

  void CloseDevice() {
    if (open_) Send(Command("close"));
    open_ = false;
    playing_ = false;
    playsLeft_ = 0;
    RemoveCopy(std::exchange(deviceFile_, Text()));
    // An end reported by the closed device must not repeat the next one.
    MSG message;
    while (notifyWindow_ && PeekMessageA(&message, notifyWindow_, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
  }

  MCIERROR Send(const Text& command, HWND notify = nullptr) {
    MciCommandFunction send = nullptr;
    {
      std::lock_guard lock(mutex_);
      send = send_;
    }
    return send(command.c_str(), nullptr, 0, notify);
  }

  void CreateNotifyWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = NotifyProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kNotifyClass;
    RegisterClassExA(&windowClass);
    notifyWindow_ = CreateWindowExA(0, kNotifyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
    if (notifyWindow_) SetWindowLongPtrA(notifyWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  // Shared between the threads, under mutex_.
  std::mutex mutex_;
  std::condition_variable idle_;
  Wish wish_;
  unsigned wished_ = 0;   // requests made
  unsigned applied_ = 0;  // requests the sound thread has carried out
  bool quit_ = false;
  MciCommandFunction send_ = &mciSendStringA;

  // The window's thread only.
  KernelHandle thread_;
  KernelHandle wake_;  // auto-reset: a request is waiting
  unsigned serial_ = 0;

  // The sound thread only.
  HWND notifyWindow_ = nullptr;
  bool open_ = false;
  bool playing_ = false;
  unsigned deviceGeneration_ = 0;
  int playsLeft_ = 0;  // -1: endless
  Text deviceFile_;    // the private copy the device has open
};

LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* player = reinterpret_cast<MusicPlayer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message != MM_MCINOTIFY || !player) return DefWindowProcA(window, message, wParam, lParam);
  // Pauses and stops report "aborted" or "superseded": no change. A play
  // that fails after it was accepted (a device that cannot output) reports
  // "failure"; only a finished play repeats.
  if (wParam == MCI_NOTIFY_SUCCESSFUL) player->PlayEnded(true);
  if (wParam == MCI_NOTIFY_FAILURE) player->PlayEnded(false);
  return 0;
}

}  // namespace

bool PlayMusic(int repeatCount, std::string_view file) { return MusicPlayer::Instance().Play(repeatCount, Text(file)); }

int MusicPlayState() { return MusicPlayer::Instance().State(); }

bool PauseMusic() { return MusicPlayer::Instance().Pause(); }

bool ResumeMusic() { return MusicPlayer::Instance().Resume(); }

void StopAllSound() {
  MusicPlayer::Instance().Stop();
  PlaySoundA(nullptr, nullptr, 0);
}

void EndMusic() { MusicPlayer::Instance().End(); }

void SetMciCommandFunction(MciCommandFunction function) { MusicPlayer::Instance().UseCommandFunction(function); }

bool WaitForMusicIdle(DWORD timeoutMs) { return MusicPlayer::Instance().WaitUntilIdle(timeoutMs); }

}  // namespace rt

#include "runtime/music.h"

#include <windows.h>
#include <mmsystem.h>

#include "runtime/byte_array.h"

namespace rt {
namespace {

constexpr char kAlias[] = "quillora_music";
constexpr char kNotifyClass[] = "QuilloraRtMusicNotify";

MCIERROR Send(const Text& command, HWND notify = nullptr, char* answer = nullptr, UINT answerSize = 0) {
  return mciSendStringA(command.c_str(), answer, answerSize, notify);
}

Text Command(const char* verb, const char* tail = "") { return Text(verb) + " " + kAlias + tail; }

LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The one music device of the process; its message-only window hears when
// a play ends and starts the next repeat.
class MusicPlayer {
 public:
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;
  ~MusicPlayer() {
    Close();
    if (notifyWindow_) DestroyWindow(notifyWindow_);
  }

  static MusicPlayer& Instance() {
    static MusicPlayer player;
    return player;
  }

  bool Play(int repeatCount, const Text& file) {
    Close();
    const Text quoted = "\"" + file + "\"";
    if (Send("open " + quoted + " alias " + kAlias) != 0 &&
        Send("open " + quoted + " type mpegvideo alias " + kAlias) != 0)
      return false;
    open_ = true;
    playsLeft_ = repeatCount == -1 ? -1 : (repeatCount > 0 ? repeatCount : 1);
    return StartPlay();
  }

  int State() const {
    if (!open_) return kMusicStopped;
    char mode[64] = {};
    if (Send(Command("status", " mode"), nullptr, mode, sizeof mode) != 0) return kMusicStopped;
    const Text answer(mode);
    if (answer == "playing") return kMusicPlaying;
    if (answer == "paused" || paused_) return kMusicPaused;
    return kMusicStopped;
  }

  bool Pause() {
    if (!open_ || Send(Command("pause")) != 0) return false;
    paused_ = true;
    return true;
  }

  // Plays on from the paused position, with the end notification armed again.
  bool Resume() {
    if (!open_ || !paused_) return false;
    paused_ = false;
    return StartPlay();
  }

  void Close() {
    if (open_) Send(Command("close"));
    open_ = false;
    paused_ = false;
    playsLeft_ = 0;
  }

  void PlayEnded() {
    if (!open_ || paused_) return;
    if (playsLeft_ > 0) --playsLeft_;
    if (playsLeft_ == 0) return;
    Send(Command("seek", " to start"));
    StartPlay();
  }

 private:
  MusicPlayer() = default;

  bool StartPlay() { return Send(Command("play", " notify"), NotifyWindow()) == 0; }

  HWND NotifyWindow() {
    if (notifyWindow_) return notifyWindow_;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = NotifyProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kNotifyClass;
    RegisterClassExA(&windowClass);
    notifyWindow_ = CreateWindowExA(0, kNotifyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
    return notifyWindow_;
  }

  bool open_ = false;
  bool paused_ = false;
  int playsLeft_ = 0;  // -1: endless
  HWND notifyWindow_ = nullptr;
};

LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Pauses and stops report "aborted" or "superseded"; only a finished play repeats.
  if (message == MM_MCINOTIFY && wParam == MCI_NOTIFY_SUCCESSFUL) {
    MusicPlayer::Instance().PlayEnded();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool PlayMusic(int repeatCount, std::string_view file) { return MusicPlayer::Instance().Play(repeatCount, Text(file)); }

int MusicPlayState() { return MusicPlayer::Instance().State(); }

bool PauseMusic() { return MusicPlayer::Instance().Pause(); }

bool ResumeMusic() { return MusicPlayer::Instance().Resume(); }

void StopAllSound() {
  MusicPlayer::Instance().Close();
  PlaySoundA(nullptr, nullptr, 0);
}

}  // namespace rt

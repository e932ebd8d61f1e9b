// Background music over MCI on the runtime's sound thread. The real device
// is tried where the machine has one (the test prefix has none, so those
// checks skip with the reason); the sound thread's own logic (pending
// opens, failures, pauses, repeats after a play's end notification) runs
// against a stand-in device that every machine has.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/files.h"
#include "runtime/music.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr DWORD kSettleMs = 20000;  // an MP3 open may take seconds to fail on a busy machine
// No call of the window's thread may wait for the device; on a loaded
// machine a plain call can still take a while to get the processor.
constexpr DWORD kMomentMs = 250;

void Put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// One second of 8 kHz 8-bit mono silence.
std::string SilentWave() {
  const std::uint32_t samples = 8000;
  std::string wave = "RIFF";
  Put32(wave, 36 + samples);
  wave += "WAVEfmt ";
  Put32(wave, 16);
  Put16(wave, 1);  // PCM
  Put16(wave, 1);
  Put32(wave, 8000);
  Put32(wave, 8000);
  Put16(wave, 1);
  Put16(wave, 8);
  wave += "data";
  Put32(wave, samples);
  wave.append(samples, '\x80');
  return wave;
}

// About a second of silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz,
// 417 bytes each, all side information zero).
std::string SilentMp3() {
  std::string mp3;
  for (int frame = 0; frame < 40; ++frame) {
    std::string bytes(417, '\0');
    bytes[0] = '\xFF';
    bytes[1] = '\xFB';
    bytes[2] = '\x90';
    bytes[3] = '\x64';
    mp3 += bytes;
  }
  return mp3;
}

// The private copies the player makes in the temporary folder.
std::vector<std::string> PlayerCopies() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  const std::string pattern = std::string(folder) + "quillora_music_" + std::to_string(GetCurrentProcessId()) + "_*";
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    found.emplace_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

// Times one call of the window's thread.
template <typename Call>
DWORD Elapsed(Call call) {
  const DWORD start = GetTickCount();
  call();
  return GetTickCount() - start;
}

// ---- A stand-in device ------------------------------------------------------------

struct FakeDevice {
  std::mutex mutex;
  std::vector<std::string> commands;  // verbs as sent, alias and file left out
  HWND callback = nullptr;            // the window a play's end is reported to
  DWORD openDelayMs = 0;
  MCIERROR openAnswer = 0;
  MCIERROR playAnswer = 0;
};
FakeDevice* gDevice = nullptr;

DWORD WINAPI FakeSend(LPCSTR command, LPSTR, UINT, HWND callback) {
  const std::string text(command);
  const std::string verb = text.substr(0, text.find(' '));
  DWORD delay = 0;
  MCIERROR answer = 0;
  {
    std::lock_guard lock(gDevice->mutex);
    gDevice->commands.push_back(text.find(" notify") != std::string::npos ? verb + " notify" : verb);
    if (verb == "open") {
      delay = gDevice->openDelayMs;
      answer = gDevice->openAnswer;
    } else if (verb == "play") {
      gDevice->callback = callback;
      answer = gDevice->playAnswer;
    }
  }
  if (delay) Sleep(delay);
  return answer;
}

class MusicTest : public testing::Test {
 protected:
  void TearDown() override {
    rt::StopAllSound();
    EXPECT_TRUE(rt::WaitForMusicIdle(kSettleMs));
    rt::SetMciCommandFunction(nullptr);
    gDevice = nullptr;
    EXPECT_EQ(PlayerCopies(), std::vector<std::string>{}) << "the player removes its private copies";
  }

  std::string MusicFile(const char* name, const std::string& bytes) {
    const std::string path = temp_ / name;
    EXPECT_TRUE(rt::WriteBytesToFile(path, std::string_view(bytes)));
    return path;
  }

  void UseFakeDevice() {
    gDevice = &device_;
    rt::SetMciCommandFunction(FakeSend);
  }

  std::vector<std::string> Commands() {
    std::lock_guard lock(device_.mutex);
    return device_.commands;
  }

  HWND Callback() {
    std::lock_guard lock(device_.mutex);
    return device_.callback;
  }

  // Waits until the device has been sent `count` commands.
  bool WaitForCommands(std::size_t count) {
    const DWORD start = GetTickCount();
    while (Commands().size() < count) {
      if (GetTickCount() - start > kSettleMs) return false;
      Sleep(5);
    }
    return true;
  }

  testsupport::TempFolder temp_;
  FakeDevice device_;
};

TEST_F(MusicTest, AMissingFilePlaysNothing) {
  EXPECT_FALSE(rt::PlayMusic(-1, temp_ / "没有.mp3"));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
  EXPECT_FALSE(rt::PauseMusic());
  EXPECT_FALSE(rt::ResumeMusic());
}

// The real device: every call returns at once; once the sound thread has
// settled, a playing track pauses and resumes, and the stop frees the file.
TEST_F(MusicTest, RealDevicePlaysPausesAndResumesWithoutBlocking) {
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {{"bgmusic.mp3", SilentMp3()}, {"声音.wav", SilentWave()}};
  std::string unplayable;
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = MusicFile(file.name, file.bytes);
    EXPECT_LT(Elapsed([&] { EXPECT_TRUE(rt::PlayMusic(-1, path)); }), kMomentMs);
    ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
    Sleep(1000);  // a device that cannot output reports the failure after the play began
    if (rt::MusicPlayState() == rt::kMusicPlaying) {
      EXPECT_LT(Elapsed([] { EXPECT_TRUE(rt::PauseMusic()); }), kMomentMs);
      ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
      EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPaused);
      EXPECT_LT(Elapsed([] { EXPECT_TRUE(rt::ResumeMusic()); }), kMomentMs);
      ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
      EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPlaying);
    } else {
      EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped) << "a track that could not play reads as stopped";
      EXPECT_FALSE(rt::PauseMusic());
      unplayable += std::string(" ") + file.name;
    }
    EXPECT_LT(Elapsed([] { rt::StopAllSound(); }), kMomentMs);
    EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
    EXPECT_TRUE(rt::RemoveFile(path)) << "the device let the file go";
  }
  if (!unplayable.empty()) GTEST_SKIP() << "no sound device plays" << unplayable << ", so pause and resume were not tried";
}

// Play, pause, resume and stop in quick succession, while the real open is
// still pending: consistent answers at every step, the file free at once.
TEST_F(MusicTest, QuickSuccessionEndsStoppedWithTheFileFree) {
  const std::string path = MusicFile("bgmusic.mp3", SilentMp3());
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    const DWORD elapsed = Elapsed([&] {
      ASSERT_TRUE(rt::PlayMusic(-1, path));
      EXPECT_TRUE(rt::PauseMusic());
      EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPaused);
      EXPECT_TRUE(rt::ResumeMusic());
      EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPlaying);
      rt::StopAllSound();
    });
    EXPECT_LT(elapsed, kMomentMs);
    EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
    EXPECT_FALSE(rt::ResumeMusic());
  }
  EXPECT_TRUE(rt::RemoveFile(path)) << "the file is free while the sound thread may still be opening";
  ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
}

// A device that takes long to open: the window's thread does not wait, and
// the open's outcome shows in the state once it is known.
TEST_F(MusicTest, SlowOpenNeverBlocksAndEndsInTheLastWish) {
  UseFakeDevice();
  device_.openDelayMs = 800;
  const std::string path = MusicFile("bgmusic.mp3", SilentMp3());

  EXPECT_LT(Elapsed([&] { EXPECT_TRUE(rt::PlayMusic(-1, path)); }), kMomentMs);
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPlaying);
  ASSERT_TRUE(WaitForCommands(1));  // the open is under way
  EXPECT_LT(Elapsed([] { EXPECT_TRUE(rt::PauseMusic()); }), kMomentMs);
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPaused);
  ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPaused);
  EXPECT_EQ(Commands(), std::vector<std::string>{"open"}) << "paused before it began: nothing plays";

  EXPECT_TRUE(rt::ResumeMusic());
  ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
  EXPECT_EQ(Commands(), (std::vector<std::string>{"open", "play notify"}));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPlaying);

  // A second play while its open is pending, stopped at once: the file is
  // free, and the device is closed when the open returns.
  EXPECT_TRUE(rt::PlayMusic(-1, path));
  ASSERT_TRUE(WaitForCommands(4));
  EXPECT_LT(Elapsed([] { rt::StopAllSound(); }), kMomentMs);
  EXPECT_TRUE(rt::RemoveFile(path));
  ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
  EXPECT_EQ(Commands(), (std::vector<std::string>{"open", "play notify", "close", "open", "close"}));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
}

TEST_F(MusicTest, ATrackTheDeviceRefusesReadsAsStopped) {
  UseFakeDevice();
  const std::string path = MusicFile("bgmusic.mp3", SilentMp3());
  const struct {
    const char* what;
    MCIERROR open;
    MCIERROR play;
    std::vector<std::string> commands;
  } cases[] = {
      {"open refused (both device types tried)", MCIERR_CANNOT_LOAD_DRIVER, 0, {"open", "open"}},
      {"play refused", 0, MCIERR_HARDWARE, {"open", "play notify", "close"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    {
      std::lock_guard lock(device_.mutex);
      device_.commands.clear();
      device_.openAnswer = c.open;
      device_.playAnswer = c.play;
    }
    EXPECT_TRUE(rt::PlayMusic(-1, path)) << "the file itself is readable";
    ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
    EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
    EXPECT_FALSE(rt::PauseMusic());
    EXPECT_EQ(Commands(), c.commands);
    EXPECT_EQ(PlayerCopies(), std::vector<std::string>{});
  }
}

// The repeats, driven by the end notification the device posts after each
// play: only a play that finished counts; the last one ends the music, and
// so does a play the device reports as failed.
// Each case ends with a finished play, so its effect shows when all its
// notifications have been handled (they are handled in order).
TEST_F(MusicTest, PlayEndNotificationRepeatsUntilTheCountRunsOut) {
  UseFakeDevice();
  const std::string path = MusicFile("bgmusic.mp3", SilentMp3());
  const struct {
    int repeatCount;
    std::vector<WPARAM> notifications;
    int plays;  // "play notify" commands sent
    int state;
  } cases[] = {
      {1, {MCI_NOTIFY_SUCCESSFUL}, 1, rt::kMusicStopped},
      {2, {MCI_NOTIFY_SUCCESSFUL}, 2, rt::kMusicPlaying},
      {2, {MCI_NOTIFY_SUCCESSFUL, MCI_NOTIFY_SUCCESSFUL}, 2, rt::kMusicStopped},
      {2, {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_SUCCESSFUL}, 2, rt::kMusicPlaying},
      {-1, {MCI_NOTIFY_SUCCESSFUL, MCI_NOTIFY_SUCCESSFUL, MCI_NOTIFY_SUCCESSFUL}, 4, rt::kMusicPlaying},
      {-1, {MCI_NOTIFY_FAILURE}, 1, rt::kMusicStopped},  // the device gave up after accepting the play
  };
  bool deviceOpen = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "repeat " << c.repeatCount << ", " << c.notifications.size()
                                    << " notifications");
    {
      std::lock_guard lock(device_.mutex);
      device_.commands.clear();
      device_.callback = nullptr;
    }
    ASSERT_TRUE(rt::PlayMusic(c.repeatCount, path));
    ASSERT_TRUE(rt::WaitForMusicIdle(kSettleMs));
    const HWND callback = Callback();
    ASSERT_TRUE(IsWindow(callback)) << "the play asks for its end notification";
    for (const WPARAM notification : c.notifications) PostMessageA(callback, MM_MCINOTIFY, notification, 1);

    std::vector<std::string> expected = {"open", "play notify"};
    if (deviceOpen) expected.insert(expected.begin(), "close");  // the music before is replaced
    for (int play = 1; play < c.plays; ++play) {
      expected.push_back("seek");
      expected.push_back("play notify");
    }
    if (c.state == rt::kMusicStopped) expected.push_back("close");
    const DWORD start = GetTickCount();
    while ((Commands() != expected || rt::MusicPlayState() != c.state) && GetTickCount() - start < kSettleMs) {
      Sleep(5);
    }
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(rt::MusicPlayState(), c.state);
    deviceOpen = c.state != rt::kMusicStopped;
  }
}

}  // namespace

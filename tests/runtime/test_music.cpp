// Background music over MCI. The test machines have no audio device, so
// the checks hold either way: calls return at once, the state answers stay
// consistent, and after StopAllSound the file can be deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/files.h"
#include "runtime/music.h"
#include "tests/support/temp_folder.h"

namespace {

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

class MusicTest : public testing::Test {
 protected:
  void TearDown() override { rt::StopAllSound(); }
  testsupport::TempFolder temp_;
};

TEST_F(MusicTest, AMissingFilePlaysNothing) {
  EXPECT_FALSE(rt::PlayMusic(-1, temp_ / "没有.mp3"));
  EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
  EXPECT_FALSE(rt::PauseMusic());
  EXPECT_FALSE(rt::ResumeMusic());
}

TEST_F(MusicTest, PlayPauseResumeStopNeverBlockAndReleaseTheFile) {
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {{"bgmusic.mp3", SilentMp3()}, {"声音.wav", SilentWave()}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = temp_ / file.name;
    ASSERT_TRUE(rt::WriteBytesToFile(path, std::string_view(file.bytes)));

    const DWORD started = GetTickCount();
    const bool playing = rt::PlayMusic(-1, path);
    const int state = rt::MusicPlayState();
    if (playing) {
      EXPECT_NE(state, rt::kMusicPaused);
      if (rt::PauseMusic()) {
        EXPECT_EQ(rt::MusicPlayState(), rt::kMusicPaused);
        EXPECT_TRUE(rt::ResumeMusic());
        EXPECT_NE(rt::MusicPlayState(), rt::kMusicPaused);
      }
    } else {
      EXPECT_EQ(state, rt::kMusicStopped);
    }
    rt::StopAllSound();
    // No call waits for the music: without a device Wine's media stack
    // still takes a few seconds to give up on an MP3 when the machine is
    // busy, so the bound only catches a play that waits for its end.
    EXPECT_LT(GetTickCount() - started, 15000u);
    EXPECT_EQ(rt::MusicPlayState(), rt::kMusicStopped);
    EXPECT_TRUE(rt::RemoveFile(path));  // the device let the file go
  }
}

}  // namespace

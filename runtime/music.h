// Background music over MCI. Without an audio device every call stays
// silent, never blocks and reports failure only through its result.
#pragma once

#include <string_view>

namespace rt {

enum MusicState : int {
  kMusicPaused = -1,
  kMusicStopped = 0,
  kMusicPlaying = 1,
};

// Plays the file `repeatCount` times (-1: endlessly), replacing any music
// playing before.
bool PlayMusic(int repeatCount, std::string_view file);

// kMusicStopped, kMusicPlaying or kMusicPaused.
int MusicPlayState();

bool PauseMusic();
bool ResumeMusic();

// Stops the music and closes its file, so the file can be deleted.
void StopAllSound();

}  // namespace rt

// Background music over MCI, played by a sound thread of the runtime's own:
// a device may take seconds to open a file (or to give up on it), and the
// window's thread never waits for that. Every call returns at once and
// reports failure only through its result.
#pragma once

#include <windows.h>

#include <string_view>

namespace rt {

enum MusicState : int {
  kMusicPaused = -1,
  kMusicStopped = 0,
  kMusicPlaying = 1,
};

// Plays the file `repeatCount` times (-1: endlessly), replacing any music
// playing before. The device plays a private copy, so the file itself is
// never held open. False when the file cannot be read; a file the device
// cannot open or play reads as stopped once the sound thread knows.
bool PlayMusic(int repeatCount, std::string_view file);

// kMusicStopped, kMusicPlaying or kMusicPaused: what was asked for last,
// corrected to stopped when the device failed or the plays ran out.
int MusicPlayState();

// False when there is nothing to pause or resume.
bool PauseMusic();
bool ResumeMusic();

// Stops the music. The file given to PlayMusic is free at once (even while
// an open is still pending), so it can be deleted.
void StopAllSound();

// Stops the music and waits (a bounded time) until the sound thread has
// closed the device, removed its private copy and ended. The runtime calls
// it before the process ends.
void EndMusic();

// For tests: the function the sound thread sends its MCI command strings
// through (mciSendStringA's signature; nullptr restores mciSendStringA).
using MciCommandFunction = DWORD(WINAPI*)(LPCSTR command, LPSTR answer, UINT answerSize, HWND callback);
void SetMciCommandFunction(MciCommandFunction function);

// For tests: waits until the sound thread has carried out every request
// made so far; false when the time ran out first.
bool WaitForMusicIdle(DWORD timeoutMs);

}  // namespace rt

#include "app/background_music.h"

#include "app/embedded_payload.h"
#include "app/installer_variables.h"
#include "app/window_names.h"
#include "runtime/files.h"
#include "runtime/music.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace app {

void WriteMusicFile() {
  // The temporary folder ends in "\"; without one the file lands in the
  // program's folder.
  MusicFilePath = rt::SpecialFolder(rt::kFolderTemp) + "bgmusic.mp3";
  rt::WriteBytesToFile(MusicFilePath, BackgroundMusic());
}

void DiscardMusicFile() {
  // The player holds the file open until it is stopped.
  rt::StopAllSound();
  if (!MusicFilePath.empty()) rt::RemoveFile(MusicFilePath);
}

void MusicCheckClick() {
  MusicEnabled = rt::ReadProperty(kInstallerWindow, kMusicCheck, rt::NumberProperty::Checked);
  if (MusicEnabled == 1) {
    if (rt::MusicPlayState() == rt::kMusicStopped) rt::PlayMusic(-1, MusicFilePath);
    if (rt::MusicPlayState() == rt::kMusicPaused) rt::ResumeMusic();
  } else if (rt::MusicPlayState() == rt::kMusicPlaying) {
    rt::PauseMusic();
  }
}

}  // namespace app

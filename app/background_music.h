// The background music: its temporary file and the music box.
#pragma once

namespace app {

// Writes BackgroundMusic to the temporary folder as "bgmusic.mp3" and
// remembers the path in MusicFilePath. The music does not start.
void WriteMusicFile();

// Stops the music and deletes its temporary file; every way out of the
// installer goes through here.
void DiscardMusicFile();

// Click of 播放安装程序背景音乐选择框: plays, pauses or resumes.
void MusicCheckClick();

}  // namespace app

// The installation state derived from the folder box: version file,
// installed executable and version, the start button's caption and the
// disk-space label; with the folder, agreement and materials handlers.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/byte_array.h"

namespace app {

// Puts PreviousInstallDir into the folder box, derives ConfigIniPath,
// InstalledExePath and InstalledVersion from it, and sets the start
// button's caption and the disk-space label.
void RefreshInstallState();

// A byte count as text: "512B", "1.5KB", "3.65MB", "2GB", "1TB"; "-1" for
// counts from 1,125,899,906,843,000 on.
rt::Text FormatByteSize(std::int64_t bytes);

// The disk-space figure in MB: whole MiB of the bytes, times 2.9, floored.
int DiskSpaceFigure(std::uint64_t bytes);
// The disk-space label's text for the archives the options ask for.
rt::Text DiskSpaceText();

// The folder box's text for a folder picked in the dialog: the folder,
// a "\" unless it ends in one, and "Quillora\".
rt::Text InstallFolderFromChoice(std::string_view folder);

// Handlers: click of 更改路径按钮, 协议选择框 and 安装写作素材资料选择框.
void ChangePathClick();
void AgreementCheckClick();
void MaterialsCheckClick();

}  // namespace app

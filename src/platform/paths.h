#pragma once

#include <string>
#include <string_view>

#include "platform/expand_path.h"
#include "platform/host_path.h"

namespace mqt {

// Name of the station's folders under the user's configuration and data folders.
inline constexpr std::string_view kAppFolderName = "mouse-quality-test";

// Folder of the running executable, ending in "/".
std::string ProgramFolder();

// $XDG_CONFIG_HOME/mouse-quality-test/ (default ~/.config/...), ending in "/".
// Holds the settings.
std::string AppConfigFolder();

// $XDG_DATA_HOME/mouse-quality-test/ (default ~/.local/share/...), ending in
// "/". Holds the drive folders (drive_c for C:).
std::string AppDataFolder();

// The roots of this run: ProgramFolder() and AppDataFolder().
HostPathRoots DefaultHostPathRoots();

// ExpandPath with the folder of the running executable.
std::string ExpandPath(std::string_view path);

// The host path of a Windows-style path (WindowsToHostPath), ready to open:
// the drive folder is created on first use, and where the path does not exist
// as written, a file or folder whose name differs only in letter case is
// taken instead, as Windows file names ignore case.
std::string ResolveHostPath(std::string_view windows_path, const HostPathRoots& roots);
std::string ResolveHostPath(std::string_view windows_path);

// `host_path` itself when it exists; otherwise the path with each component
// that is missing replaced by an entry of its folder that differs only in
// ASCII letter case (the first in sorted order). Components with no such
// entry are kept as written.
std::string MatchLetterCase(const std::string& host_path);

}  // namespace mqt

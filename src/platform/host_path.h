#pragma once

#include <string>
#include <string_view>

namespace mqt {

// Where the system's Windows-style paths land on this host.
struct HostPathRoots {
  // Folder of the running executable, ending in "/".
  std::string program_folder;
  // Folder holding one folder per drive ("drive_c" for C:), ending in "/".
  std::string drives_folder;
};

// The drive letter of a path such as "c:\DevList.txt", in lower case; 0 when
// the path names no drive.
char DriveLetterOf(std::string_view path);

// The host path of a Windows-style path, resolved when a file is opened or a
// program started:
//  - backslashes become slashes (host file names with backslashes are not
//    supported);
//  - a drive ("C:\..." or "c:...", any letter) lies in drives_folder/drive_<letter>;
//  - an absolute host path ("/...") stays as it is;
//  - anything else, ".\..." included, is relative to the program's folder.
// Letter case is kept; finding a file whose name differs only in case is the
// platform's job (MatchLetterCase in platform/paths.h).
std::string WindowsToHostPath(std::string_view path, const HostPathRoots& roots);

}  // namespace mqt

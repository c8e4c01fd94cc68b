#pragma once

#include <filesystem>
#include <string_view>

namespace mqt {

// Where the station's per-user files live on the host, and how a path in the
// system's own Windows form maps onto it. Used by the driver set-up library
// and the tools in Tool/.

// $XDG_CONFIG_HOME/mouse-quality-test (default ~/.config/...): settings and
// the driver set-up state.
std::filesystem::path UserConfigFolder();
// $XDG_DATA_HOME/mouse-quality-test (default ~/.local/share/...).
std::filesystem::path UserDataFolder();
// Drive C: of the system's paths, created on first use.
std::filesystem::path DriveCFolder();
// The folder of the running executable.
std::filesystem::path ProgramFolder();

// "c:\DevList.txt" -> <drive C:>/DevList.txt, ".\Driver\x.inf" -> <program
// folder>/Driver/x.inf; any other path keeps its place with '\' read as '/'.
std::filesystem::path ToHostPath(std::string_view system_path);

}  // namespace mqt

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mqt {

// The lines of a text file without their line ends (LF or CR LF); nullopt
// when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// Writes the lines (each ended by LF) to a temporary file beside `path` and
// renames it over `path`, so a reader sees the old or the new file, never a
// part, and a crash leaves no half-written file. Creates the folder.
bool WriteTextFileAtomically(const std::filesystem::path& path,
                             const std::vector<std::string>& lines);

}  // namespace mqt

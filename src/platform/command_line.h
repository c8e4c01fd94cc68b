#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// Splits a command line in the system's Windows form into its words: blanks
// separate words, double quotes group blanks into a word and are removed.
// Backslashes are ordinary characters (the words are Windows paths), so a
// quote cannot be escaped; the system's command lines never need one.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// A Windows program file name stands for the host executable of the same stem
// beside it: "Tool/GetList.bat" -> "Tool/GetList", "Tool/devcon.exe" ->
// "Tool/devcon" (".bat", ".cmd", ".exe", ".com", any letter case). Other
// names are returned unchanged.
std::string HostProgramStem(std::string_view program_path);

}  // namespace mqt

#include "platform/command_line.h"

namespace mqt {

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (const char c : command_line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;  // "" is an empty word
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::string HostProgramStem(std::string_view program_path) {
  const std::size_t dot = program_path.rfind('.');
  const std::size_t slash = program_path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return std::string(program_path);
  }
  std::string ext(program_path.substr(dot));
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (ext == ".bat" || ext == ".cmd" || ext == ".exe" || ext == ".com") {
    return std::string(program_path.substr(0, dot));
  }
  return std::string(program_path);
}

}  // namespace mqt

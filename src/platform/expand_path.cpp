#include "platform/expand_path.h"

#include <cstdlib>

namespace mqt {

std::optional<std::string> ProcessEnvironment(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string ExpandEnvironmentStrings(std::string_view text, const EnvironmentLookup& env) {
  std::string result;
  while (!text.empty()) {
    const std::size_t open = text.find('%');
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    result += text.substr(0, open);
    const std::string_view name = text.substr(open + 1, close - open - 1);
    const std::optional<std::string> value = name.empty() ? std::nullopt : env(name);
    if (value) {
      result += *value;
    } else {
      result += text.substr(open, close - open + 1);
    }
    text.remove_prefix(close + 1);
  }
  result += text;
  return result;
}

std::string ExpandPath(std::string_view path, std::string_view program_folder,
                       const EnvironmentLookup& env) {
  if (path.starts_with(".\\")) {
    std::string result(program_folder);
    if (!result.empty() && result.back() != '/' && result.back() != '\\') {
      result += result.find('/') != std::string::npos ? '/' : '\\';
    }
    result += path.substr(2);
    return result;
  }
  if (path.starts_with('%')) return ExpandEnvironmentStrings(path, env);
  return std::string(path);
}

}  // namespace mqt

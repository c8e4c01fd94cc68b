#include "devices/extract_field.h"

namespace mqt {
namespace {

// Blanks and control characters; bytes of multi-byte characters are kept.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string ExtractField(std::string_view text, char separator, int n) {
  if (n < 0) return {};
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t sep = text.find(separator, start);
    if (sep == std::string_view::npos) return {};
    start = sep + 1;
  }
  const std::size_t end = text.find(separator, start);
  const std::string_view field =
      text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  return std::string(TrimBlanks(field));
}

}  // namespace mqt

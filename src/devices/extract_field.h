#pragma once

#include <string>
#include <string_view>

namespace mqt {

// The n-th field (counted from 0) of `text` split at `separator`, with leading
// and trailing blanks and control characters removed. A separator is never
// part of a field; a text with fewer than n separators gives the empty text.
std::string ExtractField(std::string_view text, char separator, int n);

// `text` without leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);

}  // namespace mqt

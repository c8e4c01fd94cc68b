#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace mqt {

// The language lookup as the windows receive it: the text stored under a key
// of the language file, or "" when the file, the section or the key is
// missing. Never fails.
using TextLookup = std::function<std::string(std::string_view key)>;

}  // namespace mqt

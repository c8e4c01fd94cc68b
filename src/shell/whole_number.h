#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mqt {

// The whole-number value of an operator's entry: optional leading blanks, an
// optional sign, then decimal digits only, within the signed 32-bit range.
// Anything else (empty, letters, a fraction, trailing text) is no number.
std::optional<std::int32_t> WholeNumber(std::string_view text);

}  // namespace mqt

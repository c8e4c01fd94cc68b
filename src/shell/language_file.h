#pragma once

#include <string>
#include <string_view>

#include "platform/private_profile.h"

namespace mqt {

// The section every window reads its texts from.
inline constexpr std::string_view kLanguageSection = "Form";

// The language file: an INI file of "key=text" lines in UTF-8, read once
// when it is opened and never written. Lookups never fail: a missing file,
// section or key gives the empty text, the same as a key with an empty text.
// Texts are UTF-8 with every character kept, at most 2047 characters.
class LanguageFile {
 public:
  // No file: every lookup gives "".
  LanguageFile() = default;
  // `host_path` is a host path (ResolveHostPath in platform/paths.h).
  LanguageFile(const std::string& host_path, std::string_view section);

  std::string Lookup(std::string_view key) const { return section_.Get(key); }

 private:
  ProfileSection section_;
};

// The program-wide language file. The main window's constructor opens it
// once; every window then takes its texts from it while it is constructed.
// Opening again replaces it (tests do that); it is meant for the
// user-interface thread.
void OpenLanguageFile(const std::string& host_path, std::string_view section);
// The text of `key` in the program-wide language file; "" before it is opened.
std::string LanguageLookup(std::string_view key);
const LanguageFile& ProgramLanguageFile();

}  // namespace mqt

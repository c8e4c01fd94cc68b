#include "shell/language_file.h"

namespace mqt {
namespace {

LanguageFile& ProgramWide() {
  static LanguageFile file;
  return file;
}

}  // namespace

LanguageFile::LanguageFile(const std::string& host_path, std::string_view section)
    : section_(ProfileSection::Load(host_path, section)) {}

void OpenLanguageFile(const std::string& host_path, std::string_view section) {
  ProgramWide() = LanguageFile(host_path, section);
}

std::string LanguageLookup(std::string_view key) { return ProgramWide().Lookup(key); }

const LanguageFile& ProgramLanguageFile() { return ProgramWide(); }

}  // namespace mqt

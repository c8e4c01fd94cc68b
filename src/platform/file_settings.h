#pragma once

#include <string>
#include <string_view>

#include "platform/settings.h"

namespace mqt {

// The settings key as a file: the registry key HKEY_CURRENT_USER\<key> lives
// in <config folder>/<key with "\" as "/">.conf, so "Software\Tessarin" and
// "\Software\Tessarin" are the same file, Software/Tessarin.conf.
//
// One value per line, "Name=text"; "#" lines are comments. Backslash escapes
// keep a value on its line: "\\" "\n" "\r", and "\=" in a name. Names compare
// exactly, as the system's setting names do.
//
// Every Read and Write opens the file and closes it again. A missing,
// unreadable or corrupt file (a line that is not Name=text, a bad escape, NUL
// or non-UTF-8 bytes, over 1 MiB) reads as empty values. Writes go to a
// temporary file renamed over the old one, so a crash never leaves a half
// written file; a corrupt file is kept beside it as <file>.corrupt before the
// first write replaces it.
class FileSettings : public Settings {
 public:
  // `config_folder` ends in "/"; AppConfigFolder() in the station.
  FileSettings(std::string config_folder, std::string_view key);

  std::string Read(std::string_view name) override;
  // Throws SettingsWriteError when the file could not be written.
  void Write(std::string_view name, std::string_view value) override;

  // Writes one value; false, with `error` set when given, when the file could
  // not be written.
  bool TryWrite(std::string_view name, std::string_view value, std::string* error = nullptr);

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string key_;  // as the registry spells it, for the file's header
};

// The file that holds `key` below `config_folder`.
std::string SettingsFilePath(std::string_view config_folder, std::string_view key);

}  // namespace mqt

#pragma once

#include <cstddef>
#include <istream>
#include <map>
#include <string>
#include <string_view>

namespace mqt {

// The longest text a private-profile read hands back, in characters (Unicode
// code points): the system reads into a buffer of 2048 with its terminator.
inline constexpr std::size_t kProfileTextMaxChars = 2047;

// One section of a private-profile (INI) file, read once.
//
// Rules, as the system's INI files expect them:
//  - files are UTF-8; a byte-order mark at the start is skipped; lines end at
//    LF, CR LF or CR;
//  - "[name]" opens a section; section and key names compare ASCII
//    case-insensitively; only the first section of a name is read;
//  - an entry is "key=text", split at the first "="; blanks around key and
//    text are trimmed and one pair of enclosing quotes ("..." or '...') is
//    removed, which is how a text keeps leading or trailing blanks;
//  - the first entry of a key wins; lines starting with ";", lines without
//    "=" and entries before the first section are skipped;
//  - a text is cut after kProfileTextMaxChars characters; bytes that are not
//    UTF-8 (and NUL) come back as U+FFFD, so callers always get valid UTF-8;
//  - a missing file, section or key gives the empty text; binary or huge
//    files never fail (the file is streamed, over-long lines are cut).
class ProfileSection {
 public:
  // An empty section: every key reads as "".
  ProfileSection() = default;

  static ProfileSection Read(std::istream& in, std::string_view section);
  // Reads the section from the file at `host_path`; a file that cannot be
  // opened gives an empty section.
  static ProfileSection Load(const std::string& host_path, std::string_view section);

  // The text of `key`, or "" when the section or the key is missing.
  std::string Get(std::string_view key) const;

 private:
  // Keys folded to lower case; texts already unquoted, cleaned and cut.
  std::map<std::string, std::string, std::less<>> entries_;
};

// One value from a private-profile file: the text of `key` in `section`, or ""
// when the file, the section or the key is missing.
std::string ReadPrivateProfileString(const std::string& host_path, std::string_view section,
                                     std::string_view key);

}  // namespace mqt

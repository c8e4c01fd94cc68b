#include "platform/private_profile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>

namespace mqt {
namespace {

// Longest line kept, in bytes; the rest of a longer line is skipped. Far above
// any key plus a full-length text, so it only matters for binary files.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Splits a stream into lines without holding more than one capped line, so a
// huge or binary file costs no more memory than a small one.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  bool Next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
      if (pos_ == len_ && !Fill()) return any;
      if (skip_lf_) {
        skip_lf_ = false;
        if (buffer_[pos_] == '\n') {
          ++pos_;
          continue;
        }
      }
      any = true;
      const char* start = buffer_.data() + pos_;
      const char* end = buffer_.data() + len_;
      const char* brk = std::find_if(start, end, [](char c) { return c == '\n' || c == '\r'; });
      const auto n = static_cast<std::size_t>(brk - start);
      line.append(start, std::min(n, kMaxLineBytes - line.size()));
      pos_ += n;
      if (brk != end) {
        skip_lf_ = *brk == '\r';
        ++pos_;
        return true;
      }
    }
  }

 private:
  bool Fill() {
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    len_ = static_cast<std::size_t>(in_.gcount());
    pos_ = 0;
    return len_ > 0;
  }

  std::istream& in_;
  std::array<char, 64 * 1024> buffer_{};
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool skip_lf_ = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Fold(std::string_view s) {
  std::string folded(s);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Fold(a) == Fold(b);
}

// Length of the valid UTF-8 sequence at the start of `s`, or 0.
std::size_t Utf8SequenceLength(std::string_view s) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 >= 0x01 && b0 <= 0x7F) return 1;
  std::size_t len = 0;
  unsigned char lo = 0x80;
  unsigned char hi = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < (i == 1 ? lo : 0x80) || b > (i == 1 ? hi : 0xBF)) return 0;
  }
  return len;
}

// The text as valid UTF-8, cut after kProfileTextMaxChars characters.
std::string CleanText(std::string_view raw) {
  std::string text;
  std::size_t chars = 0;
  while (!raw.empty() && chars < kProfileTextMaxChars) {
    const std::size_t len = Utf8SequenceLength(raw);
    if (len == 0) {
      text += kReplacement;
      raw.remove_prefix(1);
    } else {
      text += raw.substr(0, len);
      raw.remove_prefix(len);
    }
    ++chars;
  }
  return text;
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

// Calls `entry(key, raw_text)` for every entry of the first section named
// `section`, until it returns false.
void ScanSection(std::istream& in, std::string_view section,
                 const std::function<bool(std::string_view, std::string_view)>& entry) {
  LineReader reader(in);
  std::string line;
  bool first_line = true;
  bool inside = false;
  while (reader.Next(line)) {
    std::string_view view(line);
    if (first_line && view.starts_with(kUtf8Bom)) view.remove_prefix(kUtf8Bom.size());
    first_line = false;
    view = Trim(view);
    if (view.empty() || view.front() == ';') continue;
    if (view.front() == '[') {
      const std::size_t close = view.rfind(']');
      if (close == std::string_view::npos) continue;
      if (inside) return;  // the first section of that name has ended
      inside = EqualsFolded(Trim(view.substr(1, close - 1)), section);
      continue;
    }
    if (!inside) continue;
    const std::size_t eq = view.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    const std::string_view key = Trim(view.substr(0, eq));
    const std::string_view text = Unquote(Trim(view.substr(eq + 1)));
    if (!entry(key, text)) return;
  }
}

}  // namespace

ProfileSection ProfileSection::Read(std::istream& in, std::string_view section) {
  ProfileSection result;
  ScanSection(in, section, [&result](std::string_view key, std::string_view text) {
    result.entries_.try_emplace(Fold(key), CleanText(text));  // first key wins
    return true;
  });
  return result;
}

ProfileSection ProfileSection::Load(const std::string& host_path, std::string_view section) {
  std::ifstream in(host_path, std::ios::binary);
  if (!in) return {};
  return Read(in, section);
}

std::string ProfileSection::Get(std::string_view key) const {
  const auto it = entries_.find(Fold(key));
  return it == entries_.end() ? std::string() : it->second;
}

std::string ReadPrivateProfileString(const std::string& host_path, std::string_view section,
                                     std::string_view key) {
  std::ifstream in(host_path, std::ios::binary);
  if (!in) return {};
  std::string result;
  ScanSection(in, section, [&](std::string_view k, std::string_view text) {
    if (!EqualsFolded(k, key)) return true;
    result = CleanText(text);
    return false;
  });
  return result;
}

}  // namespace mqt

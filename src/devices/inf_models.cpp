#include "devices/inf_models.h"

#include <algorithm>
#include <map>

#include "devices/extract_field.h"

namespace mqt {
namespace {

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// One line of a section: "key = field, field, ..." or "field, field, ...".
struct InfEntry {
  bool has_key = false;
  std::string key;
  std::vector<std::string> fields;
};

struct InfSection {
  std::string name;
  std::vector<InfEntry> entries;
};

// A line without its comment; a ';' inside quotes is text.
std::string WithoutComment(std::string_view line) {
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ';' && !quoted) return std::string(line.substr(0, i));
  }
  return std::string(line);
}

// Logical lines: comments removed, a line ending in '\' joined with the next.
std::vector<std::string> LogicalLines(const std::vector<std::string>& lines) {
  std::vector<std::string> logical;
  std::string pending;
  bool continued = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view raw = lines[i];
    if (i == 0 && raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
    std::string text(TrimBlanks(WithoutComment(raw)));
    const bool continues = !text.empty() && text.back() == '\\';
    if (continues) text.pop_back();
    pending = continued ? pending + text : text;
    continued = continues;
    if (!continued) logical.push_back(std::move(pending));
  }
  if (continued) logical.push_back(std::move(pending));
  return logical;
}

// Splits at the separator outside quotes; fields are trimmed and unquoted
// ("" inside quotes stands for one quote).
std::vector<std::string> SplitFields(std::string_view text, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  auto finish = [&] {
    fields.emplace_back(TrimBlanks(field));
    field.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == separator && !quoted) {
      finish();
    } else {
      field += c;
    }
  }
  finish();
  return fields;
}

// A text with its quotes removed (a logical line never holds a line end).
std::string Unquoted(std::string_view text) { return SplitFields(text, '\n').front(); }

std::vector<InfSection> ParseSections(const std::vector<std::string>& lines) {
  std::vector<InfSection> sections;
  for (const std::string& line : LogicalLines(lines)) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name = std::string_view(line).substr(
          1, close == std::string::npos ? line.size() - 1 : close - 1);
      sections.push_back({std::string(TrimBlanks(name)), {}});
      continue;
    }
    if (sections.empty()) continue;  // text before the first section belongs to none
    InfEntry entry;
    bool quoted = false;
    std::size_t equals = std::string::npos;
    for (std::size_t i = 0; i < line.size() && equals == std::string::npos; ++i) {
      if (line[i] == '"') quoted = !quoted;
      if (line[i] == '=' && !quoted) equals = i;
    }
    if (equals != std::string::npos) {
      entry.has_key = true;
      entry.key = Unquoted(std::string_view(line).substr(0, equals));
      entry.fields = SplitFields(std::string_view(line).substr(equals + 1), ',');
    } else {
      entry.fields = SplitFields(line, ',');
    }
    sections.back().entries.push_back(std::move(entry));
  }
  return sections;
}

class InfDocument {
 public:
  explicit InfDocument(const std::vector<std::string>& lines) : sections_(ParseSections(lines)) {
    for (const InfSection* strings : Sections("Strings")) {
      for (const InfEntry& entry : strings->entries) {
        if (!entry.has_key || entry.fields.empty()) continue;
        strings_.emplace(AsciiLower(entry.key), entry.fields.front());
      }
    }
  }

  // Every section of this name (a name may appear more than once).
  std::vector<const InfSection*> Sections(std::string_view name) const {
    std::vector<const InfSection*> found;
    const std::string wanted = AsciiLower(name);
    for (const InfSection& section : sections_) {
      if (AsciiLower(section.name) == wanted) found.push_back(&section);
    }
    return found;
  }

  // The text with %key% replaced from [Strings] and %% by a single %.
  std::string Substitute(std::string_view text) const {
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
      const std::size_t open = text.find('%', i);
      const std::size_t close =
          open == std::string_view::npos ? std::string_view::npos : text.find('%', open + 1);
      if (close == std::string_view::npos) {
        result += text.substr(i);
        break;
      }
      result += text.substr(i, open - i);
      const std::string_view key = text.substr(open + 1, close - open - 1);
      const auto value = strings_.find(AsciiLower(key));
      if (key.empty()) {
        result += '%';
      } else if (value != strings_.end()) {
        result += value->second;
      } else {
        result += text.substr(open, close - open + 1);
      }
      i = close + 1;
    }
    return result;
  }

  const std::vector<InfSection>& sections() const { return sections_; }

 private:
  std::vector<InfSection> sections_;
  std::map<std::string, std::string> strings_;
};

// Models sections named under [Manufacturer]: the name itself and the name
// with each listed platform decoration.
std::vector<std::string> ModelsSectionNames(const InfDocument& inf) {
  std::vector<std::string> names;
  for (const InfSection* manufacturer : inf.Sections("Manufacturer")) {
    for (const InfEntry& entry : manufacturer->entries) {
      if (entry.fields.empty() || entry.fields.front().empty()) continue;
      const std::string& models = entry.fields.front();
      names.push_back(models);
      for (std::size_t i = 1; i < entry.fields.size(); ++i) {
        if (!entry.fields[i].empty()) names.push_back(models + "." + entry.fields[i]);
      }
    }
  }
  return names;
}

bool InstallSectionNeedsRestart(const InfDocument& inf, std::string_view install_section) {
  const std::string name = AsciiLower(install_section);
  for (const InfSection& section : inf.sections()) {
    const std::string section_name = AsciiLower(section.name);
    const bool decorated = section_name.size() > name.size() &&
                           section_name.compare(0, name.size(), name) == 0 &&
                           section_name[name.size()] == '.' &&
                           section_name.find('.', name.size() + 1) == std::string::npos;
    if (section_name != name && !decorated) continue;
    for (const InfEntry& entry : section.entries) {
      const std::string directive = AsciiLower(entry.has_key ? entry.key : entry.fields.front());
      if (directive == "reboot" || directive == "restart") return true;
    }
  }
  return false;
}

}  // namespace

bool HasInfSignature(const std::vector<std::string>& lines) {
  const InfDocument inf(lines);
  for (const InfSection* version : inf.Sections("Version")) {
    for (const InfEntry& entry : version->entries) {
      if (!entry.has_key || AsciiLower(entry.key) != "signature" || entry.fields.empty()) continue;
      const std::string signature = AsciiLower(inf.Substitute(entry.fields.front()));
      return signature == "$windows nt$" || signature == "$chicago$";
    }
  }
  return false;
}

std::optional<InfModel> FindInfModel(const std::vector<std::string>& lines,
                                     std::string_view hardware_id) {
  const InfDocument inf(lines);
  const std::string wanted = AsciiLower(hardware_id);
  for (const std::string& models : ModelsSectionNames(inf)) {
    for (const InfSection* section : inf.Sections(models)) {
      for (const InfEntry& entry : section->entries) {
        if (!entry.has_key || entry.fields.size() < 2) continue;
        const bool names_id = std::any_of(
            entry.fields.begin() + 1, entry.fields.end(),
            [&](const std::string& id) { return AsciiLower(inf.Substitute(id)) == wanted; });
        if (!names_id) continue;
        InfModel model;
        model.description = inf.Substitute(entry.key);
        model.install_section = inf.Substitute(entry.fields.front());
        model.needs_restart = InstallSectionNeedsRestart(inf, model.install_section);
        return model;
      }
    }
  }
  return std::nullopt;
}

}  // namespace mqt

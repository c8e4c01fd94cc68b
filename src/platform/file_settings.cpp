#include "platform/file_settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>
#include <optional>
#include <utility>
#include <vector>

namespace mqt {
namespace {

// A settings file is a handful of short lines; anything this big is not one.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

using Entries = std::vector<std::pair<std::string, std::string>>;

enum class FileState { Missing, Good, Bad };

struct Loaded {
  FileState state = FileState::Missing;
  Entries entries;
};

std::string Escape(std::string_view text, bool is_name) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '=':
      case '#':
        if (is_name) out += '\\';
        out += c;
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Undoes Escape; nullopt for a bad escape.
std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '=':
        out += '=';
        break;
      case '#':
        out += '#';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The entries of a file's text, or nullopt when the text is not a settings file.
std::optional<Entries> Parse(const QByteArray& bytes) {
  if (bytes.contains('\0') || !QByteArrayView(bytes).isValidUtf8()) return std::nullopt;
  Entries entries;
  std::string_view rest(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  while (!rest.empty()) {
    const std::size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (TrimBlanks(line).empty() || TrimBlanks(line).front() == '#') continue;
    // The first "=" that is not escaped ends the name.
    std::size_t eq = 0;
    while (eq < line.size() && line[eq] != '=') eq += line[eq] == '\\' ? 2 : 1;
    if (eq >= line.size()) return std::nullopt;
    auto name = Unescape(TrimBlanks(line.substr(0, eq)));
    auto value = Unescape(line.substr(eq + 1));
    if (!name || !value) return std::nullopt;
    entries.emplace_back(std::move(*name), std::move(*value));
  }
  return entries;
}

Loaded Load(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {FileState::Bad, {}};
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (bytes.size() > kMaxFileBytes) return {FileState::Bad, {}};
  std::optional<Entries> entries = Parse(bytes);
  if (!entries) return {FileState::Bad, {}};
  return {FileState::Good, std::move(*entries)};
}

std::vector<std::string> KeyParts(std::string_view key) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i <= key.size(); ++i) {
    if (i == key.size() || key[i] == '\\' || key[i] == '/') {
      if (!part.empty() && part != "." && part != "..") parts.push_back(part);
      part.clear();
    } else {
      part += key[i];
    }
  }
  return parts;
}

}  // namespace

std::string SettingsFilePath(std::string_view config_folder, std::string_view key) {
  std::string path(config_folder);
  if (!path.empty() && path.back() != '/') path += '/';
  const std::vector<std::string> parts = KeyParts(key);
  if (parts.empty()) return path + "root.conf";
  for (std::size_t i = 0; i < parts.size(); ++i) path += (i == 0 ? "" : "/") + parts[i];
  return path + ".conf";
}

FileSettings::FileSettings(std::string config_folder, std::string_view key)
    : path_(SettingsFilePath(config_folder, key)) {
  for (const std::string& part : KeyParts(key)) key_ += (key_.empty() ? "" : "\\") + part;
}

std::string FileSettings::Read(std::string_view name) {
  const Loaded loaded = Load(path_);
  for (const auto& [n, value] : loaded.entries) {
    if (n == name) return value;
  }
  return {};
}

void FileSettings::Write(std::string_view name, std::string_view value) {
  std::string error;
  if (!TryWrite(name, value, &error)) throw SettingsWriteError(error);
}

bool FileSettings::TryWrite(std::string_view name, std::string_view value, std::string* error) {
  const QString qpath = QString::fromStdString(path_);
  Loaded loaded = Load(path_);
  if (loaded.state == FileState::Bad) {
    // Keep what was there for whoever wants to look at it.
    const QString kept = qpath + ".corrupt";
    QFile::remove(kept);
    QFile::rename(qpath, kept);
  }
  bool replaced = false;
  for (auto& [n, v] : loaded.entries) {
    if (n == name) {
      v = value;
      replaced = true;
      break;
    }
  }
  if (!replaced) loaded.entries.emplace_back(name, value);

  std::string text =
      "# Mouse quality test station: settings key HKEY_CURRENT_USER\\" + key_ +
      "\n# One value per line, Name=text; \\\\ \\n \\r stand for \\ and line breaks.\n";
  for (const auto& [n, v] : loaded.entries) text += Escape(n, true) + "=" + Escape(v, false) + "\n";

  QSaveFile file(qpath);
  const bool ok = QDir().mkpath(QFileInfo(qpath).absolutePath()) &&
                  file.open(QIODevice::WriteOnly) &&
                  file.write(text.data(), static_cast<qint64>(text.size())) ==
                      static_cast<qint64>(text.size()) &&
                  file.commit();
  if (!ok && error != nullptr) {
    *error = "The setting \"" + std::string(name) + "\" could not be saved to " + path_ + ": " +
             file.errorString().toStdString();
  }
  return ok;
}

}  // namespace mqt

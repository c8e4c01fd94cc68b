#include "platform/driver_setup/present_mice.h"

#include <algorithm>
#include <system_error>

#include "platform/device_ids.h"
#include "platform/paths.h"

namespace mqt {
namespace {

bool UsableStem(std::string_view stem) {
  if (stem.empty() || stem.front() == ' ' || stem.back() == ' ') return false;
  return std::none_of(stem.begin(), stem.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == ':' || c == '\\' || c == '"';
  });
}

}  // namespace

std::filesystem::path UserRecordingsFolder() {
  return std::filesystem::path(AppDataFolder()) / "recordings";
}

PresentMouse SimulatedMouse() {
  return {std::string(kSimulatedInstanceId),
          "Simulated mouse (not hardware)",
          MouseSource::kSimulated,
          {}};
}

std::vector<PresentMouse> RecordedMice(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code type_error;
    if (it->path().extension() == kRecordingExtension && it->is_regular_file(type_error)) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());

  std::vector<PresentMouse> mice;
  for (const std::filesystem::path& file : files) {
    const std::string stem = file.stem().string();
    if (!UsableStem(stem)) continue;
    mice.push_back({std::string(kRecordingInstancePrefix) + stem,
                    "Recording " + stem + " (replayed, not hardware)", MouseSource::kRecording,
                    file});
  }
  return mice;
}

std::vector<PresentMouse> EnumeratePresentMice(const std::filesystem::path& recordings) {
  std::vector<PresentMouse> mice{SimulatedMouse()};
  for (PresentMouse& mouse : RecordedMice(recordings)) mice.push_back(std::move(mouse));
  return mice;
}

std::vector<PresentMouse> EnumeratePresentMice() {
  return EnumeratePresentMice(UserRecordingsFolder());
}

}  // namespace mqt

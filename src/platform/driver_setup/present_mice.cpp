#include "platform/driver_setup/present_mice.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "platform/device_ids.h"
#include "platform/driver_setup/udev_mice.h"
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
  PresentMouse mouse;
  mouse.instance_id = kSimulatedInstanceId;
  mouse.description = "Simulated mouse (not hardware)";
  mouse.source = MouseSource::kSimulated;
  return mouse;
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
    PresentMouse& mouse = mice.emplace_back();
    mouse.instance_id = std::string(kRecordingInstancePrefix) + stem;
    mouse.description = "Recording " + stem + " (replayed, not hardware)";
    mouse.source = MouseSource::kRecording;
    mouse.recording = file;
  }
  return mice;
}

PresentMouse PresentMouseOf(const RealMouse& real) {
  PresentMouse mouse;
  mouse.instance_id = real.instance_id;
  mouse.description = real.description;
  mouse.source = MouseSource::kReal;
  mouse.event_nodes = real.event_nodes;
  return mouse;
}

std::vector<PresentMouse> AttachedMice() {
  const char* setting = std::getenv(kRealMiceVariable);
  if (setting != nullptr && std::string_view(setting) == "0") return {};
  std::vector<PresentMouse> mice;
  for (const RealMouse& mouse : EnumerateRealMice()) mice.push_back(PresentMouseOf(mouse));
  return mice;
}

std::vector<PresentMouse> PresentMiceOf(std::vector<PresentMouse> real,
                                        const std::filesystem::path& recordings) {
  std::vector<PresentMouse> mice = std::move(real);
  mice.push_back(SimulatedMouse());
  for (PresentMouse& mouse : RecordedMice(recordings)) mice.push_back(std::move(mouse));
  return mice;
}

std::vector<PresentMouse> EnumeratePresentMice(const std::filesystem::path& recordings) {
  return PresentMiceOf(AttachedMice(), recordings);
}

std::vector<PresentMouse> EnumeratePresentMice() {
  return EnumeratePresentMice(UserRecordingsFolder());
}

}  // namespace mqt

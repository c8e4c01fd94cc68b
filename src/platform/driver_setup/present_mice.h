#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mqt {

// Where a present mouse's reports come from.
enum class MouseSource {
  kSimulated,  // the built-in virtual mouse
  kRecording,  // a capture recording, replayed
};

// A mouse the station can test, with the instance ID it shows in the device
// list (HID\VID_vvvv&PID_pppp\instance) and its own description.
struct PresentMouse {
  std::string instance_id;
  std::string description;
  MouseSource source = MouseSource::kSimulated;
  std::filesystem::path recording;  // kRecording: the recording file
};

// A capture recording in the recordings folder becomes a mouse when its file
// name ends with this and its stem can stand in an instance ID.
inline constexpr std::string_view kRecordingExtension = ".csv";

// AppDataFolder()/recordings.
std::filesystem::path UserRecordingsFolder();

PresentMouse SimulatedMouse();

// One mouse per recording in `folder`, ordered by file name. A stem holding a
// control character, ':', '\' or '"', or starting or ending with a blank,
// cannot be carried through the device list and is skipped.
std::vector<PresentMouse> RecordedMice(const std::filesystem::path& folder);

// Every present mouse: the simulated one, then the recordings of `recordings`.
std::vector<PresentMouse> EnumeratePresentMice(const std::filesystem::path& recordings);

// The present mice of this user.
std::vector<PresentMouse> EnumeratePresentMice();

}  // namespace mqt

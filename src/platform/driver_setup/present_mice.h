#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "devices/real_mice.h"

namespace mqt {

// Where a present mouse's reports come from.
enum class MouseSource {
  kSimulated,  // the built-in virtual mouse
  kRecording,  // a capture recording, replayed
  kReal,       // a mouse attached to this machine, read through its event nodes
};

// A mouse the station can test, with the instance ID it shows in the device
// list (HID\VID_vvvv&PID_pppp\instance) and its own description.
struct PresentMouse {
  std::string instance_id;
  std::string description;
  MouseSource source = MouseSource::kSimulated;
  std::filesystem::path recording;       // kRecording: the recording file
  std::vector<std::string> event_nodes;  // kReal: its evdev nodes
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

// Setting this environment variable to "0" keeps the attached mice out of
// the present mice: for tests, and for a station that must offer only the
// simulated mouse and recordings.
inline constexpr const char* kRealMiceVariable = "MQT_REAL_MICE";

PresentMouse PresentMouseOf(const RealMouse& mouse);

// The real mice attached now (udev), unless kRealMiceVariable is "0".
std::vector<PresentMouse> AttachedMice();

// Every present mouse: the real mice `real`, then the simulated one, then the
// recordings of `recordings`. Hardware comes first, so a station with a mouse
// attached preselects that mouse in the device list.
std::vector<PresentMouse> PresentMiceOf(std::vector<PresentMouse> real,
                                        const std::filesystem::path& recordings);

// PresentMiceOf(AttachedMice(), recordings).
std::vector<PresentMouse> EnumeratePresentMice(const std::filesystem::path& recordings);

// The present mice of this user.
std::vector<PresentMouse> EnumeratePresentMice();

}  // namespace mqt

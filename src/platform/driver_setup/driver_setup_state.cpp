#include "platform/driver_setup/driver_setup_state.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <system_error>

#include "platform/driver_setup/text_file.h"
#include "platform/paths.h"

namespace mqt {
namespace {

constexpr std::string_view kDeviceTag = "device";
constexpr std::string_view kFilterTag = "filter";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const InstalledDriver* Find(const std::vector<InstalledDriver>& list, std::string_view id) {
  for (const InstalledDriver& entry : list) {
    if (EqualsIgnoringCase(entry.hardware_id, id)) return &entry;
  }
  return nullptr;
}

// Tabs and line ends would break the line layout; INF texts never need them.
std::string Field(std::string_view text) {
  std::string field(text);
  for (char& c : field) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return field;
}

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// Holds an exclusive lock on the store's lock file while it lives.
class StoreLock {
 public:
  explicit StoreLock(const std::filesystem::path& lock_file)
      : fd_(::open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~StoreLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace

const InstalledDriver* DriverSetupState::FilterOf(std::string_view hardware_id) const {
  return Find(filters, hardware_id);
}

const InstalledDriver* DriverSetupState::DeviceOf(std::string_view hardware_id) const {
  return Find(devices, hardware_id);
}

std::vector<std::string> FormatDriverSetupState(const DriverSetupState& state) {
  std::vector<std::string> lines;
  lines.emplace_back(
      "# Driver set-up state of the mouse quality test station: installed devices and the "
      "hardware IDs bound to the capture filter.");
  auto add = [&](std::string_view tag, const InstalledDriver& entry) {
    lines.push_back(std::string(tag) + '\t' + Field(entry.hardware_id) + '\t' +
                    Field(entry.description) + '\t' + Field(entry.inf_path));
  };
  for (const InstalledDriver& device : state.devices) add(kDeviceTag, device);
  for (const InstalledDriver& filter : state.filters) add(kFilterTag, filter);
  return lines;
}

DriverSetupState ParseDriverSetupState(const std::vector<std::string>& lines) {
  DriverSetupState state;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 4 || fields[1].empty()) continue;
    InstalledDriver entry{fields[1], fields[2], fields[3]};
    if (fields[0] == kDeviceTag) {
      state.devices.push_back(std::move(entry));
    } else if (fields[0] == kFilterTag) {
      state.filters.push_back(std::move(entry));
    }
  }
  return state;
}

DriverSetupStore DriverSetupStore::ForThisUser() {
  return DriverSetupStore(std::filesystem::path(AppConfigFolder()) / "driver_setup.state");
}

DriverSetupState DriverSetupStore::Load() const {
  const auto lines = ReadTextLines(file_);
  return lines ? ParseDriverSetupState(*lines) : DriverSetupState{};
}

bool DriverSetupStore::Update(const std::function<void(DriverSetupState&)>& change) const {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  const StoreLock lock(std::filesystem::path(file_.string() + ".lock"));
  if (!lock.held()) return false;
  DriverSetupState state;
  if (std::filesystem::exists(file_, error)) {
    // A state that cannot be read is not overwritten with a partial one.
    const auto lines = ReadTextLines(file_);
    if (!lines) return false;
    state = ParseDriverSetupState(*lines);
  }
  change(state);
  return WriteTextFileAtomically(file_, FormatDriverSetupState(state));
}

}  // namespace mqt

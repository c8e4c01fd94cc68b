#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace mqt {
namespace {

bool HasRuntimeDir() {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  return dir != nullptr && dir[0] == '/';
}

}  // namespace

std::string SingleInstanceLockFolder() {
  std::string folder;
  if (HasRuntimeDir()) {
    folder = std::getenv("XDG_RUNTIME_DIR");
  } else if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && tmp[0] == '/') {
    folder = tmp;
  } else {
    folder = "/tmp";
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string SingleInstanceLockName(std::string_view mutex_name, bool per_user_folder) {
  std::string name;
  for (const char c : mutex_name) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '-' || c == '_';
    name += keep ? c : '_';
  }
  if (!per_user_folder) name += "-" + std::to_string(getuid());
  return name + ".lock";
}

SingleInstance::SingleInstance(std::string_view mutex_name, std::string lock_folder) {
  const bool per_user = lock_folder.empty() ? HasRuntimeDir() : true;
  if (lock_folder.empty()) lock_folder = SingleInstanceLockFolder();
  lock_path_ = lock_folder + SingleInstanceLockName(mutex_name, per_user);
  // Close-on-exec: a program we start must not inherit the lock and keep it
  // after the station has ended.
  fd_ = open(lock_path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  int rc = 0;
  while ((rc = flock(fd_, LOCK_EX | LOCK_NB)) < 0 && errno == EINTR) {
  }
  if (rc == 0) {
    state_ = State::Acquired;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::AlreadyExists : State::Unavailable;
  close(fd_);
  fd_ = -1;
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);  // closing drops the lock
}

}  // namespace mqt

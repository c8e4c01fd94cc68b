#pragma once

#include <string>
#include <string_view>

namespace mqt {

// The named mutex that keeps a second copy of the station from starting: a
// lock (flock) on a file named after the mutex. The kernel drops the lock when
// the process ends in any way, a crash included; the file itself stays.
class SingleInstance {
 public:
  enum class State {
    Acquired,       // this process is the only copy
    AlreadyExists,  // another process holds the lock
    Unavailable,    // no lock file could be made; like a mutex that could not
                    // be created, the program starts normally
  };

  // Takes the lock in `lock_folder` (ending in "/"), or in
  // SingleInstanceLockFolder() when none is given.
  explicit SingleInstance(std::string_view mutex_name, std::string lock_folder = {});
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  State state() const { return state_; }
  bool already_exists() const { return state_ == State::AlreadyExists; }
  const std::string& lock_path() const { return lock_path_; }

 private:
  State state_ = State::Unavailable;
  std::string lock_path_;
  int fd_ = -1;
};

// $XDG_RUNTIME_DIR/ when set, otherwise the temporary folder.
std::string SingleInstanceLockFolder();

// The lock file's name for a mutex name: characters other than letters,
// digits, ".", "-" and "_" become "_"; in a shared temporary folder the user
// ID is added so other users' copies do not count.
std::string SingleInstanceLockName(std::string_view mutex_name, bool per_user_folder);

}  // namespace mqt

#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace mqt::testing {

// A fresh, empty user profile for one test: XDG config and data folders in a
// temporary folder that is removed afterwards.
class FreshProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "mqt-devices-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    // The mice attached to the machine running the tests are not the test's.
    ::setenv("MQT_REAL_MICE", "0", 1);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::filesystem::path AppData() const { return root_ / "data" / "mouse-quality-test"; }
  std::filesystem::path AppConfig() const { return root_ / "config" / "mouse-quality-test"; }
  std::filesystem::path Recordings() const { return AppData() / "recordings"; }
  std::filesystem::path DeviceListFile() const { return AppData() / "drive_c" / "DevList.txt"; }

  // A copy of a shipped driver file as it is in the sources (the one beside
  // the program is edited by every filter install), safe to edit.
  std::filesystem::path CopyOfDriverFile(const std::string& name) const {
    const std::filesystem::path copy = root_ / "Driver" / name;
    std::filesystem::create_directories(copy.parent_path());
    std::filesystem::copy_file(std::filesystem::path(MQT_ASSETS_DIR) / "Driver" / name, copy,
                               std::filesystem::copy_options::overwrite_existing);
    return copy;
  }

  void AddRecording(const std::string& file_name) const {
    std::filesystem::create_directories(Recordings());
    std::ofstream(Recordings() / file_name) << "frequency,timestamp,dx,dy\n1000000,0,1,0\n";
  }

  std::filesystem::path root_;
};

}  // namespace mqt::testing

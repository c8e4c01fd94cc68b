#include "capture/capture_recording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace mqt {
namespace {

std::string Read(const std::string& text, CaptureRecording& out) {
  std::istringstream in(text);
  return ReadCaptureRecording(in, "swing.csv", out);
}

TEST(CaptureRecordingFile, ReadsCommentsHeaderAndReports) {
  CaptureRecording recording;
  const std::string error = Read(
      "# recorded on the bench\n#second line\nfrequency,timestamp,dx,dy\r\n"
      "1000000,5,-3,+4\n"
      " 1000000 , -9223372036854775808 , 2147483647 , -2147483648 \n"
      "\n",
      recording);
  ASSERT_EQ(error, "");
  EXPECT_EQ(recording.comments,
            (std::vector<std::string>{" recorded on the bench", "second line"}));
  ASSERT_EQ(recording.reports.size(), 2u);
  EXPECT_EQ(recording.reports[0], (RecordedReport{1000000, 5, -3, 4}));
  EXPECT_EQ(recording.reports[1].timestamp, INT64_MIN);
  EXPECT_EQ(recording.reports[1].dx, INT32_MAX);
  EXPECT_EQ(recording.reports[1].dy, INT32_MIN);
}

TEST(CaptureRecordingFile, ErrorsNameFileAndLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"", "swing.csv:1: missing the header \"frequency,timestamp,dx,dy\""},
      {"# only a comment\n", "swing.csv:2: missing the header \"frequency,timestamp,dx,dy\""},
      {"1000,1,2,3\n", "swing.csv:1: expected the header \"frequency,timestamp,dx,dy\""},
      {"frequency,timestamp,dx,dy\n1000,1,2\n", "swing.csv:2: expected 4 fields, found 3"},
      {"frequency,timestamp,dx,dy\n1000,1,2,3,4\n", "swing.csv:2: expected 4 fields, found 5"},
      {"frequency,timestamp,dx,dy\n1000,1,2,3\n1000,x,2,3\n",
       "swing.csv:3: timestamp is not a signed decimal integer: \"x\""},
      {"frequency,timestamp,dx,dy\n1000,1,2.5,3\n",
       "swing.csv:2: dx is not a signed decimal integer: \"2.5\""},
      {"frequency,timestamp,dx,dy\n1000,1,,3\n",
       "swing.csv:2: dx is not a signed decimal integer: \"\""},
      {"frequency,timestamp,dx,dy\n1000,1,2,2147483648\n", "swing.csv:2: dy is out of range"},
      {"frequency,timestamp,dx,dy\n0,1,2,3\n", "swing.csv:2: frequency must be positive"},
      {"frequency,timestamp,dx,dy\n1000,1,2,3\n# late comment\n",
       "swing.csv:3: comment lines belong before the header"},
  };
  for (const Case& c : cases) {
    CaptureRecording recording;
    recording.reports.push_back({1, 1, 1, 1});
    EXPECT_EQ(Read(c.text, recording), c.error) << c.text;
    EXPECT_EQ(recording.reports.size(), 1u) << "a failed read leaves the output alone";
  }
}

TEST(CaptureRecordingFile, WrittenFileReadsBackTheSame) {
  CaptureRecording recording;
  recording.comments = {" simulated mouse, seed 7", "two\nlines"};
  recording.reports = {{125, 0, 0, 0}, {125, 1, -30, 2}, {1000000000, -5, INT32_MIN, INT32_MAX}};
  const std::string path =
      (std::filesystem::path(::testing::TempDir()) / "round-trip.csv").string();
  ASSERT_EQ(SaveCaptureRecording(path, recording), "");

  CaptureRecording back;
  ASSERT_EQ(LoadCaptureRecording(path, back), "");
  EXPECT_EQ(back.reports, recording.reports);
  EXPECT_EQ(back.comments, (std::vector<std::string>{" simulated mouse, seed 7", "two", "lines"}));
  std::filesystem::remove(path);
}

TEST(CaptureRecordingFile, MissingFileIsAnError) {
  CaptureRecording recording;
  const std::string error = LoadCaptureRecording("/nonexistent/none.csv", recording);
  EXPECT_TRUE(error.starts_with("/nonexistent/none.csv: cannot be opened")) << error;
}

}  // namespace
}  // namespace mqt

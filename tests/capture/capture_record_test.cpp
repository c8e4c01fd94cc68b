#include "capture/capture_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace mqt {
namespace {

void PutInt32(CaptureReadBuffer& buffer, std::size_t at, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) buffer[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

TEST(CaptureRecordLayout, EmptyTextPutsDxAt17AndDyAt21) {
  CaptureReadBuffer buffer{};
  ASSERT_EQ(
      WriteCaptureRecord(std::span(buffer.data(), kCaptureReadLength), 1'000'000, -5, "", -2, 300),
      25u);
  EXPECT_EQ(buffer[16], 0);
  EXPECT_EQ(buffer[17], 0xFE);  // -2, little-endian
  EXPECT_EQ(buffer[20], 0xFF);
  EXPECT_EQ(buffer[21], 0x2C);  // 300 = 0x012C
  EXPECT_EQ(buffer[22], 0x01);
  const auto record = ParseCaptureRecord(buffer);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->frequency, 1'000'000);
  EXPECT_EQ(record->timestamp, -5);
  EXPECT_EQ(record->text, "");
  EXPECT_EQ(record->dx, -2);
  EXPECT_EQ(record->dy, 300);
}

TEST(CaptureRecordLayout, TextLengthDecidesWhetherTheRecordFits) {
  struct Case {
    std::size_t text_length;
    bool fits;
  };
  // 999 is the longest text that leaves dx and dy inside the 1024 bytes read.
  const Case cases[] = {{0, true}, {30, true}, {999, true}, {1000, false}, {1007, false}};
  for (const Case& c : cases) {
    CaptureReadBuffer buffer{};
    buffer[0] = 8;  // frequency 8
    std::memset(buffer.data() + kRecordTextOffset, 'A', c.text_length);
    const std::size_t dx_at = kRecordTextOffset + c.text_length + 1;
    if (c.fits) {
      PutInt32(buffer, dx_at, 11);
      PutInt32(buffer, dx_at + 4, -12);
    }
    const auto record = ParseCaptureRecord(buffer);
    ASSERT_EQ(record.has_value(), c.fits) << "text length " << c.text_length;
    if (record) {
      EXPECT_EQ(record->text.size(), c.text_length);
      EXPECT_EQ(record->dx, 11);
      EXPECT_EQ(record->dy, -12);
    }
  }
}

TEST(CaptureRecordLayout, DeviceThatFillsAllBytesLeavesTheLastByteZero) {
  CaptureReadBuffer buffer{};
  std::memset(buffer.data(), 0x41, kCaptureReadLength);
  EXPECT_EQ(buffer[kCaptureReadLength], 0);
  EXPECT_FALSE(ParseCaptureRecord(buffer));  // the text runs to byte 1023: malformed, no crash
}

TEST(CaptureRecordLayout, ShortReadIsParsedFromTheBufferContents) {
  CaptureReadBuffer buffer{};
  std::span<std::uint8_t> read(buffer.data(), kCaptureReadLength);
  WriteCaptureRecord(read, 1000, 1, "long text of an earlier record", 5, 6);
  // A later read delivers only frequency, timestamp and an empty text.
  CaptureReadBuffer next{};
  WriteCaptureRecord(std::span(next.data(), kCaptureReadLength), 1000, 2, "", 0, 0);
  std::memcpy(buffer.data(), next.data(), 17);
  const auto record = ParseCaptureRecord(buffer);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->timestamp, 2);
  EXPECT_EQ(record->text, "");
  // dx and dy are whatever bytes 17..24 still hold: the earlier record's text.
  std::int32_t left_over = 0;
  std::memcpy(&left_over, buffer.data() + 17, 4);
  EXPECT_EQ(record->dx, left_over);
}

TEST(CaptureRecordLayout, RecordWithoutPositiveFrequencyIsMalformed) {
  for (std::int64_t frequency : {std::int64_t{0}, std::int64_t{-1000}}) {
    CaptureReadBuffer buffer{};
    WriteCaptureRecord(std::span(buffer.data(), kCaptureReadLength), frequency, 1, "", 1, 1);
    EXPECT_FALSE(ParseCaptureRecord(buffer)) << frequency;
  }
}

TEST(CaptureRecordLayout, WriterCutsTextsThatWouldNotFit) {
  CaptureReadBuffer buffer{};
  const std::string text(2000, 'T');
  EXPECT_EQ(WriteCaptureRecord(std::span(buffer.data(), kCaptureReadLength), 1, 1, text, 3, 4),
            kCaptureReadLength);
  const auto record = ParseCaptureRecord(buffer);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->text.size(), kMaxRecordTextLength);
  EXPECT_EQ(record->dy, 4);
}

}  // namespace
}  // namespace mqt

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace mqt {

// The read buffer of a capture thread: every read asks for kCaptureReadLength
// bytes, so the last byte stays 0 and a record's text always ends inside it.
inline constexpr std::size_t kCaptureReadLength = 1024;
inline constexpr std::size_t kCaptureReadBufferSize = kCaptureReadLength + 1;
using CaptureReadBuffer = std::array<std::uint8_t, kCaptureReadBufferSize>;

// Byte layout of one capture record at offset 0 of a completed read, all
// numbers little-endian: frequency (8), timestamp (8), text ended by a zero
// byte (L + 1), dx (4), dy (4).
inline constexpr std::size_t kRecordTextOffset = 16;
inline constexpr std::size_t kRecordFixedSize = 25;
// A record must fit into the bytes one read asks for.
inline constexpr std::size_t kMaxRecordTextLength = kCaptureReadLength - kRecordFixedSize;

struct CaptureRecord {
  std::int64_t frequency = 0;  // counter counts per second
  std::int64_t timestamp = 0;  // counter value of the movement report
  std::string text;            // not interpreted
  std::int32_t dx = 0;
  std::int32_t dy = 0;
};

// The record at the start of the read buffer. The number of bytes the read
// delivered is not looked at: a short read is parsed from what the buffer
// holds. Nullopt for a malformed record: a text that leaves no room for dx and
// dy inside the 1024 bytes read, or a frequency that is not positive (no time
// could be worked out from it).
std::optional<CaptureRecord> ParseCaptureRecord(const CaptureReadBuffer& buffer);

// Writes `record` at the start of `out` in the record layout; the text is cut
// to what fits. Returns the number of bytes written, 0 when `out` cannot hold
// even an empty-text record.
std::size_t WriteCaptureRecord(std::span<std::uint8_t> out, std::int64_t frequency,
                               std::int64_t timestamp, std::string_view text, std::int32_t dx,
                               std::int32_t dy);

}  // namespace mqt

#include "capture/capture_record.h"

#include <algorithm>
#include <cstring>

namespace mqt {
namespace {

template <typename T>
T LoadLittleEndian(const std::uint8_t* bytes) {
  using U = std::make_unsigned_t<T>;
  U value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<U>(bytes[i]) << (8 * i);
  return static_cast<T>(value);
}

template <typename T>
void StoreLittleEndian(std::uint8_t* bytes, T value) {
  using U = std::make_unsigned_t<T>;
  const U bits = static_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

}  // namespace

std::optional<CaptureRecord> ParseCaptureRecord(const CaptureReadBuffer& buffer) {
  const std::uint8_t* text = buffer.data() + kRecordTextOffset;
  // The buffer's last byte is never read into, so the search always ends.
  const auto* end =
      static_cast<const std::uint8_t*>(std::memchr(text, 0, buffer.size() - kRecordTextOffset));
  if (end == nullptr) return std::nullopt;
  const std::size_t text_length = static_cast<std::size_t>(end - text);
  if (text_length > kMaxRecordTextLength) return std::nullopt;

  CaptureRecord record;
  record.frequency = LoadLittleEndian<std::int64_t>(buffer.data());
  record.timestamp = LoadLittleEndian<std::int64_t>(buffer.data() + 8);
  if (record.frequency <= 0) return std::nullopt;
  record.text.assign(reinterpret_cast<const char*>(text), text_length);
  const std::uint8_t* movement = end + 1;
  record.dx = LoadLittleEndian<std::int32_t>(movement);
  record.dy = LoadLittleEndian<std::int32_t>(movement + 4);
  return record;
}

std::size_t WriteCaptureRecord(std::span<std::uint8_t> out, std::int64_t frequency,
                               std::int64_t timestamp, std::string_view text, std::int32_t dx,
                               std::int32_t dy) {
  if (out.size() < kRecordFixedSize) return 0;
  // A zero byte inside the text would end it early; cut there as the reader would.
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  const std::size_t length =
      std::min({text.size(), kMaxRecordTextLength, out.size() - kRecordFixedSize});
  std::uint8_t* p = out.data();
  StoreLittleEndian(p, frequency);
  StoreLittleEndian(p + 8, timestamp);
  if (length > 0) std::memcpy(p + kRecordTextOffset, text.data(), length);
  p[kRecordTextOffset + length] = 0;
  StoreLittleEndian(p + kRecordTextOffset + length + 1, dx);
  StoreLittleEndian(p + kRecordTextOffset + length + 5, dy);
  return kRecordFixedSize + length;
}

}  // namespace mqt

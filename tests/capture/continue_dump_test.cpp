#include "capture/continue_dump.h"

#include <gtest/gtest.h>

namespace mqt {
namespace {

// A garbage timestamp far in the future must not make millions of "Nak"
// lines per record.
TEST(RecordDump, HugeIntervalAddsBoundedNakLines) {
  SlotCarry carry;
  RecordDump dump(carry, 8, nullptr);
  dump.Dump({1000, 0, "", 0, 0});
  dump.Dump({1000, 1, "", 0, 0});
  dump.Dump({1000, 2, "", 1, 1});
  dump.Dump({1000, 2 + (std::int64_t{1} << 40), "", 2, 2});
  EXPECT_EQ(dump.dump_list().size(), 2u + static_cast<std::size_t>(RecordDump::kMaxNakLines));
  // The position itself keeps counting: 2^40 ms is 2^37 slots of 8 ms.
  EXPECT_EQ(dump.dump_list().back(), "X=2\tY=2\tT=2147483647ms\t137438953474");
}

}  // namespace
}  // namespace mqt

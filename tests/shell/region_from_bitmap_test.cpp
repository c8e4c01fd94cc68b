#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "shell/Xwindowshape.h"

namespace mqt {
namespace {

// Pictures drawn as text: each character is one colour.
PixelGrid Picture(const std::vector<std::string>& rows) {
  PixelGrid grid;
  grid.height = static_cast<int>(rows.size());
  grid.width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  for (const auto& row : rows) {
    for (char c : row) grid.pixels.push_back(static_cast<std::uint32_t>(c) * 0x010203u);
  }
  return grid;
}

// The region as text: '#' inside, '.' outside.
std::vector<std::string> Mask(const std::vector<RegionRect>& rects, int w, int h) {
  std::vector<std::string> mask(static_cast<std::size_t>(h),
                                std::string(static_cast<std::size_t>(w), '.'));
  for (const auto& r : rects) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        char& c = mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        c = (c == '.') ? '#' : '!';  // '!' marks overlapping rectangles
      }
    }
  }
  return mask;
}

struct RegionCase {
  const char* name;
  std::vector<std::string> picture;
  std::vector<std::string> region;
};

// Test names show the case, not its bytes.
void PrintTo(const RegionCase& c, std::ostream* os) { *os << c.name; }

class RegionFromBitmapTest : public ::testing::TestWithParam<RegionCase> {};

TEST_P(RegionFromBitmapTest, GivesTheOutlineOfThePicture) {
  const RegionCase& c = GetParam();
  const PixelGrid picture = Picture(c.picture);
  const auto rects = RegionFromBitmap(picture);
  EXPECT_EQ(Mask(rects, picture.width, picture.height), c.region);

  // Rectangles come in y-x bands, as a window region wants them.
  for (std::size_t i = 1; i < rects.size(); ++i) {
    const auto& a = rects[i - 1];
    const auto& b = rects[i];
    if (a.top == b.top) {
      EXPECT_EQ(a.bottom, b.bottom);
      EXPECT_LT(a.right, b.left) << "touching or unsorted rectangles in one band";
    } else {
      EXPECT_GE(b.top, a.bottom);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, RegionFromBitmapTest,
    ::testing::Values(
        RegionCase{
            "UniformPictureGivesEmptyRegion", {"....", "....", "...."}, {"....", "....", "...."}},
        // The last opaque pixel of each row and of each column is left out.
        RegionCase{"SolidBlockLosesItsRightColumnAndBottomRow",
                   {"......", ".####.", ".####.", ".####.", "......"},
                   {"......", ".###..", ".###..", "......", "......"}},
        RegionCase{"SingleOpaquePixelPerRowAddsNothing",
                   {".#...", "..#..", "...#.", "....#", "....."},
                   {".....", ".....", ".....", ".....", "....."}},
        RegionCase{"RowWithOnePixelBelowABlockAddsNothing",
                   {"......", ".####.", ".####.", ".####.", "..#...", "......"},
                   {"......", ".###..", ".###..", "..#...", "......", "......"}},
        RegionCase{"InnerAreasOfTheCornerColourStayVisible",
                   {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."},
                   {".......", ".####..", ".####..", ".####..", ".......", "......."}},
        // A tab on top of a wider body: the outline follows both.
        RegionCase{"TabOnABodyKeepsItsStep",
                   {"..........", "...####...", "...####...", ".########.", ".########.",
                    ".########.", ".........."},
                   {"..........", "...###....", "...###....", ".#######..", ".#######..",
                    "..........", ".........."}},
        // The corner colour decides; other colours are all opaque alike.
        RegionCase{"TopLeftColourIsTransparentWhateverItIs",
                   {"xxxxx", "xabcx", "xdefx", "xghix", "xxxxx"},
                   {".....", ".##..", ".##..", ".....", "....."}},
        RegionCase{"OpaqueLookingCornerPixelMakesThatColourTheKey",
                   {"#..", "...", "..."},
                   {".#.", "##.", "..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegionFromBitmap, EmptyOrShortPictureGivesNoRegion) {
  EXPECT_TRUE(RegionFromBitmap(PixelGrid{}).empty());
  PixelGrid short_picture{3, 3, {0, 1, 2}};
  EXPECT_TRUE(RegionFromBitmap(short_picture).empty());
}

}  // namespace
}  // namespace mqt

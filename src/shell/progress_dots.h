#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mqt {

// Size and place of the progress banner. German texts are longer, so the
// banner and its label are 20 pixels wider in German.
struct BannerGeometry {
  int form_width = 558;
  int form_height = 79;
  int label_width = 529;
  int left = 0;
  int top = 0;
};

// The banner's geometry at construction, centred on a screen of the given size
// (signed division, rounded toward zero).
BannerGeometry BannerGeometryFor(std::string_view active_language, int screen_width,
                                 int screen_height);

// What one tick of the banner's timer puts on the banner.
struct BannerTick {
  std::string caption;
  // The banner's new width; -1 leaves it as it is.
  int form_width = -1;
};

// One tick: plain, the bare message and the banner fitted to its label;
// animated, the message followed by one to four dots, cycling with dot_count.
// dot_count is kept by the caller for the whole run and never reset.
BannerTick ProgressTick(std::string_view message, bool animated, std::int32_t& dot_count,
                        int label_width);

}  // namespace mqt

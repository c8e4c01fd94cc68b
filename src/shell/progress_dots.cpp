#include "shell/progress_dots.h"

#include <limits>

namespace mqt {

BannerGeometry BannerGeometryFor(std::string_view active_language, int screen_width,
                                 int screen_height) {
  BannerGeometry g;
  if (active_language == "German") {
    g.form_width += 20;
    g.label_width += 20;
  }
  g.left = (screen_width - g.form_width) / 2;
  g.top = (screen_height - g.form_height) / 2;
  return g;
}

BannerTick ProgressTick(std::string_view message, bool animated, std::int32_t& dot_count,
                        int label_width) {
  BannerTick tick;
  tick.caption = std::string(message);
  if (!animated) {
    tick.form_width = label_width + 20;
    return tick;
  }
  // Wrap instead of overflowing: the cycle only depends on the count modulo 4,
  // and a negative count would give a negative remainder.
  dot_count = dot_count == std::numeric_limits<std::int32_t>::max() ? 0 : dot_count + 1;
  tick.caption.append(static_cast<std::size_t>(dot_count % 4 + 1), '.');
  return tick;
}

}  // namespace mqt

#pragma once

#include <optional>
#include <string_view>

#include "capture/sample_timeline.h"
#include "display/canvas.h"
#include "display/plot_environment.h"

namespace mqt {

// Fixed layout of the picture in pixels.
inline constexpr int kAxisColumn = 40;
inline constexpr int kXBaselineRow = 137;
inline constexpr int kYBaselineRow = 408;
inline constexpr int kFirstMarkerColumn = 200;
// Timeline entry i is drawn in column kFirstBarColumn + i.
inline constexpr int kFirstBarColumn = 41;

int SecondMarkerColumn(int screen_width);

// Where `lb_WebSite` goes whenever the frame is drawn.
PanelPosition WebSiteLabelPosition(int screen_width);

// Font size of the plot texts for a language; nullopt keeps the canvas's size.
std::optional<int> PlotFontSize(std::string_view active_language);

// Clears the picture and draws marker lines, axes, ticks, range labels and
// captions of both panels. Leaves the pen white for the bars drawn later.
// The window places `lb_WebSite` (WebSiteLabelPosition) after each call.
void DrawAxes(Canvas& canvas, std::string_view upper_label, std::string_view lower_label,
              const PlotEnvironment& environment);

// The frame for a wave range's labels. Returns false, drawing nothing, when
// the index selects no row.
bool DrawAxesForWaveRange(Canvas& canvas, int wave_range, const PlotEnvironment& environment);

// The X and Y bars of one entry in `column`, from the baselines by the given
// display values (positive upward). Shared by the realtime bars of a running
// test and DrawWave.
void DrawBars(Canvas& canvas, int column, int x_value, int y_value);

// The bars of all stored entries, scaled by the wave range, over the current
// picture.
void DrawWave(Canvas& canvas, const SampleTimeline& timeline, int wave_range);

// The whole plot again at a wave range (`cb_WaveRangeChange`): frame when the
// index selects a row, then the bars. Returns whether the frame was drawn.
bool RedrawForWaveRange(Canvas& canvas, const SampleTimeline& timeline, int wave_range,
                        const PlotEnvironment& environment);

}  // namespace mqt

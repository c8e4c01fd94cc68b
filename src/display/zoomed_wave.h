#pragma once

#include <string>
#include <string_view>

#include "capture/sample_timeline.h"
#include "display/canvas.h"
#include "display/plot_environment.h"

namespace mqt {

// Top-left corner of the difference caption, both where the scoring step
// paints it and where the zoomed view repaints it.
PanelPosition DifferenceCaptionPosition(int screen_width);

// "PaintDifference" followed at once by the stored single-precision value in
// the general floating-point form with up to 15 significant digits, so the
// float's inexact digits show (40.1f reads 40.0999984741211).
std::string DifferenceCaption(std::string_view paint_difference, float difference_value);

// Redraws the picture magnified by `zoom_factor` from timeline entry
// `first_entry` on: the frame with the 8-bit labels whatever the wave range,
// the raw (unscaled, unclamped) bars of the shown entries and the difference
// caption. Entry first_entry + i is drawn in column 40 + i * zoom_factor, one
// column left of the plain view. Entries past the timeline's end are never
// read.
void DrawZoomedWave(Canvas& canvas, const SampleTimeline& timeline, int first_entry,
                    int zoom_factor, float difference_value, const PlotEnvironment& environment);

}  // namespace mqt

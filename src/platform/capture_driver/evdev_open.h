#pragma once

#include <memory>
#include <string>

#include "platform/capture_driver/report_source.h"

namespace mqt {

// Where the station's udev rule lies beside the program, for the operator to
// install when the mice's event nodes cannot be read.
inline constexpr const char* kUdevRuleFile = "udev/70-mouse-quality-test.rules";

// The operator's text for an event node that open(2) refused with `error`:
// which node, and for a refused permission how to get it (the group "input"
// or the station's udev rule at `udev_rule`).
std::string EvdevOpenFailure(const std::string& node, int error, const std::string& udev_rule);

// Opens the evdev node of a real mouse for capturing: checks with libevdev
// that it is an input event node with relative X and Y movement, switches its
// timestamps to CLOCK_MONOTONIC and hands it to an EvdevSource. Anything that
// fails gives a source that fails at once with the reason, so the capture ends
// with it instead of waiting for reports that never come. `udev_rule` is
// named in the permission advice.
std::unique_ptr<ReportSource> OpenEvdevMouse(const std::string& node, const std::string& udev_rule);
// The same with the udev rule beside the program.
std::unique_ptr<ReportSource> OpenEvdevMouse(const std::string& node);

}  // namespace mqt

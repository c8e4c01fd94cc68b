#pragma once

#include <string>
#include <vector>

namespace mqt {

// What the device and driver steps do to the main window. TMainForm
// implements it on its controls; tests use a scripted one.
class DeviceWindow {
 public:
  virtual ~DeviceWindow() = default;

  // cb_Adapter: replaces the items and empties the text.
  virtual void SetDeviceItems(const std::vector<std::string>& entries) = 0;
  virtual std::vector<std::string> DeviceItems() = 0;
  virtual void SelectDeviceItem(std::size_t index) = 0;
  virtual void SetDeviceText(const std::string& text) = 0;
  // The list's current text (the selected entry or what the operator typed).
  virtual std::string DeviceText() = 0;

  // Enables tb_Record and mm_Record.
  virtual void EnableRecord() = 0;
  virtual void SetBusyControls() = 0;
  virtual void SetIdleControls() = 0;

  // The progress banner, shown without blocking.
  virtual void ShowBanner(const std::string& message, bool animated) = 0;
  virtual void CloseBanner() = 0;

  // cb_WaveRangeChange: draws the empty plot for the chosen wave range.
  virtual void DrawEmptyPlot() = 0;
  // The driver warning dialog TAlarmForm, shown modally.
  virtual void ShowDriverWarning() = 0;
};

}  // namespace mqt

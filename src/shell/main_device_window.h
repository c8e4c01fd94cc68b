#pragma once

#include <string>
#include <vector>

#include "devices/device_window.h"

namespace mqt {

class TMainForm;

// What the device steps do to the main window, on its controls: cb_Adapter,
// the record controls, the banner, the plot and the driver warning.
class MainDeviceWindow : public DeviceWindow {
 public:
  explicit MainDeviceWindow(TMainForm& form) : form_(form) {}

  void SetDeviceItems(const std::vector<std::string>& entries) override;
  std::vector<std::string> DeviceItems() override;
  void SelectDeviceItem(std::size_t index) override;
  void SetDeviceText(const std::string& text) override;
  std::string DeviceText() override;
  void EnableRecord() override;
  void SetBusyControls() override;
  void SetIdleControls() override;
  void ShowBanner(const std::string& message, bool animated) override;
  void CloseBanner() override;
  void DrawEmptyPlot() override;
  void ShowDriverWarning() override;

 private:
  TMainForm& form_;
};

}  // namespace mqt

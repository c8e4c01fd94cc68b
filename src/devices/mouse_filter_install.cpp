#include "devices/mouse_filter_install.h"

#include "devices/device_entry.h"
#include "devices/device_list_refresh.h"
#include "devices/device_services.h"
#include "devices/device_window.h"
#include "devices/extract_field.h"
#include "devices/file_store.h"
#include "devices/inf_edit.h"
#include "devices/restart_computer.h"

namespace mqt {
namespace {

constexpr char kNotInstalled[] = "\nThe capture filter was not installed.";

}  // namespace

FilterStep MouseFilterInstall::PrepareMouseFilter() {
  const ChosenMouse mouse = ChosenMouseOf(CurrentDeviceEntry(services_.window));
  if (IsFilterDescription(mouse.description)) return {};

  const MsgResult answer = services_.prompter.MessageBox(services_.text("MsgMouDriverA"),
                                                         services_.text("MsgMouDriverB"),
                                                         MsgButtons::YesNo, MsgIcon::None);
  if (answer != MsgResult::Yes) return {};

  usb_ = ExtractField(mouse.instance_id, '\\', 0) == "HID";
  inf_path_ = usb_ ? services_.paths.usb_filter_inf : services_.paths.ps2_filter_inf;
  if (!services_.files.Exists(inf_path_)) return Cancel("Lost inf file");

  const std::optional<std::vector<std::string>> lines = services_.files.ReadLines(inf_path_);
  if (!lines) return Cancel("Cannot read inf file\n" + inf_path_ + kNotInstalled);
  std::optional<std::vector<std::string>> edited =
      usb_ ? InsertModelLine(*lines, kUsbModelLineIndex, UsbModelLine(mouse.hardware_id))
           : InsertModelLine(*lines, kPs2ModelLineIndex, Ps2ModelLine(mouse.hardware_id));
  if (!edited) return Cancel("Damaged inf file\n" + inf_path_ + kNotInstalled);
  if (!services_.files.WriteLines(inf_path_, *edited)) {
    return Cancel("Cannot write inf file\n" + inf_path_ + kNotInstalled);
  }

  instance_id_ = mouse.instance_id;
  hardware_id_ = mouse.hardware_id;
  phase_ = Phase::kUpdate;
  return {FilterStep::Outcome::kWait, kInfSettleDelay};
}

FilterStep MouseFilterInstall::ContinueMouseFilter(bool nb_mode) {
  switch (phase_) {
    case Phase::kUpdate:
      if (usb_) {
        UpdateUsbMouse();
      } else {
        UpdatePs2Mouse();
      }
      StartListingScript(services_);
      phase_ = Phase::kRelist;
      return {FilterStep::Outcome::kWait, kListAfterInstallDelay};
    case Phase::kRelist:
      phase_ = Phase::kNone;
      RefreshDeviceList(services_, nb_mode);
      ReselectDevice(services_.window, instance_id_);
      return {};
    case Phase::kNone:
      break;
  }
  return {};
}

FilterStep MouseFilterInstall::Cancel(const std::string& message) {
  services_.prompter.MessageBox(message, "Message", MsgButtons::Ok, MsgIcon::Error);
  services_.window.SetIdleControls();
  phase_ = Phase::kNone;
  return {FilterStep::Outcome::kCancelled, std::chrono::milliseconds{0}};
}

void MouseFilterInstall::UpdateUsbMouse() {
  const std::int32_t result = services_.driver_setup.cmdUpdate(inf_path_, hardware_id_);
  if (result == kCmdUpdateOk) {
    ShowPlainMessage(services_.prompter, services_.text("MsgMouInstallOK"));
  } else if (result == kCmdUpdateFailed) {
    ShowPlainMessage(services_.prompter, services_.text("MsgMouInstallFail"));
  }
}

void MouseFilterInstall::UpdatePs2Mouse() {
  const std::string command = "\"" + services_.paths.device_console_tool + "\" -r update \"" +
                              inf_path_ + "\" \"" + hardware_id_ + "\"";
  // A tool that did not start installed nothing; "Install ok" would be false.
  if (!services_.runner.Start(command, /*hidden=*/false)) {
    ShowPlainMessage(services_.prompter, services_.text("MsgMouInstallFail"));
    return;
  }
  // The question comes at once, while the tool may still be running.
  const MsgResult answer = services_.prompter.MessageBox(
      "Install ok\nYou must restart the PC. Now?", "Message", MsgButtons::YesNo, MsgIcon::None);
  if (answer == MsgResult::Yes) RestartComputer(services_.restarter);
}

}  // namespace mqt

#include <QLineEdit>
#include <QPlainTextEdit>

#include <optional>

#include "capture/ExpertUnit.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "shell/station_context.h"
#include "shell/whole_number.h"

namespace mqt {
namespace {

// "c:\MouseData.txt" first; where that cannot be written, the station's own
// data folder, so a capture is never lost for want of a drive folder.
std::vector<std::string> DumpPaths(const StationContext& context) {
  if (!context.continue_dump_paths.empty()) return context.continue_dump_paths;
  return {ResolveHostPath("c:\\MouseData.txt"), AppDataFolder() + "MouseData.txt"};
}

}  // namespace

TExpert::~TExpert() {
  if (TContinueCapture* capture = ContinueCapture.data()) {
    capture->StopAndWait();
    delete capture;
  }
}

// Start: a new continuous capture each time; an earlier one keeps running
// until stopped, but Stop reaches only the newest.
void TExpert::Button1Click() {
  Prompter& prompter = *context_.prompter;
  const std::string interval = le_Interval->text().toStdString();
  const std::optional<std::int32_t> slot_length = WholeNumber(interval);
  if (!slot_length) {
    prompter.MessageBox("'" + interval + "' is not a valid integer value",
                        context_.application_title, MsgButtons::Ok, MsgIcon::Error);
    return;
  }
  const ContinueCaptureLinks links{
      context_.timeline,
      context_.continue_slot_carry,
      [this](std::string_view line) {
        AlgmAMemo->appendPlainText(QString::fromUtf8(line.data(), static_cast<int>(line.size())));
      },
      prompter,
      context_.application_title,
      DumpPaths(context_)};
  std::unique_ptr<CaptureDeviceChannel> device;
  if (context_.open_capture_device) device = context_.open_capture_device();
  const ContinueCaptureStart start = StartContinueCapture(links, *slot_length, std::move(device),
                                                          context_.capture_pause_after_read);
  if (!start.refusal.empty()) {
    prompter.MessageBox(start.refusal, context_.application_title, MsgButtons::Ok, MsgIcon::Error);
    return;
  }
  // No device: nothing started and nothing said.
  if (start.thread) ContinueCapture = start.thread;
}

// Stop before any Start, or after the capture has ended and freed itself,
// finds no capture and does nothing.
void TExpert::Button2Click() {
  if (TContinueCapture* capture = ContinueCapture.data()) capture->RequestStop();
}

}  // namespace mqt

// The main window's device steps on its own controls and timers: the device
// list from the listing tool's file, the capture driver check, the filter
// offered before a test, its removal and device-change bursts, with scripted
// answers and a scripted driver set-up library.

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <set>

#include "devices/file_store.h"
#include "devices/retry_clock.h"
#include "platform/device_change_event.h"
#include "platform/driver_setup/driver_setup_library.h"
#include "platform/restarter.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "test_station.h"

namespace mqt::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kListFile = "c:\\DevList.txt";
const std::string kUsbInf = "/station/Driver\\MFilter.inf";
const std::string kSimulated = "HID\\VID_0000&PID_0001\\SIMULATED";
const std::string kOther = "HID\\VID_046D&PID_C077\\7&1A2B&0&0000";
const std::string kTouchPad = "HID\\VID_06CB&PID_0001\\5&2C3D&0&0000";

Lines ListFile(const std::vector<std::pair<std::string, std::string>>& mice) {
  Lines lines{"Class \"Mouse\": Mice and other pointing devices"};
  for (const auto& [id, description] : mice) lines.push_back(id + " : " + description);
  return lines;
}

Lines InfOfLength(std::size_t count) {
  Lines lines;
  for (std::size_t i = 1; i <= count; ++i) lines.push_back("; inf line " + std::to_string(i));
  return lines;
}

class ScriptedDriverSetup : public DriverSetupLibrary {
 public:
  std::int32_t IsExistDriver(const std::string& id) override { return present.count(id) ? 1 : 0; }
  std::int32_t InstallDriver(const std::string& id, const std::string& inf,
                             std::int32_t& need_restart) override {
    calls.push_back("InstallDriver " + id + " " + inf);
    need_restart = install_needs_restart ? 1 : 0;
    present.insert(id);
    return 1;
  }
  std::int32_t cmdUpdate(const std::string& inf, const std::string& id) override {
    calls.push_back("cmdUpdate " + inf + " " + id);
    return update_result;
  }
  std::int32_t RemoveDriver(const std::string& id, std::int32_t,
                            std::int32_t& need_restart) override {
    calls.push_back("RemoveDriver " + id);
    need_restart = 0;
    return 1;
  }
  std::int32_t Reflash() override { return 1; }

  std::set<std::string> present{std::string(kCaptureDeviceId)};
  bool install_needs_restart = false;
  std::int32_t update_result = kCmdUpdateOk;
  std::vector<std::string> calls;
};

class MemoryFiles : public FileStore {
 public:
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<Lines> ReadLines(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteLines(const std::string& path, const Lines& lines) override {
    files[path] = lines;
    return true;
  }
  std::map<std::string, Lines> files;
};

// The retry waits of an unreadable list pass at once.
class InstantClock : public RetryClock {
 public:
  std::chrono::milliseconds Now() override { return now; }
  void Sleep(std::chrono::milliseconds duration) override { now += duration; }
  std::chrono::milliseconds now{0};
};

class CountingRestarter : public Restarter {
 public:
  bool Restart() override {
    ++restarts;
    return true;
  }
  int restarts = 0;
};

// A station whose device steps run on the scripted library and files; the
// listing script writes `next_list` when it runs.
struct DeviceStation : TestStation {
  ScriptedDriverSetup driver_setup;
  MemoryFiles files;
  InstantClock clock;
  CountingRestarter restarter;
  std::vector<std::pair<std::string, std::string>> next_list;

  DeviceStation() {
    context.driver_setup = &driver_setup;
    context.device_files = &files;
    context.retry_clock = &clock;
    context.restarter = &restarter;
    texts = {{"MsgMouDriverA", "Install the filter?"},
             {"MsgMouInstallOK", "Install ok"},
             {"MsgMouInstallFail", "Install failed"},
             {"MsgRemoveMouDev", "Removing"},
             {"MsgMouRemoveOK", "Removed"},
             {"Msgplay", "Move the mouse"}};
    files.files[kListFile] = ListFile({{kSimulated, "Simulated mouse"}});
  }
  int ListingRuns() const {
    return static_cast<int>(
        std::count_if(runner.started.begin(), runner.started.end(),
                      [](const auto& s) { return s.first.find("GetList") != std::string::npos; }));
  }
  // What the listing tool finds on its next run.
  void ListOnNextRun(std::vector<std::pair<std::string, std::string>> mice) {
    next_list = std::move(mice);
  }
  void Choose(const std::string& instance_id) {
    for (int i = 0; i < main->cb_Adapter->count(); ++i) {
      if (main->cb_Adapter->itemText(i).startsWith(QString::fromStdString(instance_id))) {
        main->cb_Adapter->setCurrentIndex(i);
        return;
      }
    }
    QFAIL("mouse not listed");
  }
  int MessagesWith(const std::string& text) const {
    return static_cast<int>(std::count_if(prompter.messages.begin(), prompter.messages.end(),
                                          [&](const auto& m) { return m.text == text; }));
  }
};

// The runner stands for the listing tool: it writes the list it was given.
class ListingRunner : public RecordingProgramRunner {
 public:
  DeviceStation* station = nullptr;
  bool Start(const std::string& command_line, bool hidden) override {
    RecordingProgramRunner::Start(command_line, hidden);
    if (station && command_line.find("GetList") != std::string::npos &&
        !station->next_list.empty()) {
      station->files.files[kListFile] = ListFile(station->next_list);
    }
    return true;
  }
};

struct ListingStation : DeviceStation {
  ListingRunner listing;
  ListingStation() {
    listing.station = this;
    context.runner = &listing;
  }
  int ListingRuns() const {
    return static_cast<int>(
        std::count_if(listing.started.begin(), listing.started.end(),
                      [](const auto& s) { return s.first.find("GetList") != std::string::npos; }));
  }
};

}  // namespace

class DeviceWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void DeviceListFromTheListingFileHonoursNbMode() {
    ListingStation s;
    s.files.files[kListFile] =
        ListFile({{kTouchPad, "Synaptics TouchPad"}, {kSimulated, "Simulated mouse"}});
    s.Create();
    s.main->RefreshDeviceList();
    QCOMPARE(s.main->cb_Adapter->count(), 1);
    QVERIFY(s.main->cb_Adapter->itemText(0).startsWith(QString::fromStdString(kSimulated)));
    s.main->NBMode = 1;
    s.main->RefreshDeviceList();
    QCOMPARE(s.main->cb_Adapter->count(), 2);
  }

  // Enter starts TimerAlarm and TimerMouCap: the list comes at 500 ms, Record
  // only after the capture driver check at 1000 ms, which installs the
  // missing driver and asks for the restart the installation needs.
  void RecordWaitsForTheCaptureDriverCheck_data() {
    QTest::addColumn<bool>("needs_restart");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("restarts");
    QTest::newRow("no restart needed") << false << int(MsgResult::Ok) << 0;
    QTest::newRow("restart: Yes") << true << int(MsgResult::Yes) << 1;
    QTest::newRow("restart: No") << true << int(MsgResult::No) << 0;
  }
  void RecordWaitsForTheCaptureDriverCheck() {
    QFETCH(bool, needs_restart);
    QFETCH(int, answer);
    QFETCH(int, restarts);
    ListingStation s;
    s.driver_setup.present.clear();
    s.driver_setup.install_needs_restart = needs_restart;
    if (needs_restart) s.prompter.message_answers.push_back(MsgResult(answer));
    s.Create();
    s.main->tb_Record->setEnabled(false);
    s.main->mm_Record->setEnabled(false);
    TMainForm::EnableTimer(s.main->TimerAlarm);
    TMainForm::EnableTimer(s.main->TimerMouCap);

    QVERIFY(WaitUntil([&] { return s.main->cb_Adapter->count() == 1; }, 2000));
    QVERIFY(!s.main->tb_Record->isEnabled());
    QVERIFY(WaitUntil([&] { return s.main->tb_Record->isEnabled(); }, 3000));
    QVERIFY(s.main->mm_Record->isEnabled());
    QCOMPARE(s.driver_setup.calls.size(), std::size_t{1});
    QVERIFY(s.driver_setup.calls[0].starts_with("InstallDriver *Vorel\\MouseCapture "));
    QCOMPARE(s.MessagesWith("Restart PC now?"), needs_restart ? 1 : 0);
    QCOMPARE(s.restarter.restarts, restarts);
  }

  // Two changes within 1500 ms run the listing script once and rebuild the
  // list once, after the last change.
  void DeviceChangeBurstRunsTheScriptOnce() {
    ListingStation s;
    s.Create();
    s.Ready();
    s.ListOnNextRun({{kOther, "USB Mouse"}, {kSimulated, "Simulated mouse"}});
    QCoreApplication::postEvent(s.main.get(), new DeviceChangeEvent);
    QTest::qWait(300);
    QCoreApplication::postEvent(s.main.get(), new DeviceChangeEvent);
    QVERIFY(WaitUntil([&] { return s.main->cb_Adapter->count() == 2; }, 4000));
    QTest::qWait(1700);
    QCOMPARE(s.ListingRuns(), 1);
    QVERIFY(!s.main->TimerAdapter->isActive());
  }

  // The filter is offered before a test on a mouse without it; Yes binds it
  // (one more model line in the INF per install), the list is rebuilt and the
  // same mouse chosen again by its instance ID though it moved in the list.
  void FilterInstalledBeforeATest_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("update_result");
    QTest::addColumn<QString>("message");
    QTest::newRow("No: test without filter") << int(MsgResult::No) << 0 << QString();
    QTest::newRow("Yes, cmdUpdate 0") << int(MsgResult::Yes) << 0 << "Install ok";
    QTest::newRow("Yes, cmdUpdate 2") << int(MsgResult::Yes) << 2 << "Install failed";
    QTest::newRow("Yes, cmdUpdate 5") << int(MsgResult::Yes) << 5 << QString();
  }
  void FilterInstalledBeforeATest() {
    QFETCH(int, answer);
    QFETCH(int, update_result);
    QFETCH(QString, message);
    ListingStation s;
    s.files.files[kUsbInf] = InfOfLength(40);
    s.driver_setup.update_result = update_result;
    s.prompter.message_answers.push_back(MsgResult(answer));
    s.Create();
    s.Ready();
    s.Choose(kSimulated);
    s.ListOnNextRun({{kOther, "USB Mouse"}, {kSimulated, "USB_MOUSE_Quality_Test"}});

    s.main->mm_RecordClick();
    QVERIFY(!s.prompter.messages.empty());
    QCOMPARE(s.prompter.messages[0].text, std::string("Install the filter?"));
    const bool yes = MsgResult(answer) == MsgResult::Yes;
    QCOMPARE(s.files.files[kUsbInf].size(), yes ? std::size_t{41} : std::size_t{40});
    QCOMPARE(s.driver_setup.calls.size(), yes ? std::size_t{1} : std::size_t{0});
    if (!message.isEmpty()) QCOMPARE(s.MessagesWith(message.toStdString()), 1);
    if (yes) {
      QCOMPARE(s.driver_setup.calls[0], "cmdUpdate " + kUsbInf + " HID\\VID_0000&PID_0001");
      QCOMPARE(s.main->cb_Adapter->currentText().toStdString(),
               kSimulated + "  :  USB_MOUSE_Quality_Test");
    }
    // The test runs on the chosen mouse either way.
    QVERIFY(!s.main->CurrentTestThread.isNull());
    s.main->mm_StopClick();
    QVERIFY(WaitUntil([&] { return s.main->CurrentTestThread.isNull(); }));
    QVERIFY(s.main->tb_Record->isEnabled());
  }

  // "Remove Adapter": busy with the animated banner, the filter removed from
  // the chosen mouse, the list rebuilt, then the banner gone and idle.
  void RemoveAdapterShowsTheBannerAndEndsIdle() {
    ListingStation s;
    s.files.files[kListFile] = ListFile({{kSimulated, "USB_MOUSE_Quality_Test"}});
    s.Create();
    s.Ready();
    s.Choose(kSimulated);
    s.ListOnNextRun({{kSimulated, "Simulated mouse"}});

    s.main->mm_RemoveAdapter->trigger();
    QVERIFY(s.banner->isVisible());
    QCOMPARE(s.banner->Animated, 1);
    QCOMPARE(s.banner->Message, std::string("Removing"));
    QVERIFY(!s.main->tb_Record->isEnabled());
    QVERIFY(s.main->TimerRemoveDriver->isActive());

    QVERIFY(WaitUntil([&] { return s.MessagesWith("Removed") == 1; }, 6000));
    QCOMPARE(s.driver_setup.calls, std::vector<std::string>{"RemoveDriver HID\\VID_0000&PID_0001"});
    QVERIFY(!s.banner->isVisible());
    QVERIFY(s.main->tb_Record->isEnabled());
    QVERIFY(!s.main->tb_Stop->isEnabled());
    QVERIFY(s.main->cb_Adapter->itemText(0).endsWith("Simulated mouse"));
  }
};

}  // namespace mqt::testing

QTEST_MAIN(mqt::testing::DeviceWindowTest)
#include "device_window_test.moc"

#pragma once

// Plain stand-ins for the splash window, the about box, the driver warning and
// the zoom hint. They exist so the program creates all seven windows in their
// order; the windows themselves replace this file.

#include <QDialog>

namespace mqt {

struct StationContext;

class TFirstForm : public QDialog {
  Q_OBJECT
 public:
  explicit TFirstForm(StationContext& context, QWidget* parent = nullptr);
  // Enters at once, as the Enter picture does.
  int exec() override;

 private:
  StationContext& context_;
};

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(StationContext& context, QWidget* parent = nullptr);
};

class TAlarmForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAlarmForm(StationContext& context, QWidget* parent = nullptr);
};

class TEnlargeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEnlargeForm(StationContext& context, QWidget* parent = nullptr);
};

}  // namespace mqt

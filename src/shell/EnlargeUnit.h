#pragma once

#include <QDialog>

#include "shell/form_context.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace mqt {

class Prompter;
class Settings;

// The zoom hint, shown without blocking whenever the zoom-in tool is chosen,
// until the operator switches it off for good ("NoHint").
class TEnlargeForm : public QDialog {
  Q_OBJECT
 public:
  // Throws PictureFileError when the language's hint picture is missing.
  TEnlargeForm(const FormContext& context, Settings& settings, Prompter& prompter,
               QWidget* parent = nullptr);

  QLabel* ImageCom = nullptr;
  QCheckBox* cb_NoHint = nullptr;
  QPushButton* bt_OK = nullptr;

  // Unless "NoHint" is "1": shows the hint without blocking, its bottom edge
  // 3 pixels above the bottom of the plot image (top and height in screen
  // pixels); true when shown. The left edge stays where creation put it.
  bool ShowUnlessSwitchedOff(int image_screen_top, int image_height);

  void bt_OKClick();

 private:
  Settings& settings_;
  Prompter& prompter_;
};

}  // namespace mqt

#include <QApplication>

#include "shell/MainUnit.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  mqt::TMainForm main_form;
  main_form.show();
  return app.exec();
}

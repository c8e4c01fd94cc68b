#include <QApplication>

#include "shell/MainUnit.h"
#include "shell/station_context.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  mqt::StationContext context;
  mqt::TMainForm main_form(context);
  main_form.show();
  return app.exec();
}

#include <QApplication>

#include "screens/MDIMain.h"
#include "qt-support/application_setup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qiro::PrepareApplication(app);
  qiro::MDIMain window;
  window.PlaceOnDisplay();
  window.show();
  return QApplication::exec();
}

#include <QApplication>
#include <QTimer>

#include "screens/MDIMain.h"
#include "qt-support/application_setup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qiro::PrepareApplication(app);
  qiro::MDIMain window;
  window.PlaceOnDisplay();
  window.show();
  // "qiromagnetic FILE" (a file manager opening a design): once the window is up, so a
  // refusal's message has its window.
  const QString design = qiro::DesignFileArgument(QApplication::arguments());
  if (!design.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, design] { window.OpenDesignFile(design); });
  }
  return QApplication::exec();
}

// Start-up as the program does it, ending once the main window has painted:
//   /usr/bin/time -v build/release/bench/startup_probe        (wall time, peak RSS)
// It prints the milliseconds from main() to the first paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "screens/MDIMain.h"
#include "qt-support/application_setup.h"

namespace {

class FirstPaint final : public QObject {
 public:
  explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [this] {
        std::printf("first paint after %lld ms\n", static_cast<long long>(clock_.elapsed()));
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QElapsedTimer& clock_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  qiro::PrepareApplication(app);
  qiro::MDIMain window;
  FirstPaint probe(clock);
  window.installEventFilter(&probe);
  window.show();
  return QApplication::exec();
}

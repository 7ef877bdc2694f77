#pragma once
// Shared by the screen tests: captures message boxes and desktop requests through the
// platform sinks, so nothing modal opens and nothing leaves the machine.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include "workbench/design_export.h"
#include "qt-support/platform.h"

namespace qiro::testing {

class Sinks {
 public:
  Sinks() {
    SetMessageSink([this](const ShownMessage& m) { messages.append(m); });
    SetDesktopSink([this](const QUrl& url) {
      opened.append(url);
      return desktopAccepts;
    });
    // Files: the user cancels, unless a test says otherwise; nothing is printed.
    SetSaveFileSink([](const QString&) { return QString(); });
    SetOpenFileSink([] { return QString(); });
    SetTextSink([](const QString&) { return std::optional<QString>(); });
    SetPrintDialogSink([](QPrinter&) { return false; });
  }
  ~Sinks() {
    SetMessageSink({});
    SetDesktopSink({});
    SetSaveFileSink({});
    SetOpenFileSink({});
    SetTextSink({});
    SetPrintDialogSink({});
  }
  Sinks(const Sinks&) = delete;
  Sinks& operator=(const Sinks&) = delete;

  QList<ShownMessage> messages;
  QList<QUrl> opened;
  bool desktopAccepts = true;
};

// The child of `root` with this object name; fails the test when missing.
template <class T>
T* Find(QWidget* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget named %s", name);
  return child;
}

// Replaces a field's text the way a user does: select all, type.
inline void Retype(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

}  // namespace qiro::testing

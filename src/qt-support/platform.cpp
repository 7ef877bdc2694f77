#include "qt-support/platform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string_view>
#include <utility>

#include "text/key_rules.h"
#include "text/web_site.h"

namespace qiro {
namespace {

std::function<void(const ShownMessage&)>& MessageSink() {
  static std::function<void(const ShownMessage&)> sink;
  return sink;
}

std::function<QString(const QString&)>& SaveFileSink() {
  static std::function<QString(const QString&)> sink;
  return sink;
}

std::function<QString()>& OpenFileSink() {
  static std::function<QString()> sink;
  return sink;
}

std::function<std::optional<QString>(const QString&)>& TextSink() {
  static std::function<std::optional<QString>(const QString&)> sink;
  return sink;
}

std::function<bool(const QUrl&)>& DesktopSink() {
  static std::function<bool(const QUrl&)> sink;
  return sink;
}

// The character code a key press would type, or -1 for keys that type nothing
// (Tab, arrows, Delete, function keys) and for shortcuts with Ctrl or Alt.
int TypedKeyCode(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  switch (event->key()) {
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return -1;
    default: break;
  }
  const QString text = event->text();
  if (text.isEmpty()) return -1;
  const char16_t c = text.at(0).unicode();
  if (c < 32 && c != kKeyEnter && c != kKeyBackspace) return -1;
  return static_cast<int>(c);
}

bool SignedNumericKey(QObject* watched, int key) {
  const auto* field = qobject_cast<const QLineEdit*>(watched);
  if (!field) return NumericKeyFilter(key);
  const QString text = field->text();
  const bool selection = field->hasSelectedText();
  const int position = selection ? field->selectionStart() : field->cursorPosition();
  return SignedNumericKeyFilter(
      key, std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())),
      static_cast<std::size_t>(position), selection ? static_cast<std::size_t>(field->selectionLength()) : 0);
}

class KeyFilter final : public QObject {
 public:
  KeyFilter(QObject* parent, KeyRule rule, std::function<bool(int)> first)
      : QObject(parent), rule_(rule), first_(std::move(first)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = TypedKeyCode(static_cast<QKeyEvent*>(event));
    if (key < 0) return false;
    if (first_ && first_(key)) return true;
    switch (rule_) {
      case KeyRule::Numeric: return !NumericKeyFilter(key);
      case KeyRule::SignedNumeric: return !SignedNumericKey(watched, key);
      case KeyRule::Integer: return !IntegerKeyFilter(key);
      case KeyRule::None: return true;
    }
    return false;
  }

 private:
  KeyRule rule_;
  std::function<bool(int)> first_;
};

}  // namespace

bool ShowMessage(QWidget* parent, const QString& text, const QString& title,
                 QMessageBox::Icon icon) {
  const QPointer<QWidget> owner(parent);
  if (MessageSink()) {
    MessageSink()(ShownMessage{text, title, icon});
    return parent == nullptr || !owner.isNull();
  }
  // On the heap: deleting the parent deletes its children, and a box on the stack would be
  // freed twice.
  return RunModal(parent, new QMessageBox(icon, title, text, QMessageBox::Ok, parent));
}

bool RunModal(QWidget* owner, QDialog* dialog) {
  const bool owned = owner != nullptr;
  const QPointer<QWidget> alive(owner);
  const QPointer<QDialog> box(dialog);
  box->exec();
  delete box.data();  // null when it went with its owner
  return !owned || !alive.isNull();
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                        const QString& filter) {
  if (SaveFileSink()) return SaveFileSink()(proposed);
  // On the heap, like a message box: it closes with its screen, and the answer is then none.
  const QPointer<QFileDialog> dialog = new QFileDialog(parent, caption, proposed, filter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  if (!dialog) return {};
  const QStringList chosen = dialog->selectedFiles();
  delete dialog.data();
  return accepted && !chosen.isEmpty() ? chosen.first() : QString();
}

void SetSaveFileSink(std::function<QString(const QString& proposed)> sink) {
  SaveFileSink() = std::move(sink);
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
  if (OpenFileSink()) return OpenFileSink()();
  const QPointer<QFileDialog> dialog = new QFileDialog(parent, caption, QString(), filter);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  if (!dialog) return {};
  const QStringList chosen = dialog->selectedFiles();
  delete dialog.data();
  return accepted && !chosen.isEmpty() ? chosen.first() : QString();
}

void SetOpenFileSink(std::function<QString()> sink) { OpenFileSink() = std::move(sink); }

std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                               const QString& initial) {
  if (TextSink()) return TextSink()(initial);
  // On the heap with its parent, like a message box: it goes when the parent goes.
  const QPointer<QDialog> dialog = new QDialog(parent);
  dialog->setWindowTitle(title);
  auto* layout = new QFormLayout(dialog);
  auto* field = new QLineEdit(initial, dialog);
  field->setObjectName(QStringLiteral("txtText"));
  auto* caption = new QLabel(label, dialog);
  caption->setBuddy(field);
  layout->addRow(caption, field);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addRow(buttons);
  field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 48);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  if (!dialog) return std::nullopt;
  const QString text = field->text();
  delete dialog.data();
  if (!accepted) return std::nullopt;
  return text;
}

void SetTextSink(std::function<std::optional<QString>(const QString& initial)> sink) {
  TextSink() = std::move(sink);
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& contents) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(contents) != contents.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

void SetMessageSink(std::function<void(const ShownMessage&)> sink) {
  MessageSink() = std::move(sink);
}

bool OpenWithDesktop(const QUrl& url) {
  if (DesktopSink()) return DesktopSink()(url);
  return QDesktopServices::openUrl(url);
}

void SetDesktopSink(std::function<bool(const QUrl&)> sink) { DesktopSink() = std::move(sink); }

void OpenWebPage(QWidget* /*window*/, std::string_view path) {
  const std::string address = WebPageAddress(path);
  OpenWithDesktop(QUrl(QString::fromStdString(address)));
}

void InstallKeyFilter(QWidget* field, KeyRule rule) { InstallKeyFilter(field, rule, {}); }

void InstallKeyFilter(QWidget* field, KeyRule rule, std::function<bool(int key)> consumeFirst) {
  field->setAttribute(Qt::WA_InputMethodEnabled, false);
  field->installEventFilter(new KeyFilter(field, rule, std::move(consumeFirst)));
}

}  // namespace qiro

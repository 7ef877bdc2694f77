#pragma once
// The screens' ways out of the program: message boxes, web pages, files handed to the
// desktop, and key filters on fields. Each has a sink that tests install to read what
// would have been shown or opened, instead of a modal box or a browser.
#include <QMessageBox>
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <string_view>

class QDialog;
class QWidget;

namespace qiro {

inline const QString kApplicationTitle = QStringLiteral("QIROMagnetic");

struct ShownMessage {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// A modal box with one OK button. Without a title of its own it carries the application title.
// While the box is open the user (or assistive technology, which reaches menus past a modal
// box) may close the parent screen or the whole program. Returns whether the parent still
// exists afterwards: a handler that goes on after the box must stop when it does not.
bool ShowMessage(QWidget* parent, const QString& text, const QString& title = kApplicationTitle,
                 QMessageBox::Icon icon = QMessageBox::Information);

// Runs a modal dialog that must not outlive its owner and may be deleted with it meanwhile.
// Returns whether the owner still exists afterwards.
bool RunModal(QWidget* owner, QDialog* dialog);

// Replaces the modal box (tests); an empty function restores it.
void SetMessageSink(std::function<void(const ShownMessage&)> sink);

// Opens a page of the maker's web site in the default browser; failures show nothing.
void OpenWebPage(QWidget* window, std::string_view path);

// Hands an address (web page or local file) to the desktop; returns whether it was taken.
bool OpenWithDesktop(const QUrl& url);

// Replaces the desktop (tests): the sink receives the address and says whether it was taken.
void SetDesktopSink(std::function<bool(const QUrl&)> sink);

// Asks for a file name to save to (a modal file dialog, which may outlive its parent: see
// ShowMessage). Empty when the user cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                        const QString& filter);

// Replaces the file dialog (tests): the sink receives the proposed path and answers.
void SetSaveFileSink(std::function<QString(const QString& proposed)> sink);

// Asks for an existing file to open (a modal file dialog, see AskSaveFileName). Empty when
// the user cancelled.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);

// Replaces the open dialog (tests): the sink answers with a path or an empty text.
void SetOpenFileSink(std::function<QString()> sink);

// Asks for one line of text (a modal box with a labelled field, OK and Cancel), starting
// from `initial`. Nothing when the user cancelled or the parent went away meanwhile.
std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                               const QString& initial);

// Replaces the text box (tests): the sink receives the initial text and answers.
void SetTextSink(std::function<std::optional<QString>(const QString& initial)> sink);

// Writes the whole file or nothing: into a temporary file beside it, renamed over the
// target only when everything was written. The error text when it failed.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& contents);

// Key filters. Only keys that type a character are judged (Enter and backspace included);
// Tab, arrows, Delete and shortcuts such as Ctrl+V pass. Input methods are switched off on
// the field, since their text would bypass the filter.
// SignedNumeric: Numeric and one leading minus sign (on a QLineEdit; Numeric elsewhere).
enum class KeyRule { Numeric, SignedNumeric, Integer, None };
void InstallKeyFilter(QWidget* field, KeyRule rule);

// A filter with a hook that sees each character key first (its code: 8, 13, 32, 46,
// 48..57 …) and may consume it; then the rule decides.
void InstallKeyFilter(QWidget* field, KeyRule rule, std::function<bool(int key)> consumeFirst);

}  // namespace qiro

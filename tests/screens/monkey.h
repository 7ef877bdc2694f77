#pragma once
// A seeded random user for any screen, and the checks that nothing false is shown.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QPushButton>
#include <QMenu>
#include <QAction>
#include <QCheckBox>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cfloat>
#include <random>
#include <vector>
#include <utility>

#include "workbench/DesignAdviser.h"

namespace qiro::testing {

// Texts a user may type or paste into a numeric field.
inline QStringList HostileTexts() {
  return {QString(), QStringLiteral("0"), QStringLiteral("-0"), QStringLiteral("."),
          QStringLiteral(".."), QStringLiteral("1.2.3"), QStringLiteral("1e39"),
          QStringLiteral("1e-45"), QStringLiteral("99999"), QStringLiteral("32768"),
          QStringLiteral("-32769"), QStringLiteral("+5"), QStringLiteral(" 5 "),
          QStringLiteral("５"), QStringLiteral("1,5"), QStringLiteral("NaN"),
          QStringLiteral("inf"), QString(10000, QLatin1Char('9')), QStringLiteral("12\n34")};
}

// What the screen shows that it must not: "inf", "nan", or a number beyond the float range.
// Texts the user typed into an input field are the user's own and are skipped.
inline QString FalseShownText(QWidget* root, const QList<QLineEdit*>& userFields) {
  static const QRegularExpression word(QStringLiteral("\\b(inf|nan|infinity)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?(E[+-]\\d+)?"));
  QStringList texts;
  for (auto* w : root->findChildren<QLineEdit*>()) {
    if (!userFields.contains(w)) texts << w->text();
  }
  for (auto* w : root->findChildren<QLabel*>()) texts << w->text();
  // A text box the user may edit holds the user's own text once typed into; the program's
  // next write (setPlainText) makes it unmodified again.
  for (auto* w : root->findChildren<QPlainTextEdit*>()) {
    if (w->isReadOnly() || !w->document()->isModified()) texts << w->toPlainText();
  }
  for (auto* w : root->findChildren<QTextEdit*>()) texts << w->toPlainText();
  for (const QString& text : texts) {
    if (word.match(text).hasMatch()) return text;
    auto it = number.globalMatch(text);
    while (it.hasNext()) {
      const auto m = it.next();
      if (!m.captured(3).isEmpty() && std::abs(m.captured(0).toDouble()) > FLT_MAX) return text;
    }
  }
  return {};
}

// The fields a user types into.
inline QList<QLineEdit*> UserFields(QWidget* root) {
  QList<QLineEdit*> fields;
  for (auto* w : root->findChildren<QLineEdit*>()) {
    if (w->isEnabled() && !w->isReadOnly()) fields << w;
  }
  return fields;
}

inline void Paste(QWidget* target, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// The menu a button opens instead of clicking, if it has one.
inline QMenu* MenuOf(QAbstractButton* button) {
  if (auto* push = qobject_cast<QPushButton*>(button)) return push->menu();
  if (auto* tool = qobject_cast<QToolButton*>(button)) return tool->menu();
  return nullptr;
}

// Random user actions: keys, pastes, focus moves, clicks, combo and list picks, scroll bars.
class Monkey {
 public:
  Monkey(QWidget* root, unsigned seed) : root_(root), rng_(seed) {}

  // Widgets, by object name, that this user leaves alone.
  void Leave(const QStringList& names) { left_ = names; }

  void Act() {
    const auto widgets = root_->findChildren<QWidget*>();
    QList<QWidget*> targets;
    for (QWidget* w : widgets) {
      if (w->isVisible() && w->isEnabled() && !left_.contains(w->objectName()) &&
          (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) ||
           qobject_cast<QAbstractSlider*>(w) || qobject_cast<QPlainTextEdit*>(w))) {
        targets << w;
      }
    }
    if (targets.isEmpty()) return;
    QWidget* w = targets[Pick(targets.size())];
    const int kind = Pick(10);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      // A button with a menu would wait in the menu's own loop: the user picks an entry.
      if (QMenu* menu = MenuOf(button)) {
        if (kind < 3) {
          emit menu->aboutToShow();
          const QList<QAction*> entries = menu->actions();
          if (!entries.isEmpty()) entries[Pick(entries.size())]->trigger();
        }
        return;
      }
      if (kind < 3) QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
      const QAbstractSlider::SliderAction actions[] = {
          QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
          QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub,
          QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum};
      slider->triggerAction(actions[Pick(6)]);
      return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      if (kind < 5 && combo->count() > 0) {
        const int index = Pick(combo->count());
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return;
      }
      if (!combo->isEditable()) return;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
      if (list->count() > 0) {
        QListWidgetItem* item = list->item(Pick(list->count()));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
      }
      if (kind < 3) {
        w->setFocus();
        QTest::keyClick(w, kind == 0 ? Qt::Key_Down : Qt::Key_Up);
      }
      return;
    }
    // A text field (or an editable combo).
    if (kind == 0) {
      w->setFocus();
      return;
    }
    if (kind == 1) {
      Paste(w, Junk());
      return;
    }
    static const char keys[] = "0123456789..........abcE-+, ";
    const int n = 1 + Pick(4);
    for (int i = 0; i < n; ++i) {
      const int k = Pick(static_cast<int>(sizeof keys) + 3);
      if (k < static_cast<int>(sizeof keys) - 1) {
        QTest::keyClicks(w, QString(QLatin1Char(keys[k])));
      } else if (k % 3 == 0) {
        QTest::keyClick(w, Qt::Key_Backspace);
      } else if (k % 3 == 1) {
        QTest::keyClick(w, Qt::Key_Return);
      } else {
        QTest::keyClick(w, Qt::Key_Tab);
      }
    }
  }

 private:
  int Pick(qsizetype n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng_); }
  QString Junk() {
    const QStringList hostile = HostileTexts();
    return hostile[Pick(hostile.size())];
  }

  QWidget* root_;
  std::mt19937 rng_;
  QStringList left_;
};

// The adviser's controls that set how large its search is.
inline QStringList AdviserSpaceControls() {
  QStringList names = {QStringLiteral("txtMaxCores"), QStringLiteral("txtMaxStrands")};
  for (int i = 0; i < 7; ++i) names << QStringLiteral("chkSeries%1").arg(i);
  return names;
}

// A requirement the adviser takes (besides its search space).
inline std::vector<std::pair<const char*, const char*>> ValidAdviserRequirement() {
  return {{"txtInductance", "100"}, {"txtTolerance", "0"},   {"txtAverage", "10"},
          {"txtPeak", "11.5"},      {"txtRipple", "3"},      {"txtFrequency", "100"},
          {"txtAmbient", "25"},     {"txtMaxRise", "40"},    {"txtMaxDiameter", "0"},
          {"txtMaxHeight", "0"},    {"txtMinRetention", "0"}};
}

// A search space of milliseconds: one series, one core, two strands, set as a user sets it.
inline void MakeAdviserSmall(QWidget* adviser, int series) {
  for (int i = 0; i < 7; ++i) {
    auto* box = adviser->findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i));
    if (box->isChecked() != (i == series)) box->click();
  }
  for (const auto& [name, text] : {std::pair{"txtMaxCores", "1"}, std::pair{"txtMaxStrands", "2"}}) {
    auto* field = adviser->findChild<QLineEdit*>(QString::fromLatin1(name));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
  }
}

// What became of the adviser's searches under the random user.
struct AdviserTally {
  int starts = 0;    // "开始优化" pressed
  int finished = 0;  // ended with a result on screen (designs or none found)
  int stopped = 0;   // ended by "停止"
  int replaced = 0;  // "开始优化" again during a run
  int changedDuringRun = 0;
  int closedDuringRun = 0;
};

// The random user of the adviser in a small space, plus what the random user rarely hits:
// a search started, stopped, started again and its inputs changed while it runs, the
// window closed under it, and waits long enough for searches to end.
class AdviserUser {
 public:
  AdviserUser(qiro::DesignAdviser* adviser, unsigned seed, AdviserTally& tally)
      : adviser_(adviser), rng_(seed), monkey_(adviser, seed + 1), tally_(tally) {
    monkey_.Leave(AdviserSpaceControls());
    counting_ = QObject::connect(adviser, &qiro::DesignAdviser::searchFinished, adviser, [this, adviser] {
      // The status line says how a search ended.
      const QString status = adviser->findChild<QLabel*>(QStringLiteral("labStatus"))->text();
      if (status.contains(QStringLiteral("停止"))) ++tally_.stopped;
      else if (!status.startsWith(QStringLiteral("无法优化"))) ++tally_.finished;
    });
  }
  // The window may outlive this user (the next round raises it again).
  ~AdviserUser() { QObject::disconnect(counting_); }
  AdviserUser(const AdviserUser&) = delete;
  AdviserUser& operator=(const AdviserUser&) = delete;

  // One action; false when the window is closed.
  bool Act() {
    if (!adviser_) return false;
    auto* start = adviser_->findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
    auto* stop = adviser_->findChild<QAbstractButton*>(QStringLiteral("cmdStop"));
    const bool running = adviser_->Searching();
    switch (Pick(12)) {
      case 0:
        if (running) ++tally_.replaced;
        ++tally_.starts;
        QTest::mouseClick(start, Qt::LeftButton);
        break;
      case 1:
        if (stop->isEnabled()) QTest::mouseClick(stop, Qt::LeftButton);
        break;
      case 2: {
        // A requirement retyped while the search runs.
        static const char* const fields[] = {"txtInductance", "txtAverage", "txtPeak", "txtRipple",
                                             "txtFrequency", "txtAmbient", "txtMaxRise"};
        auto* field = adviser_->findChild<QLineEdit*>(QString::fromLatin1(fields[Pick(7)]));
        if (running) ++tally_.changedDuringRun;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::number(1 + Pick(200)));
        break;
      }
      case 3:
        if (running && Pick(4) == 0) {
          ++tally_.closedDuringRun;
          QWidget* frame = adviser_->parentWidget();
          (qobject_cast<QMdiSubWindow*>(frame) ? frame : adviser_.data())->close();
          return false;
        }
        break;
      case 4:
        WaitForSearch(2000);
        break;
      case 5:
        // The user puts the requirement right again (random typing soon leaves one field
        // out of range) and starts.
        for (const auto& [name, text] : ValidAdviserRequirement()) {
          auto* field = adviser_->findChild<QLineEdit*>(QString::fromLatin1(name));
          field->selectAll();
          QTest::keyClick(field, Qt::Key_Backspace);
          QTest::keyClicks(field, QString::fromLatin1(text));
        }
        if (Pick(2) == 0) {
          if (running) ++tally_.replaced;
          ++tally_.starts;
          QTest::mouseClick(start, Qt::LeftButton);
        }
        break;
      default:
        monkey_.Act();
    }
    // Ended searches report back through the event loop; now and then a moment for it.
    if (adviser_ && Pick(4) == 0) WaitForSearch(1 + Pick(20));
    return adviser_ && adviser_->isVisible();
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // Lets events through until the search in progress ends, at most `ms`; returns at once
  // when none runs. The window (or the program) may be closed meanwhile.
  void WaitForSearch(int ms) {
    if (!adviser_ || !adviser_->Searching()) {
      QCoreApplication::processEvents();
      return;
    }
    QEventLoop loop;
    QObject::connect(adviser_, &qiro::DesignAdviser::searchFinished, &loop, &QEventLoop::quit);
    QObject::connect(adviser_, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }

  QPointer<qiro::DesignAdviser> adviser_;
  std::mt19937 rng_;
  Monkey monkey_;
  AdviserTally& tally_;
  QMetaObject::Connection counting_;
};

}  // namespace qiro::testing

// The English interface: how the language is chosen, the translation file kept complete, and
// every screen in English with no Chinese left and no caption cut off (run at 100 % and, as
// english_test_200, at 200 %).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include "core-data/catalogue.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/DesignCurves.h"
#include "screens/Form1.h"
#include "screens/MDIMain.h"
#include "qt-support/application_setup.h"
#include "workbench/design_sheet.h"
#include "qt-support/domain_text.h"
#include "screens/frmCoreChoise.h"
#include "workbench/ProposalComparison.h"
#include "screens/frmAbout.h"
#include "screens/frmChoise.h"
#include "screens/frmDKURdanlirao.h"
#include "screens/frmDiangan.h"
#include "screens/screen_test_support.h"

using namespace qiro;
using testing::Find;

namespace {

// Han ideographs (with extension A) and the full-width punctuation that goes with them.
const QRegularExpression kChinese(
    QStringLiteral("[\\x{3000}-\\x{303F}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));

EnvironmentLookup Environment(const QHash<QString, QString>& variables) {
  return [variables](const char* name) -> std::optional<QString> {
    const auto found = variables.find(QString::fromLatin1(name));
    if (found == variables.end()) return std::nullopt;
    return *found;
  };
}

void AddChart(QStringList& texts, QChart* chart) {
  texts << chart->title();
  for (QAbstractAxis* axis : chart->axes()) texts << axis->titleText();
  for (QAbstractSeries* series : chart->series()) texts << series->name();
}

// Every text the user can see in `root`: titles, captions, fields, lists, headers, menus,
// tool tips and the charts' titles, axes and legends.
QStringList VisibleTexts(QWidget* root) {
  QStringList texts{root->windowTitle(), root->toolTip()};
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root)) continue;
    texts << w->toolTip() << w->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    // A tool button's menu (the export entries) is hidden until it pops up.
    if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->menu()) {
      for (QAction* action : tool->menu()->actions()) texts << action->text() << action->toolTip();
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->text() << edit->placeholderText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) texts << plain->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel* model = view->model();
      for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
      }
      for (int c = 0; c < model->columnCount(); ++c) {
        texts << model->headerData(c, Qt::Horizontal).toString()
              << model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
      }
    }
    if (auto* chart = qobject_cast<QChartView*>(w)) AddChart(texts, chart->chart());
    for (QAction* action : w->actions()) texts << action->text() << action->toolTip();
    if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      for (QMenu* menu : bar->findChildren<QMenu*>()) {
        texts << menu->title();
        for (QAction* action : menu->actions()) texts << action->text();
      }
    }
  }
  return texts;
}

QStringList ChineseIn(const QStringList& texts) {
  QStringList found;
  for (const QString& text : texts) {
    if (text.contains(kChinese)) found << text;
  }
  return found;
}

// Single-line captions wider than their label.
QStringList CutOff(QWidget* root, bool expectCaptions) {
  QStringList cut;
  int measured = 0;
  for (QLabel* label : root->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(root) || label->wordWrap() || label->text().isEmpty()) continue;
    if (label->text().contains(QLatin1Char('\n')) || Qt::mightBeRichText(label->text())) continue;
    QString text = label->text();
    if (label->buddy()) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    ++measured;
    const int needed = label->fontMetrics().horizontalAdvance(text);
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    if (needed > room + (label->indent() < 0 ? label->indent() : 0)) {
      cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(label->objectName(), text).arg(needed).arg(room);
    }
  }
  if (expectCaptions && measured == 0) cut << QStringLiteral("no caption measured in ") + root->objectName();
  return cut;
}

QString Golden(const char* name) {
  QFile file(QStringLiteral(QIRO_TEST_DATA "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const char* const kOpeners[] = {"menToroidalL", "meuChoise",    "menuPFC",      "menuBoost",
                                "menuBuck",     "menuBuckBoost", "menuNibianLC", "menuQuanqiao",
                                "menuZhengji",  "menuTuiwan",   "frmChoise",    "frmDKURdanlirao",
                                "frmAbout",     "Form1",        "menAdviser"};

}  // namespace

class EnglishTest : public QObject {
  Q_OBJECT

  // The curves window's captions all wrap; every other screen has single-line ones.
  void Check(QWidget* screen, bool expectCaptions = true) {
    const QStringList chinese = ChineseIn(VisibleTexts(screen));
    QVERIFY2(chinese.isEmpty(), qPrintable(screen->objectName() + QStringLiteral(": ") +
                                           chinese.join(QStringLiteral(" | "))));
    const QStringList cut = CutOff(screen, expectCaptions);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
  }

 private slots:
  void initTestCase() {
    InitCoreData();
    InstallLanguage(*qApp, Language::English);
  }
  void cleanupTestCase() { InstallLanguage(*qApp, Language::Chinese); }

  void languageComesFromTheFirstVariableSet_data() {
    QTest::addColumn<QStringList>("variables");  // name=value pairs
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("english");
    QTest::newRow("nothing set") << QStringList{} << QStringList{} << false;
    QTest::newRow("LANGUAGE") << QStringList{"LANGUAGE=en_GB:zh_CN", "LANG=zh_CN.UTF-8"} << QStringList{} << true;
    QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=zh_CN", "LC_ALL=en_US.UTF-8"} << QStringList{} << false;
    QTest::newRow("LC_ALL") << QStringList{"LC_ALL=en_US.UTF-8", "LC_MESSAGES=zh_CN.UTF-8"} << QStringList{} << true;
    QTest::newRow("LC_MESSAGES") << QStringList{"LC_MESSAGES=en_AU.UTF-8", "LANG=C"} << QStringList{} << true;
    QTest::newRow("LANG") << QStringList{"LANG=en"} << QStringList{} << true;
    QTest::newRow("LANG Chinese") << QStringList{"LANG=zh_TW.UTF-8"} << QStringList{} << false;
    QTest::newRow("C") << QStringList{"LC_ALL=C", "LANG=en_US.UTF-8"} << QStringList{} << false;
    QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << QStringList{} << false;
    QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8"} << QStringList{} << false;
    QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{} << false;
    QTest::newRow("empty counts as unset") << QStringList{"LANGUAGE=", "LANG=en_US.UTF-8"} << QStringList{} << true;
    QTest::newRow("option en") << QStringList{"LANG=zh_CN.UTF-8"} << QStringList{"qiromagnetic", "--language", "en"} << true;
    QTest::newRow("option zh") << QStringList{"LANGUAGE=en"} << QStringList{"qiromagnetic", "--language", "zh"} << false;
    QTest::newRow("option =en") << QStringList{} << QStringList{"qiromagnetic", "--language=en"} << true;
    QTest::newRow("unknown option value") << QStringList{"LANG=en_US.UTF-8"} << QStringList{"qiromagnetic", "--language", "fr"} << true;
    QTest::newRow("option without value") << QStringList{"LANG=en_US.UTF-8"} << QStringList{"qiromagnetic", "--language"} << true;
  }
  void languageComesFromTheFirstVariableSet() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, arguments);
    QFETCH(bool, english);
    QHash<QString, QString> environment;
    for (const QString& pair : variables) environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    QCOMPARE(ChooseLanguage(Environment(environment), arguments) == Language::English, english);
  }

  // lupdate leaves these for a translator; lrelease would ship the Chinese in their place.
  void translationFileIsComplete() {
    QFile file(QStringLiteral(QIRO_TEST_DATA "/../../i18n/qiromagnetic_en.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int messages = 0;
    QStringList incomplete;
    QString source;
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == QLatin1String("source")) source = xml.readElementText();
      if (xml.name() == QLatin1String("translation")) {
        ++messages;
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        const QString text = xml.readElementText();
        if (!type.isEmpty() || text.isEmpty()) incomplete << type + QLatin1Char(' ') + source;
        else if (text.contains(kChinese)) incomplete << QStringLiteral("Chinese in ") + source;
      }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 400);
    QVERIFY2(incomplete.isEmpty(), qPrintable(incomplete.join(QStringLiteral(" | "))));
  }

  void chineseStaysAsItIs() {
    InstallLanguage(*qApp, Language::Chinese);
    const QString report = QStringLiteral("磁芯型号：KMA157060\r\nL@10.00A：7.93μH （H=12.77Oe）");
    QCOMPARE(TranslateDomainText(report), report);
    {
      MDIMain window;
      QCOMPARE(window.findChild<QAction*>(QStringLiteral("menToroidalL"))->text(),
               QStringLiteral("电感综合计算(&L)"));
      QCOMPARE(window.windowTitle(), QStringLiteral("QIRO功率电感设计工具3.0内部版"));
    }
    // Qt's own texts follow: Chinese (when qt6-translations-l10n is there), then Qt's English.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm"))) {
      QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
    }
    InstallLanguage(*qApp, Language::English);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
    QCOMPARE(QCoreApplication::translate("qiro::MDIMain", "电感综合计算(&L)"),
             QStringLiteral("&Inductor Calculator"));
  }

  void everyScreenIsEnglish_data() {
    QTest::addColumn<QString>("opener");
    for (const char* opener : kOpeners) QTest::newRow(opener) << QString::fromLatin1(opener);
  }
  void everyScreenIsEnglish() {
    QFETCH(QString, opener);
    testing::Sinks sinks;
    MDIMain window;
    window.resize(1900, 1040);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* screen = nullptr;
    if (opener == QLatin1String("frmChoise")) {
      screen = window.OpenChild(opener, [] { return new frmChoise; });
    } else if (opener == QLatin1String("frmDKURdanlirao")) {
      screen = window.OpenChild(opener, [] { return new frmDKURdanlirao; });
    } else if (opener == QLatin1String("Form1")) {
      screen = window.OpenChild(opener, [] { return new Form1; });
    } else if (opener == QLatin1String("frmAbout")) {
      screen = window.OpenChild(opener, [] { return new frmAbout; });
    } else {
      window.findChild<QAction*>(opener)->trigger();
      screen = window.mdiArea()->activeSubWindow()->widget();
    }
    QVERIFY(screen);
    QCoreApplication::processEvents();
    Check(&window);
  }

  // The selection screens' lists and details, the comparison table and a refusal message.
  void selectionScreensAreEnglish() {
    testing::Sinks sinks;
    frmCoreChoise screen;
    screen.resize(1800, 1000);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QTest::mouseClick(Find<QPushButton>(&screen, "cmdJiSuan"), Qt::LeftButton);
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY2(!sinks.messages[0].text.contains(kChinese) && !sinks.messages[0].title.contains(kChinese),
             qPrintable(sinks.messages[0].title + QLatin1Char(' ') + sinks.messages[0].text));
    testing::Retype(Find<QLineEdit>(&screen, "txtDianliu"), QStringLiteral("5"));
    testing::Retype(Find<QLineEdit>(&screen, "txtDianganliang"), QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(&screen, "cmdJiSuan"), Qt::LeftButton);
    auto* list = Find<QListWidget>(&screen, "lstResut");
    QVERIFY(list->count() > 0);
    QVERIFY2(list->item(0)->text().contains(QStringLiteral("  J=")), qPrintable(list->item(0)->text()));
    list->setCurrentRow(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    const QString details = Find<QPlainTextEdit>(&screen, "txtShow")->toPlainText();
    QVERIFY(details.startsWith(QStringLiteral("Core: ")));
    Check(&screen);
    QTest::mouseClick(Find<QPushButton>(&screen, "cmdCompare"), Qt::LeftButton);
    auto* comparison = screen.findChild<ProposalComparison*>();
    QVERIFY(comparison);
    QCoreApplication::processEvents();
    Check(comparison);
  }

  // The simple selection's list keeps its numbers and says "use stranded wire" in English.
  void simpleSelectionListIsEnglish() {
    testing::Sinks sinks;
    frmChoise screen;
    screen.show();
    testing::Retype(Find<QLineEdit>(&screen, "txtDianliu"), QStringLiteral("40"));
    testing::Retype(Find<QLineEdit>(&screen, "txtDianganliang"), QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(&screen, "cmdJiSuan"), Qt::LeftButton);
    auto* list = Find<QListWidget>(&screen, "lstResut");
    QVERIFY(list->count() > 0);
    Check(&screen);
  }

  // The design sheet's title, headings' source and inputs.
  void designSheetIsEnglish() {
    CurveDesign design;
    design.Core.PartNumber = "KMA157060";
    design.AverageCurrent = 10;
    design.PeakCurrent = 14.14f;
    design.WireDiameter = 1;
    design.Turns = 10;
    const DesignSheet sheet = MakeDesignSheet(design, {}, {}, 25);
    QCOMPARE(sheet.title, QStringLiteral("Inductor design: KMA157060 × 1 cores, 10 turns, wire 1 mm × 1 strands"));
    QCOMPARE(sheet.inputs.value(2), QStringLiteral("Average current: 10 A"));
    QVERIFY(ChineseIn(sheet.inputs).isEmpty());
  }

  // The worked design in English: its report, core data, assessment and curves.
  void workedDesignIsEnglish() {
    testing::Sinks sinks;
    frmDiangan screen;
    screen.resize(1800, 1000);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto type = [&screen](const char* name, const QString& text) {
      QLineEdit* field = Find<QLineEdit>(&screen, name);
      field->setFocus(Qt::MouseFocusReason);
      field->selectAll();
      if (!field->text().isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
      QTest::keyClicks(field, text);
    };
    type("txtIrms", QStringLiteral("10"));
    type("txtF", QStringLiteral("100"));
    Find<QScrollBar>(&screen, "hcrollTurns")->setSliderPosition(10);
    type("txtSearch", QStringLiteral("kma157"));
    auto* list = Find<QListWidget>(&screen, "lstCoreList");
    const auto found = list->findItems(QStringLiteral("KMA157060"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    const QString golden = Golden("toroid_report_KMA157060_en.txt");
    QVERIFY(!golden.isEmpty());
    QCOMPARE(Find<QPlainTextEdit>(&screen, "txtShow")->toPlainText().toUtf8(), golden.toUtf8());
    Check(&screen);
    QTest::mouseClick(Find<QAbstractButton>(&screen, "cmdCurves"), Qt::LeftButton);
    auto* curves = screen.findChild<DesignCurves*>();
    QVERIFY(curves);
    QCoreApplication::processEvents();
    Check(curves, false);
  }

  // The worked design at 40 A would run away past 500 °C: the panel and the curves say so in
  // English, and nothing is cut off.
  void runawayIsEnglish() {
    testing::Sinks sinks;
    frmDiangan screen;
    screen.resize(1800, 1000);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    testing::Retype(Find<QLineEdit>(&screen, "txtIrms"), QStringLiteral("40"));
    testing::Retype(Find<QLineEdit>(&screen, "txtF"), QStringLiteral("100"));
    Find<QScrollBar>(&screen, "hcrollTurns")->setSliderPosition(37);
    testing::Retype(Find<QLineEdit>(&screen, "txtSearch"), QStringLiteral("kma157"));
    auto* list = Find<QListWidget>(&screen, "lstCoreList");
    const auto found = list->findItems(QStringLiteral("KMA157060"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QCOMPARE(Find<AssessmentPanel>(&screen, "fraAssessment")->Lines(),
             QStringList{QStringLiteral("Cannot assess: the winding would pass 500 °C, no steady temperature")});
    Check(Find<AssessmentPanel>(&screen, "fraAssessment"));
    QTest::mouseClick(Find<QAbstractButton>(&screen, "cmdCurves"), Qt::LeftButton);
    auto* curves = screen.findChild<DesignCurves*>();
    QVERIFY(curves);
    QCoreApplication::processEvents();
    Check(curves, false);
  }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"

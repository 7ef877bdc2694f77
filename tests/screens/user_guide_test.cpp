// "帮助主题(&M)": the help file beside the program when there is one, otherwise the program's
// own guide in a window of its own; and the guide itself: every link lands on a section,
// every picture is there, the English guide is English.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "qt-support/application_setup.h"
#include "qt-support/help.h"
#include "screens/MDIMain.h"
#include "screens/screen_test_support.h"

using namespace qiro;

namespace {

QString PageText(const QUrl& page) {
  QFile file(QLatin1Char(':') + page.path());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QStringList Captures(const QString& text, const QString& pattern) {
  QStringList found;
  auto it = QRegularExpression(pattern).globalMatch(text);
  while (it.hasNext()) found << it.next().captured(1);
  return found;
}

// The help file beside the test program, there only while a test needs it.
QString HelpFilePath() { return QDir(QApplication::applicationDirPath()).filePath(kHelpFileName); }

}  // namespace

class UserGuideTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QFile::remove(HelpFilePath()); }
  void cleanup() {
    QFile::remove(HelpFilePath());
    InstallLanguage(*qApp, Language::Chinese);
  }

  void withoutHelpFileTheGuideOpensWithoutABox() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    QAction* help = window.findChild<QAction*>(QStringLiteral("meuHelpMain"));
    help->trigger();
    QVERIFY(sinks.messages.isEmpty());
    QVERIFY(sinks.opened.isEmpty());
    auto* guide = window.findChild<UserGuide*>(QStringLiteral("UserGuide"));
    QVERIFY(guide);
    auto* browser = testing::Find<QTextBrowser>(guide, "guideBrowser");
    QCOMPARE(browser->source(), UserGuide::PageFor(false));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("环形电感计算")) ||
            browser->toPlainText().contains(QStringLiteral("目录")));
    // One instance, like a screen.
    const int windows = window.mdiArea()->subWindowList().size();
    help->trigger();
    QCOMPARE(window.mdiArea()->subWindowList().size(), windows);
  }

  void withHelpFileItIsHandedToTheDesktopAsBefore() {
    QFile file(HelpFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("help");
    file.close();
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("meuHelpMain"))->trigger();
    QCOMPARE(sinks.opened.size(), 1);
    QCOMPARE(sinks.opened[0], QUrl::fromLocalFile(HelpFilePath()));
    QVERIFY(!window.findChild<UserGuide*>(QStringLiteral("UserGuide")));
  }

  void theGuideFollowsTheInterfaceLanguage() {
    InstallLanguage(*qApp, Language::English);
    UserGuide guide;
    QCOMPARE(testing::Find<QTextBrowser>(&guide, "guideBrowser")->source(), UserGuide::PageFor(true));
    QCOMPARE(guide.windowTitle(), QStringLiteral("User guide"));
  }

  void everyLinkAndPictureResolves_data() {
    QTest::addColumn<bool>("english");
    QTest::newRow("zh") << false;
    QTest::newRow("en") << true;
  }
  void everyLinkAndPictureResolves() {
    QFETCH(bool, english);
    const QUrl page = UserGuide::PageFor(english);
    const QString text = PageText(page);
    QVERIFY(!text.isEmpty());
    const QStringList anchors = Captures(text, QStringLiteral("<a name=\"([^\"]+)\""));
    const QSet<QString> named(anchors.begin(), anchors.end());
    const QStringList links = Captures(text, QStringLiteral("href=\"([^\"]*)\""));
    QVERIFY(links.size() > 10);
    for (const QString& link : links) {
      QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(QStringLiteral("leaves the guide: ") + link));
      QVERIFY2(named.contains(link.mid(1)), qPrintable(QStringLiteral("no section ") + link));
    }
    const QStringList pictures = Captures(text, QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    QVERIFY(!pictures.isEmpty());
    for (const QString& picture : pictures) {
      const QUrl resolved = page.resolved(QUrl(picture));
      QVERIFY2(QFile::exists(QLatin1Char(':') + resolved.path()), qPrintable(resolved.toString()));
    }
    // Following a link of the contents moves the page to its section.
    UserGuide guide;
    guide.resize(760, 480);
    guide.show();
    auto* browser = testing::Find<QTextBrowser>(&guide, "guideBrowser");
    browser->setSource(page);
    QCoreApplication::processEvents();
    const int top = browser->verticalScrollBar()->value();
    browser->setSource(QUrl(page.toString() + QLatin1Char('#') + anchors.last()));
    QCoreApplication::processEvents();
    QVERIFY(browser->verticalScrollBar()->value() > top);
  }

  // The same sections in both languages, and no Chinese in the English one.
  void bothGuidesHaveTheSameSectionsAndTheEnglishIsEnglish() {
    const QString zh = PageText(UserGuide::PageFor(false));
    const QString en = PageText(UserGuide::PageFor(true));
    QCOMPARE(Captures(en, QStringLiteral("<a name=\"([^\"]+)\"")),
             Captures(zh, QStringLiteral("<a name=\"([^\"]+)\"")));
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    const auto match = han.match(en);
    QVERIFY2(!match.hasMatch(), qPrintable(en.mid(std::max<qsizetype>(0, match.capturedStart() - 40), 80)));
  }
};

QTEST_MAIN(UserGuideTest)
#include "user_guide_test.moc"

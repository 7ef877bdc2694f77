// The eight converter calculators, driven as a user drives them: one test body per
// behaviour, run over every screen.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "screen_test_support.h"
#include "screens/frmTOPBOOST.h"
#include "screens/frmTOPBUCK.h"
#include "screens/frmTOPBUCKBOOST.h"
#include "screens/frmTOPNibianLC.h"
#include "screens/frmTOPPFC.h"
#include "screens/frmTOPQuanqiao.h"
#include "screens/frmTOPTuiwan.h"
#include "screens/frmTOPZhengji.h"
#include "qt-support/svg_picture.h"

using qiro::testing::Find;
using qiro::testing::Retype;
using qiro::testing::Sinks;

namespace {

const QString kTitle = QStringLiteral("错误提示(QIRO Magnetic)");
const QString kOutOfRange = QStringLiteral("计算结果超出数值范围，请检查输入参数！");

struct Input {
  const char* name;
  const char* caption;
  const char* defaultText;
  const char* example;  // the worked example's value
  const char* message;  // shown by "计算" when this is the first field failing its check
};

struct Result {
  const char* name;
  const char* caption;
  const char* example;
};

struct Screen {
  const char* row;
  std::function<QWidget*()> create;
  const char* window;
  const char* inputPanel;
  const char* resultPanel;
  const char* diagramPanel;
  std::vector<Input> inputs;  // top to bottom, which is the check order
  std::vector<Result> results;
};

const char* const kP = "请输入“功率”！单位为瓦特（W）";
const char* const kVin = "请输入“输入电压Vin”！单位为伏特（V）";
const char* const kVout = "请输入“输出电压Vout”！单位为伏特（V）";
const char* const kF = "请输入“开关频率”！单位为千赫兹（kHz）";
const char* const kGamma = "请输入“纹波率”！";
const char* const kIout = "请输入“输出电流Iout”！单位为安培（A）";
const char* const kIoutBridge = "请输入“输出电电流Iout”！单位为安培（A）";
const char* const kD = "请重新输入“占空比D”！";

const std::vector<Input> kBoostInputs = {
    {"txtP", "功率P (W)", "", "100", kP},
    {"txtVin", "输入电压Vin (V)", "", "12", kVin},
    {"txtVout", "输出电压Vout (V)", "", "24", kVout},
    {"txtF", "开关频率f (kHz)", "", "100", kF},
    {"txtWenbolv", "纹波率γ", "0.2", "0.2", kGamma},
};

std::vector<Input> IsolatedInputs(const char* outputCurrentMessage) {
  return {
      {"txtVout", "输出电压Vout (V)", "", "12", kVout},
      {"txtF", "开关频率f (kHz)", "", "100", kF},
      {"txtIout", "输出额定电流Iout(A)", "", "10", outputCurrentMessage},
      {"txtD", "占空比D", "0.4", "0.4", kD},
      {"txtWenbolv", "纹波率γ", "0.2", "0.2", kGamma},
  };
}

std::vector<Result> IsolatedResults(const char* inductance) {
  return {
      {"txtL", "电感量L@Ipk (uH)", inductance},
      {"txtILpk", "电感峰值电流ILpk (A)", "11"},
      {"txtdI", "纹波电流ΔI (A)", "2"},
  };
}

const std::vector<Screen>& Screens() {
  static const std::vector<Screen> screens = {
      {"BUCK",
       [] { return new qiro::frmTOPBUCK(); },
       "BUCK感量计算",
       "BUCK电路参数输入",
       "BUCK电路参数计算结果",
       "典型电路图：BUCK",
       {{"txtIout", "输出电流Iout (A)", "", "5", kIout},
        {"txtVin", "输入电压Vin (V)", "", "12", kVin},
        {"txtVout", "输出电压Vout (V)", "", "5", kVout},
        {"txtF", "开关频率f (kHz)", "", "100", kF},
        {"txtWenbolv", "纹波率γ", "0.2", "0.2", kGamma}},
       {{"txtL", "电感量L@IL (uH)", "29.16667"},
        {"txtILpk", "电感电流ILpk (A)", "5.5"},
        {"txtP", "功率Po(W)", "25"},
        {"txtdI", "纹波电流ΔI (A)", "1"},
        {"txtD", "占空比D", "0.4166667"}}},
      {"BOOST",
       [] { return new qiro::frmTOPBOOST(); },
       "BOOST感量计算",
       "BOOST电路参数输入",
       "BOOST电路参数计算结果",
       "典型电路图：BOOST",
       kBoostInputs,
       {{"txtL", "电感量L@IL (uH)", "36"},
        {"txtILpk", "电感电流ILpk (A)", "9.166666"},
        {"txtILrms", "输入电流Iin (A)", "8.333333"},
        {"txtIo", "额定输出电流Iout (A)", "4.166667"},
        {"txtdI", "纹波电流ΔI (A)", "1.666667"},
        {"txtD", "占空比D", "0.5"}}},
      {"BUCK-BOOST",
       [] { return new qiro::frmTOPBUCKBOOST(); },
       "BUCK-BOOST感量计算",
       "BUCK-BOOST电路参数输入",
       "BUCK-BOOST电路参数计算结果",
       "典型电路图：BUCK-BOOST",
       kBoostInputs,
       {{"txtL", "电感量L@IL (uH)", "32"},
        {"txtILpk", "电感电流ILpk (A)", "13.75"},
        {"txtIin", "输入电流Iin (A)", "12.5"},
        {"txtIout", "额定输出电流Iout (A)", "4.166667"},
        {"txtdI", "纹波电流ΔI (A)", "2.5"},
        {"txtD", "占空比D", "0.6666667"}}},
      {"PFC",
       [] { return new qiro::frmTOPPFC(); },
       "PFC感量计算",
       "PFC电路参数输入",
       "PFC电路参数计算结果",
       "典型电路图：PFC",
       {{"txtP", "功率P (W)", "", "500", kP},
        {"txtVin", "正弦输入电压Vin (V)", "", "220", "请输入“正弦输入电压Vin”！单位为伏特（V）"},
        {"txtVout", "输出电压Vout (V)", "", "400", kVout},
        {"txtF", "开关频率f (kHz)", "", "65", kF},
        {"txtXiaolv", "转换效率η", "0.98", "0.98", "请重新输入“转化效率”！转化效率大于0小于1"},
        {"txtWenbolv", "纹波率γ", "0.2", "0.2", kGamma}},
       {{"txtL", "电感量L@Ipk (uH)", "1621.317"},
        {"txtILpk", "电感峰值电流ILpk (A)", "3.279716"},
        {"txtILrms", "电感有效电流ILrms (A)", "2.31910943447508"},
        {"txtD", "占空比D", "0.2221825"},
        {"txtdI", "纹波电流ΔI (A)", "0.6559432"},
        {"txtIo", "额定输出电流Io (A)", "1.25"}}},
      {"inverter LC",
       [] { return new qiro::frmTOPNibianLC(); },
       "逆变电感感量计算",
       "逆变电路参数输入",
       "逆变电路参数计算结果",
       "典型电路图：逆变LC",
       {{"txtP", "功率P (W)", "", "1000", kP},
        {"txtVin", "输入电压Vdc (V)", "", "400", "请输入“输入电压Vdc”！单位为伏特（V）"},
        {"txtVout", "输出电压Vout (V)", "", "220", kVout},
        {"txtF", "开关频率f (kHz)", "", "20", kF},
        {"txtWenbolv", "纹波率γ", "0.2", "0.2", kGamma}},
       {{"txtL", "电感量L@IL (uH)", "3850.196"},
        {"txtILpk", "电感尖峰电流ILpk (A)", "7.071068"},
        {"txtIL", "电感峰值电流IL (A)", "6.428244"},
        {"txtIout", "额定输出电流Iout (A)", "4.545455"},
        {"txtdI", "纹波电流ΔI (A)", "1.285649"},
        {"txtD", "占空比D", "0.55"}}},
      {"forward",
       [] { return new qiro::frmTOPZhengji(); },
       "正激电感感量计算",
       "电路参数输入",
       "电路参数计算结果",
       "典型电路图：正激电路TOP",
       IsolatedInputs(kIout),
       IsolatedResults("36")},
      {"push-pull",
       [] { return new qiro::frmTOPTuiwan(); },
       "推挽电感感量计算",
       "电路参数输入",
       "电路参数计算结果",
       "典型电路图：推挽电路",
       IsolatedInputs(kIoutBridge),
       IsolatedResults("6")},
      {"full bridge",
       [] { return new qiro::frmTOPQuanqiao(); },
       "全桥电感感量计算",
       "电路参数输入",
       "电路参数计算结果",
       "典型电路图：全桥电路",
       IsolatedInputs(kIoutBridge),
       IsolatedResults("6")},
  };
  return screens;
}

QString U(const char* text) { return QString::fromUtf8(text); }

QLineEdit* Field(QWidget* screen, const char* name) { return Find<QLineEdit>(screen, name); }

QStringList ResultTexts(QWidget* screen, const Screen& s) {
  QStringList texts;
  for (const Result& r : s.results) texts << Field(screen, r.name)->text();
  return texts;
}

QStringList ExampleResults(const Screen& s) {
  QStringList texts;
  for (const Result& r : s.results) texts << U(r.example);
  return texts;
}

QLabel* CaptionOf(QWidget* screen, QWidget* field) {
  for (QLabel* label : screen->findChildren<QLabel*>()) {
    if (label->buddy() == field) return label;
  }
  return nullptr;
}

void TypeExample(QWidget* screen, const Screen& s) {
  for (const Input& in : s.inputs) Retype(Field(screen, in.name), U(in.example));
}

QString Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TopologyScreensTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> screen_;
  const Screen* s_ = nullptr;

  void Open() {
    QFETCH(int, index);
    s_ = &Screens()[static_cast<std::size_t>(index)];
    screen_.reset(s_->create());
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_.get()));
  }

  void AllScreens() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < Screens().size(); ++i) {
      QTest::newRow(Screens()[i].row) << static_cast<int>(i);
    }
  }

 private slots:
  void cleanup() { screen_.reset(); }

  void opensWithDefaultsAndNoResults_data() { AllScreens(); }
  void opensWithDefaultsAndNoResults() {
    Open();
    QWidget* w = screen_.get();
    QCOMPARE(w->windowTitle(), U(s_->window));
    QCOMPARE(Find<QGroupBox>(w, "Frame2")->title(), U(s_->inputPanel));
    QCOMPARE(Find<QGroupBox>(w, "Frame3")->title(), U(s_->resultPanel));
    QCOMPARE(Find<QGroupBox>(w, "Frame1")->title(), U(s_->diagramPanel));
    QCOMPARE(Find<QPushButton>(w, "cmdCal")->text(), QStringLiteral("计算"));
    QVERIFY(Find<qiro::SvgPicture>(w, "picLogo")->hasDrawing());
    for (const Input& in : s_->inputs) {
      QLineEdit* field = Field(w, in.name);
      QCOMPARE(field->text(), U(in.defaultText));
      QVERIFY(field->parentWidget() == Find<QGroupBox>(w, "Frame2"));
      QLabel* caption = CaptionOf(w, field);
      QVERIFY2(caption, in.name);
      QCOMPARE(caption->text(), U(in.caption));
    }
    for (const Result& r : s_->results) {
      QLineEdit* field = Field(w, r.name);
      QVERIFY(field->text().isEmpty());
      QVERIFY(field->parentWidget() == Find<QGroupBox>(w, "Frame3"));
      QLabel* caption = CaptionOf(w, field);
      QVERIFY2(caption, r.name);
      QCOMPARE(caption->text(), U(r.caption));
    }
  }

  // "计算" stands in the gap between the panels, level with their lower edge; "设计电感…"
  // sits under the result panel, right-aligned, and moves nothing; the diagram below all.
  // At the window's natural size and enlarged.
  void buttonsKeepTheirPlaces_data() { AllScreens(); }
  void buttonsKeepTheirPlaces() {
    Open();
    QWidget* w = screen_.get();
    for (const QSize grow : {QSize(0, 0), QSize(400, 300)}) {
      w->resize(w->sizeHint() + grow);
      QCoreApplication::processEvents();
      QWidget* root = Find<QWidget>(w, "Frame2")->parentWidget();
      const auto place = [root](QWidget* child) { return QRect(child->mapTo(root, QPoint()), child->size()); };
      const QRect inputs = place(Find<QGroupBox>(w, "Frame2"));
      const QRect results = place(Find<QGroupBox>(w, "Frame3"));
      const QRect calculate = place(Find<QPushButton>(w, "cmdCal"));
      const QRect design = place(Find<QPushButton>(w, "cmdDesignInductor"));
      const QRect diagram = place(Find<QGroupBox>(w, "Frame1"));
      const QString where = QStringLiteral("inputs %1 results %2 计算 %3 设计电感 %4 diagram %5")
                                .arg(Text(inputs), Text(results), Text(calculate), Text(design), Text(diagram));
      QVERIFY2(inputs.bottom() == results.bottom() && calculate.bottom() == inputs.bottom(), qPrintable(where));
      QVERIFY2(calculate.left() > inputs.right() && calculate.right() < results.left(), qPrintable(where));
      QVERIFY2(design.top() > results.bottom() && design.right() == results.right() &&
                   design.left() >= results.left(),
               qPrintable(where));
      QVERIFY2(diagram.top() > design.bottom(), qPrintable(where));
    }
  }

  // Results follow the typing: nothing while an input is missing, then the example.
  void resultsFollowTyping_data() { AllScreens(); }
  void resultsFollowTyping() {
    Open();
    std::size_t lastMissing = 0;
    for (std::size_t i = 0; i < s_->inputs.size(); ++i) {
      if (*s_->inputs[i].defaultText == '\0') lastMissing = i;
    }
    for (std::size_t i = 0; i < s_->inputs.size(); ++i) {
      const Input& in = s_->inputs[i];
      QLineEdit* field = Field(screen_.get(), in.name);
      if (i == lastMissing) {
        for (const QString& t : ResultTexts(screen_.get(), *s_)) QVERIFY(t.isEmpty());
      }
      Retype(field, U(in.example));
    }
    QCOMPARE(ResultTexts(screen_.get(), *s_), ExampleResults(*s_));
  }

  // With every input emptied, "计算" names the first missing input only, in check order;
  // the results stay as they were until every input is valid again.
  void buttonReportsFirstFailingCheck_data() { AllScreens(); }
  void buttonReportsFirstFailingCheck() {
    Open();
    Sinks sinks;
    TypeExample(screen_.get(), *s_);
    for (const Input& in : s_->inputs) Retype(Field(screen_.get(), in.name), QString());
    QCOMPARE(ResultTexts(screen_.get(), *s_), ExampleResults(*s_));
    auto* button = Find<QPushButton>(screen_.get(), "cmdCal");
    for (const Input& in : s_->inputs) {
      const auto before = sinks.messages.size();
      QTest::mouseClick(button, Qt::LeftButton);
      QCOMPARE(sinks.messages.size(), before + 1);
      QCOMPARE(sinks.messages.last().text, U(in.message));
      QCOMPARE(sinks.messages.last().title, kTitle);
      QCOMPARE(sinks.messages.last().icon, QMessageBox::Information);
      QCOMPARE(ResultTexts(screen_.get(), *s_), ExampleResults(*s_));
      Retype(Field(screen_.get(), in.name), U(in.example));
    }
    for (const Result& r : s_->results) Field(screen_.get(), r.name)->setText(QStringLiteral("x"));
    const auto before = sinks.messages.size();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(sinks.messages.size(), before);
    QCOMPARE(ResultTexts(screen_.get(), *s_), ExampleResults(*s_));
  }

  // Keys other than digits, "." and backspace never reach an input; a field with a default
  // gets it back on double-click, and the results follow.
  void keysAndDoubleClickDefaults_data() { AllScreens(); }
  void keysAndDoubleClickDefaults() {
    Open();
    TypeExample(screen_.get(), *s_);
    QLineEdit* first = Field(screen_.get(), s_->inputs.front().name);
    const QString kept = first->text();
    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("-a, "));
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(first->text(), kept);
    QTest::keyClicks(first, QStringLiteral(".5"));
    QCOMPARE(first->text(), kept + QStringLiteral(".5"));
    Retype(first, kept);
    for (const Input& in : s_->inputs) {
      if (*in.defaultText == '\0') continue;
      QLineEdit* field = Field(screen_.get(), in.name);
      Retype(field, QStringLiteral("0.3"));
      QVERIFY(ResultTexts(screen_.get(), *s_) != ExampleResults(*s_));
      QTest::mouseDClick(field, Qt::LeftButton, {}, field->rect().center());
      QCOMPARE(field->text(), U(in.defaultText));
      QCOMPARE(ResultTexts(screen_.get(), *s_), ExampleResults(*s_));
    }
    // An input without a default is left alone by a double-click.
    QTest::mouseDClick(first, Qt::LeftButton, {}, first->rect().center());
    QCOMPARE(first->text(), kept);
  }

  // Inputs that pass the double-precision reading but not the stored float, or whose
  // results leave the float range: the live results stay as they were, "计算" refuses.
  void refusedInputKeepsResults_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("edits");  // field, text, field, text …
    QTest::addColumn<QString>("message");
    const QString tinyRipple = QStringLiteral("0.") + QString(45, QLatin1Char('0')) + "1";
    const QString minRipple = QStringLiteral("0.") + QString(44, QLatin1Char('0')) + "14";
    QTest::newRow("BOOST duty cycle stored as 1")
        << 1 << QStringList{"txtVout", "40000000", "txtVin", "1"} << kOutOfRange;
    QTest::newRow("BUCK-BOOST duty cycle stored as 1")
        << 2 << QStringList{"txtVout", "40000000", "txtVin", "1"} << kOutOfRange;
    QTest::newRow("BUCK ripple ratio stored as 0")
        << 0 << QStringList{"txtWenbolv", tinyRipple} << QStringLiteral("纹波率超出数值范围！");
    QTest::newRow("BUCK ripple current stored as 0")
        << 0 << QStringList{"txtIout", "0.1", "txtWenbolv", minRipple} << kOutOfRange;
    QTest::newRow("PFC efficiency just above 1")
        << 3 << QStringList{"txtXiaolv", "1.00000001"}
        << QStringLiteral("请重新输入“转化效率”！转化效率大于0小于1");
    QTest::newRow("inverter output current overflows")
        << 4 << QStringList{"txtVout", "0.001", "txtP", "1" + QString(38, QLatin1Char('0'))}
        << kOutOfRange;
    QTest::newRow("forward duty cycle stored as 1")
        << 5 << QStringList{"txtD", "0.99999999"} << U(kD);
    QTest::newRow("push-pull frequency beyond the float range")
        << 6 << QStringList{"txtF", "1" + QString(39, QLatin1Char('0'))}
        << QStringLiteral("开关频率超出数值范围！");
    QTest::newRow("BUCK output current beyond the float range")
        << 0 << QStringList{"txtIout", "1" + QString(39, QLatin1Char('0'))} << QStringLiteral("输出电流超出数值范围！");
    QTest::newRow("PFC sine input voltage beyond the float range")
        << 3 << QStringList{"txtVin", "1" + QString(39, QLatin1Char('0'))} << QStringLiteral("正弦输入电压超出数值范围！");
  }
  void refusedInputKeepsResults() {
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    Open();
    Sinks sinks;
    TypeExample(screen_.get(), *s_);
    for (qsizetype i = 0; i + 3 < edits.size(); i += 2) {
      Retype(Field(screen_.get(), edits[i].toLatin1().constData()), edits[i + 1]);
    }
    // The last edit: all but its last key, then that key, which makes the input refused.
    QLineEdit* field = Field(screen_.get(), edits[edits.size() - 2].toLatin1().constData());
    const QString text = edits.last();
    Retype(field, text.left(text.size() - 1));
    const QStringList shown = ResultTexts(screen_.get(), *s_);
    QTest::keyClicks(field, text.right(1));
    QCOMPARE(field->text(), text);
    QCOMPARE(ResultTexts(screen_.get(), *s_), shown);
    QTest::mouseClick(Find<QPushButton>(screen_.get(), "cmdCal"), Qt::LeftButton);
    QCOMPARE(sinks.messages.size(), 1);
    QCOMPARE(sinks.messages.last().text, message);
    QCOMPARE(sinks.messages.last().title, kTitle);
    QCOMPARE(ResultTexts(screen_.get(), *s_), shown);
    for (const QString& t : shown) {
      QVERIFY2(!t.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                   !t.contains(QLatin1String("nan"), Qt::CaseInsensitive),
               qPrintable(t));
    }
  }
};

QTEST_MAIN(TopologyScreensTest)
#include "topology_screens_test.moc"

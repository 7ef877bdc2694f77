// The UR-core reactor screen as a user drives it: list picks, presets, the turn and
// structure rules, key filters, and buttons that must leave everything as it was.
#include "screens/frmDKURdanlirao.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <memory>

#include "screen_test_support.h"

using qiro::testing::Find;
using qiro::testing::Retype;

class FrmDKURdanliraoTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<qiro::testing::Sinks> sinks_;
  std::unique_ptr<qiro::frmDKURdanlirao> screen_;

  template <class T>
  T* W(const char* name) {
    return Find<T>(screen_.get(), name);
  }
  QLineEdit* Field(const char* name) { return W<QLineEdit>(name); }

  void Pick(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
    QCOMPARE(list->selectedItems().value(0), found.first());
  }

  // A click on the box's indicator, as a user aims it.
  static void Click(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }

  // Everything a user can read or change, in one text, to show that nothing moved.
  QString Snapshot() {
    QStringList parts;
    for (QLineEdit* e : screen_->findChildren<QLineEdit*>()) {
      if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
      parts << e->objectName() + '=' + e->text();
    }
    for (QComboBox* c : screen_->findChildren<QComboBox*>()) {
      parts << c->objectName() + '=' + c->currentText() + (c->isEnabled() ? "" : "(off)");
    }
    for (QAbstractButton* b : screen_->findChildren<QAbstractButton*>()) {
      parts << b->objectName() + (b->isChecked() ? "+" : "-") + (b->isEnabled() ? "" : "(off)");
    }
    parts << "turns@" + QString::number(W<QScrollBar>("hcrollTurns")->value());
    parts << "show=" + W<QPlainTextEdit>("txtShow")->toPlainText();
    return parts.join('|');
  }

 private slots:
  void init() {
    sinks_ = std::make_unique<qiro::testing::Sinks>();
    screen_ = std::make_unique<qiro::frmDKURdanlirao>();
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_.get()));
  }

  void cleanup() {
    QVERIFY2(sinks_->messages.isEmpty(), "this screen never shows a message");
    screen_.reset();
    sinks_.reset();
  }

  void opensWithItsInitialContents() {
    QCOMPARE(screen_->objectName(), QStringLiteral("frmDKURdanlirao"));
    QCOMPARE(screen_->windowTitle(), QStringLiteral("UR型磁芯单层立绕电抗器辅助设计"));
    for (const char* name : {"txtCore_A", "txtCore_B", "txtCore_C", "txtCore_D", "txtCore_E",
                             "txtILrms", "txtILpk", "txtdI", "txtF", "txtWireHeight",
                             "txtWireWidth"}) {
      QVERIFY2(Field(name)->text().isEmpty(), name);
    }
    QCOMPARE(Field("txtWindingPcs")->text(), QStringLiteral("1"));
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("1"));
    auto* turns = W<QScrollBar>("hcrollTurns");
    QCOMPARE(turns->minimum(), 1);
    QCOMPARE(turns->maximum(), 200);
    QCOMPARE(turns->singleStep(), 1);
    QCOMPARE(turns->pageStep(), 5);
    QCOMPARE(turns->value(), 1);
    QVERIFY(W<QRadioButton>("optCu")->isChecked());
    QVERIFY(!W<QRadioButton>("optAL")->isChecked());
    QVERIFY(W<QRadioButton>("optClass01")->isChecked());
    QVERIFY(!W<QRadioButton>("optClass02")->isChecked());
    QVERIFY(!W<QRadioButton>("optClass02")->isEnabled());
    QCOMPARE(W<QRadioButton>("optClass01")->text(), QStringLiteral("左右串联式"));
    QCOMPARE(W<QRadioButton>("optClass02")->text(), QStringLiteral("上下并联式"));
    QCOMPARE(W<QCheckBox>("chkKMA")->text(), QStringLiteral("KMA-60 μ"));
    QCOMPARE(W<QCheckBox>("chkKMC")->text(), QStringLiteral("KMC-60 μ"));
    QVERIFY(!W<QCheckBox>("chkKMA")->isChecked());
    QVERIFY(!W<QCheckBox>("chkKMC")->isChecked());
    QCOMPARE(W<QPushButton>("cmdOutPut")->text(), QStringLiteral("显示方案"));
    QCOMPARE(W<QPushButton>("cmdCal")->text(), QStringLiteral("计算"));
    QVERIFY(W<QPlainTextEdit>("txtShow")->toPlainText().isEmpty());

    const struct {
      const char* name;
      QString prompt;
      QStringList items;
    } combos[] = {
        {"cmbRMaterial", "请选择材质", {"KMA", "KMC", "KMD", "KMA-C"}},
        {"cmbHMaterail", "请选择材质", {"KMA", "KMC", "KMD", "KMA-C"}},
        {"cmbRmiu", "请选择磁导率", {"26", "30", "40", "60", "75", "90", "125", "147", "160"}},
        {"cmbHmiu", "请选择磁导率", {"26", "30", "40", "60", "75", "90", "125", "147", "160"}},
        {"cmdDC", "请选择DC", {"KMA19", "KMA26", "KMA22.5", "60", "75", "90", "125", "147", "160"}},
    };
    for (const auto& c : combos) {
      auto* box = W<QComboBox>(c.name);
      QVERIFY2(box->isEditable() && box->isEnabled(), c.name);
      QCOMPARE(box->currentText(), c.prompt);
      QStringList items;
      for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
      QCOMPARE(items, c.items);
    }

    QStringList codes, sizes;
    for (int i = 0; i < W<QListWidget>("lstCore")->count(); ++i) {
      codes << W<QListWidget>("lstCore")->item(i)->text();
    }
    for (int i = 0; i < W<QListWidget>("lstWinding")->count(); ++i) {
      sizes << W<QListWidget>("lstWinding")->item(i)->text();
    }
    QCOMPARE(codes.size(), 16);
    QCOMPARE(codes.first(), QStringLiteral("R40-01"));
    QCOMPARE(codes.last(), QStringLiteral("R104-02"));
    QCOMPARE(sizes.size(), 22);
    QCOMPARE(sizes.mid(5, 3), QStringList({"2×12", "2×16", "2×8"}));  // unsorted
    QVERIFY(W<QListWidget>("lstCore")->selectedItems().isEmpty());
  }

  void captionsNameTheirFieldsAndDrawingsAreShown() {
    const struct {
      const char* field;
      QString caption;
    } captions[] = {
        {"txtCore_A", "A (mm)"},          {"txtCore_C", "C (mm)"},
        {"txtCore_E", "E (mm)"},          {"cmbRMaterial", "R棒材质"},
        {"cmbHMaterail", "上下轭材质"},   {"cmdDC", "有效DC"},
        {"txtILrms", "有效值电流Irms(A)"}, {"txtILpk", "电感峰值电流ILpk (A)"},
        {"txtdI", "纹波电流ΔI (A)"},      {"txtF", "频率f (kHz)"},
        {"txtWireHeight", "线径厚度(mm)"}, {"txtWireWidth", "线径宽度(mm)"},
        {"txtWindingPcs", "绕线根数(Pcs)"}, {"txtTurns", "绕线圈数"},
    };
    QHash<QWidget*, QString> buddies;
    for (QLabel* label : screen_->findChildren<QLabel*>()) {
      if (label->buddy()) buddies.insert(label->buddy(), label->text());
    }
    for (const auto& c : captions) {
      QCOMPARE(buddies.value(W<QWidget>(c.field)), c.caption);
    }
    for (const char* name : {"picCore", "picClass01", "Picture1"}) {
      auto* picture = W<QLabel>(name);
      QVERIFY2(!picture->pixmap().isNull(), name);
      QVERIFY2(!picture->accessibleName().isEmpty(), name);
      // A drawing, not a blank: some pixels are far from the white background.
      const QImage image = picture->pixmap().toImage();
      int inked = 0;
      for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) inked += qGray(image.pixel(x, y)) < 128;
      }
      QVERIFY2(inked > 50, name);
    }
  }

  void pickingACoreCodeWritesItsDimensions() {
    Retype(Field("txtCore_C"), "75");
    Pick(W<QListWidget>("lstCore"), "R40-02");
    QCOMPARE(Field("txtCore_A")->text(), QStringLiteral("110"));
    QCOMPARE(Field("txtCore_B")->text(), QStringLiteral("20"));
    QCOMPARE(Field("txtCore_C")->text(), QStringLiteral("75"));
    QCOMPARE(Field("txtCore_D")->text(), QStringLiteral("40"));
    QCOMPARE(Field("txtCore_E")->text(), QStringLiteral("60"));

    // A code without dimensions changes nothing.
    const QString before = Snapshot();
    Pick(W<QListWidget>("lstCore"), "R55-01");
    Pick(W<QListWidget>("lstCore"), "R104-02");
    QCOMPARE(Snapshot(), before);

    // The arrow keys pick too: up from R40-02's neighbours.
    Pick(W<QListWidget>("lstCore"), "R50-02");
    QCOMPARE(Field("txtCore_A")->text(), QStringLiteral("150"));
    QCOMPARE(Field("txtCore_E")->text(), QStringLiteral("100"));
    QTest::keyClick(W<QListWidget>("lstCore"), Qt::Key_Up);
    QCOMPARE(Field("txtCore_A")->text(), QStringLiteral("140"));
    QCOMPARE(Field("txtCore_D")->text(), QStringLiteral("50"));
    QTest::keyClick(W<QListWidget>("lstCore"), Qt::Key_Home);
    QCOMPARE(Field("txtCore_A")->text(), QStringLiteral("120"));
    QCOMPARE(Field("txtCore_D")->text(), QStringLiteral("40"));
    QCOMPARE(Field("txtCore_C")->text(), QStringLiteral("75"));
  }

  void pickingAWireSizeWritesThicknessAndWidth() {
    const struct {
      QString item, thickness, width;
    } cases[] = {
        {"2×8", "2", "8"},     {"4×11.2", "4", "11.2"}, {"0.8×6", "0.8", "6"},
        {"2.5×15", "2.5", "15"}, {"5.5×20", "5.5", "20"}, {"1.6×10", "1.6", "10"},
    };
    for (const auto& c : cases) {
      Pick(W<QListWidget>("lstWinding"), c.item);
      QCOMPARE(Field("txtWireHeight")->text(), c.thickness);
      QCOMPARE(Field("txtWireWidth")->text(), c.width);
    }
    // Walking the whole list with the keyboard never shows anything but plain numbers.
    auto* list = W<QListWidget>("lstWinding");
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count(); ++i) {
      const QString item = list->selectedItems().value(0)->text();
      QCOMPARE(Field("txtWireHeight")->text() + "×" + Field("txtWireWidth")->text(), item);
      QTest::keyClick(list, Qt::Key_Down);
    }
  }

  void aPresetBoxSetsAndLocksTheMaterials() {
    const char* boxes[] = {"cmbRMaterial", "cmbHMaterail", "cmbRmiu", "cmbHmiu"};
    auto* kma = W<QCheckBox>("chkKMA");
    auto* kmc = W<QCheckBox>("chkKMC");

    Click(kmc);
    QVERIFY(kmc->isChecked());
    QCOMPARE(W<QComboBox>("cmbRMaterial")->currentText(), QStringLiteral("KMC"));
    QCOMPARE(W<QComboBox>("cmbHMaterail")->currentText(), QStringLiteral("KMC"));

    Click(kma);
    QVERIFY(kma->isChecked());
    QVERIFY(!kmc->isChecked());
    QCOMPARE(W<QComboBox>("cmbRMaterial")->currentText(), QStringLiteral("KMA"));
    QCOMPARE(W<QComboBox>("cmbHMaterail")->currentText(), QStringLiteral("KMA"));
    QCOMPARE(W<QComboBox>("cmbRmiu")->currentText(), QStringLiteral("60"));
    QCOMPARE(W<QComboBox>("cmbHmiu")->currentText(), QStringLiteral("60"));
    for (const char* name : boxes) QVERIFY2(!W<QComboBox>(name)->isEnabled(), name);
    // The text shown is the list's own item, so the box and its list agree.
    QCOMPARE(W<QComboBox>("cmbRMaterial")->currentIndex(), 0);
    QCOMPARE(W<QComboBox>("cmbRmiu")->currentIndex(), 3);

    // Clearing the checked box frees the boxes and keeps the preset in them.
    Click(kma);
    QVERIFY(!kma->isChecked());
    QVERIFY(!kmc->isChecked());
    for (const char* name : boxes) QVERIFY2(W<QComboBox>(name)->isEnabled(), name);
    QCOMPARE(W<QComboBox>("cmbRMaterial")->currentText(), QStringLiteral("KMA"));
    QCOMPARE(W<QComboBox>("cmbHmiu")->currentText(), QStringLiteral("60"));

    // The space bar is a click too.
    kmc->setFocus();
    QTest::keyClick(kmc, Qt::Key_Space);
    QVERIFY(kmc->isChecked());
    QCOMPARE(W<QComboBox>("cmbHMaterail")->currentText(), QStringLiteral("KMC"));
    for (const char* name : boxes) QVERIFY2(!W<QComboBox>(name)->isEnabled(), name);
  }

  void aPresetOverridesWhatTheUserTypedInTheMaterialBoxes() {
    auto* rod = W<QComboBox>("cmbRMaterial");
    auto* miu = W<QComboBox>("cmbHmiu");
    rod->setFocus();
    rod->lineEdit()->selectAll();
    QTest::keyClicks(rod, "KMX");
    QTest::keyClick(rod, Qt::Key_Return);
    QCOMPARE(rod->currentText(), QStringLiteral("KMX"));
    QCOMPARE(rod->count(), 4);  // typing never adds to the list
    miu->setFocus();
    miu->lineEdit()->selectAll();
    QTest::keyClicks(miu, "90");
    Click(W<QCheckBox>("chkKMA"));
    QCOMPARE(rod->currentText(), QStringLiteral("KMA"));
    QCOMPARE(miu->currentText(), QStringLiteral("60"));
  }

  void checkingABoxFromTheProgramRunsNoPreset() {
    // Only the user's click applies a preset: a program-side check is no click.
    const QString before = Snapshot();
    W<QCheckBox>("chkKMC")->setChecked(true);
    W<QCheckBox>("chkKMC")->setChecked(false);
    W<QCheckBox>("chkKMA")->setChecked(true);
    QCOMPARE(W<QComboBox>("cmbRMaterial")->currentText(), QStringLiteral("请选择材质"));
    QVERIFY(W<QComboBox>("cmbRmiu")->isEnabled());
    W<QCheckBox>("chkKMA")->setChecked(false);
    QCOMPARE(Snapshot(), before);
  }

  void turnsFieldAndScrollBarFollowEachOther() {
    auto* text = Field("txtTurns");
    auto* bar = W<QScrollBar>("hcrollTurns");
    Retype(text, "15");
    QCOMPARE(bar->value(), 15);
    QCOMPARE(text->text(), QStringLiteral("15"));

    // Counts the bar cannot show leave it where it was; the text stays as typed. Each key
    // counts: typing 250 moves the bar to 2, then 25, and the 0 leaves it there.
    const struct {
      const char* typed;
      int bar;
    } typing[] = {{"250", 25}, {"0", 25}, {"", 25}, {"40000", 40}, {"99999999", 99}};
    for (const auto& t : typing) {
      Retype(text, t.typed);
      QCOMPARE(text->text(), QString::fromLatin1(t.typed));
      QCOMPARE(bar->value(), t.bar);
    }
    // A pasted count beyond the bar does not move it at all.
    Retype(text, "15");
    QGuiApplication::clipboard()->setText(QStringLiteral("250"));
    text->selectAll();
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text->text(), QStringLiteral("250"));
    QCOMPARE(bar->value(), 15);
    Retype(text, "200");
    QCOMPARE(bar->value(), 200);
    Retype(text, "1");
    QCOMPARE(bar->value(), 1);

    // Leading zeros: the bar moves and writes its own plain text back, once.
    Retype(text, "007");
    QCOMPARE(bar->value(), 7);
    QCOMPARE(text->text(), QStringLiteral("7"));

    // The bar's keys, arrow buttons and trough write the turns.
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(bar->value(), 200);
    QCOMPARE(text->text(), QStringLiteral("200"));
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(text->text(), QStringLiteral("195"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(text->text(), QStringLiteral("1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
    QCOMPARE(bar->value(), 2);
    QCOMPARE(text->text(), QStringLiteral("2"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(4, bar->height() / 2));
    QCOMPARE(bar->value(), 1);
    QCOMPARE(text->text(), QStringLiteral("1"));
    // A click in the trough right of the handle is the large step.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 30, bar->height() / 2));
    QCOMPARE(text->text(), QStringLiteral("6"));
  }

  void theStructureFollowsTheParallelWireCount() {
    auto* pcs = Field("txtWindingPcs");
    auto* series = W<QRadioButton>("optClass01");
    auto* parallel = W<QRadioButton>("optClass02");

    Retype(pcs, "2");
    QVERIFY(parallel->isEnabled());
    QVERIFY(series->isChecked());  // enabled, not chosen
    Click(parallel);
    QVERIFY(parallel->isChecked());
    QVERIFY(!series->isChecked());

    Retype(pcs, "4");
    QVERIFY(parallel->isChecked());  // the present choice stays

    Retype(pcs, "3");
    QVERIFY(series->isChecked());
    QVERIFY(!parallel->isChecked());
    QVERIFY(!parallel->isEnabled());
    Click(parallel);
    QVERIFY(series->isChecked());

    // An empty field counts as none, which is even.
    Retype(pcs, "");
    QVERIFY(parallel->isEnabled());
    QVERIFY(series->isChecked());
    QTest::keyClicks(pcs, "1");
    QVERIFY(!parallel->isEnabled());
    QTest::keyClicks(pcs, "0");
    QCOMPARE(pcs->text(), QStringLiteral("10"));
    QVERIFY(parallel->isEnabled());
  }

  void aParallelWireCountBeyondSixteenBitsIsRefused() {
    auto* pcs = Field("txtWindingPcs");
    auto* parallel = W<QRadioButton>("optClass02");
    Retype(pcs, "40000");  // the last 0 would overflow the count
    QCOMPARE(pcs->text(), QStringLiteral("4000"));
    QVERIFY(parallel->isEnabled());

    Retype(pcs, "32767");
    QCOMPARE(pcs->text(), QStringLiteral("32767"));
    QVERIFY(!parallel->isEnabled());
    QTest::keyClicks(pcs, "1");
    QCOMPARE(pcs->text(), QStringLiteral("32767"));
    QVERIFY(!parallel->isEnabled());

    // Pasting cannot bring it in either, nor anything the keys would refuse.
    Retype(pcs, "6");
    for (const char* pasted : {"40000", "2.5", "abc", "-2"}) {
      QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
      pcs->selectAll();
      QTest::keyClick(pcs, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(pcs->text(), QStringLiteral("6"));
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    pcs->selectAll();
    QTest::keyClick(pcs, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(pcs->text(), QStringLiteral("12"));
    QVERIFY(parallel->isEnabled());
  }

  void numericFieldsTakeDigitsAndPointsOnly() {
    for (const char* name : {"txtCore_A", "txtCore_B", "txtCore_C", "txtCore_D", "txtCore_E",
                             "txtILrms", "txtILpk", "txtdI", "txtF", "txtWireHeight",
                             "txtWireWidth"}) {
      auto* field = Field(name);
      field->setFocus();
      QTest::keyClicks(field, "a-1,2 .5e+");
      QTest::keyClick(field, Qt::Key_Enter);
      QCOMPARE(field->text(), QStringLiteral("12.5"));
      QTest::keyClick(field, Qt::Key_Backspace);
      QCOMPARE(field->text(), QStringLiteral("12."));
    }
    for (const char* name : {"txtTurns", "txtWindingPcs"}) {
      auto* field = Field(name);
      Retype(field, "1.5a-");
      QCOMPARE(field->text(), QStringLiteral("15"));
    }
    QCOMPARE(W<QScrollBar>("hcrollTurns")->value(), 15);
  }

  void theButtonsChangeNothing() {
    Pick(W<QListWidget>("lstCore"), "R50-01");
    Pick(W<QListWidget>("lstWinding"), "3.5×20");
    Retype(Field("txtCore_C"), "1.2.3");
    Retype(Field("txtILrms"), "10");
    Retype(Field("txtF"), "20");
    Click(W<QCheckBox>("chkKMC"));
    const QString before = Snapshot();
    QTest::mouseClick(W<QPushButton>("cmdCal"), Qt::LeftButton);
    QTest::mouseClick(W<QPushButton>("cmdOutPut"), Qt::LeftButton);
    QCOMPARE(Snapshot(), before);
    QVERIFY(W<QPlainTextEdit>("txtShow")->toPlainText().isEmpty());
  }
};

QTEST_MAIN(FrmDKURdanliraoTest)
#include "frmDKURdanlirao_test.moc"

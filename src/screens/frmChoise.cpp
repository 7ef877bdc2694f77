#include "screens/frmChoise.h"
#include "qt-support/domain_text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTextOption>

#include "design/calculators/catalogue_fit_search.h"
#include "qt-support/platform.h"
#include "qt-support/scrolled_screen.h"
#include "text/web_site.h"
#include "ui_frmChoise.h"

namespace qiro {

frmChoise::frmChoise(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::frmChoise>()) {
  SetUpScrolled(this, *ui_);
  ui_->labURL->setText(ui_->labURL->text() +
                       QString::fromUtf8(kWebSiteAddress.data(),
                                         static_cast<qsizetype>(kWebSiteAddress.size())));
  ui_->cmbCoreCount->setCompleter(nullptr);
  AlignHeadings();

  // txtDianliu_KeyPress, txtDianganliang_KeyPress: digits, point and backspace;
  // cmbCoreCount_KeyPress: digits and backspace only.
  InstallKeyFilter(ui_->txtDianliu, KeyRule::Numeric);
  InstallKeyFilter(ui_->txtDianganliang, KeyRule::Numeric);
  // Typed keys reach the combo box first, which hands them to its line edit directly.
  InstallKeyFilter(ui_->cmbCoreCount, KeyRule::Integer);
  InstallKeyFilter(ui_->cmbCoreCount->lineEdit(), KeyRule::Integer);
  ui_->txtDianliu->installEventFilter(this);
  ui_->labURL->installEventFilter(this);

  connect(ui_->cmdJiSuan, &QAbstractButton::clicked, this, &frmChoise::cmdJiSuan_Click);
  connect(ui_->cmdRequestSample, &QAbstractButton::clicked, this,
          &frmChoise::cmdRequestSample_Click);
}

frmChoise::~frmChoise() = default;

void frmChoise::AlignHeadings() {
  // The list's columns are two TABs apart, and item views keep text layout's default tab
  // stops (80 px unless set): each heading takes that width, from where item text starts.
  const qreal tabStop = QTextOption().tabStopDistance();
  const int column = 2 * static_cast<int>(tabStop > 0 ? tabStop : 80);
  const int indent = ui_->lstResut->frameWidth() +
                     ui_->lstResut->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  ui_->headingRow->setSpacing(0);
  ui_->headingRow->setContentsMargins(indent, 0, 0, 0);
  for (QLabel* heading : {ui_->Label12, ui_->Label13, ui_->Label14, ui_->Label15, ui_->Label16}) {
    heading->setFixedWidth(column);
  }
  // Room for all six columns, the thick-wire note included, and a dozen lines.
  const QFontMetrics metrics(ui_->lstResut->font());
  ui_->lstResut->setMinimumSize(
      indent + 5 * column + metrics.horizontalAdvance(TranslateDomainText(QStringLiteral(">2.15 建议多股线"))) +
          style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8 * metrics.averageCharWidth(),
      15 * metrics.lineSpacing());
}

bool frmChoise::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->txtDianliu && event->type() == QEvent::FocusIn) txtDianliu_GotFocus();
  if (watched == ui_->labURL && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    labURL_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmChoise::txtDianliu_GotFocus() {
  if (ui_->txtDianliu->text() == QLatin1String("0")) ui_->txtDianliu->clear();
}

void frmChoise::ShowInputProblem(FitInputProblem problem) {
  using P = FitInputProblem;
  QString text;
  switch (problem) {
    case P::None: return;
    case P::CoreCountMissing: text = tr("对不起，请选择磁芯个数！"); break;
    case P::CoreCountOutOfRange: text = tr("对不起，磁芯个数超出范围！"); break;
    case P::CurrentEmpty: text = tr("对不起，请输入电流！"); break;
    case P::CurrentNotNumeric: text = tr("对不起，电流大小为数字！"); break;
    case P::CurrentNotPositive: text = tr("对不起，请输入电流大小！"); break;
    case P::InductanceEmpty: text = tr("对不起，请输入电感量的大小！"); break;
    case P::InductanceNotNumeric: text = tr("对不起，电感量大小为数字，请重新输入！"); break;
    case P::InductanceNotPositive: text = tr("对不起，请输入电感量大小！"); break;
    case P::CurrentBeyondRange: text = tr("电流超出数值范围！"); break;
    case P::InductanceBeyondRange: text = tr("电感量超出数值范围！"); break;
  }
  ShowMessage(this, text, tr("错误提示"), QMessageBox::NoIcon);
}

void frmChoise::cmdJiSuan_Click() {
  ui_->lstResut->clear();
  const FitInputs in = ReadFitInputs(ui_->txtDianliu->text().toStdString(),
                                     ui_->txtDianganliang->text().toStdString(),
                                     ui_->cmbCoreCount->currentText().toStdString());
  if (in.Problem != FitInputProblem::None) {
    ShowInputProblem(in.Problem);
    return;
  }
  const auto lines = CatalogueFitSearch(in.CoreCount, in.Current, in.Inductance);
  if (lines) {
    // One insertion for the whole list: the view relays out once, not once per line.
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines->size()));
    for (const std::string& line : *lines) items << TranslateDomainText(QString::fromStdString(line));
    ui_->lstResut->addItems(items);
  }
  if (ui_->lstResut->count() == 0) {
    ShowMessage(this,
                tr("没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。"),
                kApplicationTitle, QMessageBox::NoIcon);
  }
}

void frmChoise::cmdRequestSample_Click() { OpenWebPage(this, kSampleRequestCnPath); }

void frmChoise::labURL_Click() { OpenWebPage(this, kHomePagePath); }

}  // namespace qiro

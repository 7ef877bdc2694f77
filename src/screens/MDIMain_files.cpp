// The File menu's design files: open, save and the recent ones. They act on the toroid
// calculator, which holds the design; the file's reading and wording live in qt-support.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <variant>

#include "design/calculators/calculator_design.h"
#include "design/exchange/design_document.h"
#include "qt-support/design_file.h"
#include "qt-support/platform.h"
#include "screens/MDIMain.h"
#include "screens/frmDiangan.h"

namespace qiro {
namespace {

const QString kRecentKey = QStringLiteral("RecentDesigns");
constexpr int kMostRecentDesigns = 8;

QStringList RecentDesigns() { return QSettings().value(kRecentKey).toStringList(); }

void KeepRecentDesigns(const QStringList& paths) { QSettings().setValue(kRecentKey, paths); }

DesignDocument ToDocument(const CalculatorDesign& design, const QString& note) {
  DesignDocument document;
  document.Core = design.PartNumber;
  document.CoreCount = static_cast<float>(design.CoreCount);
  document.FrequencyKHz = static_cast<float>(design.FrequencyKHz.value_or(0));
  document.AverageCurrent = static_cast<float>(design.AverageCurrent);
  document.PeakCurrent = static_cast<float>(design.PeakCurrent);
  document.RippleCurrent = static_cast<float>(design.RippleCurrent.value_or(0));
  document.WireDiameter = design.WireDiameter;
  document.StrandCount = static_cast<std::int16_t>(design.StrandCount);
  document.Turns = static_cast<std::int16_t>(design.Turns);
  document.AmbientTemperature = design.AmbientTemperature.value_or(25);
  document.Note = note.toStdString();
  document.InConverter = design.InConverter;
  return document;
}

CalculatorDesign FromDocument(const DesignDocument& document) {
  CalculatorDesign design;
  design.PartNumber = document.Core;
  design.CoreCount = static_cast<int>(document.CoreCount);
  design.WireDiameter = document.WireDiameter;
  design.StrandCount = document.StrandCount;
  design.Turns = document.Turns;
  design.AverageCurrent = document.AverageCurrent;
  design.PeakCurrent = document.PeakCurrent;
  design.RippleCurrent = document.RippleCurrent;
  design.FrequencyKHz = document.FrequencyKHz;
  design.AmbientTemperature = document.AmbientTemperature;
  design.InConverter = document.InConverter;
  return design;
}

}  // namespace

void MDIMain::BuildDesignFileMenu() {
  QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("meuFile"));
  QAction* before = file ? file->findChild<QAction*>(QStringLiteral("meuRequestSample")) : nullptr;
  if (!file || !before) return;
  auto* open = new QAction(tr("打开设计…"), file);
  open->setObjectName(QStringLiteral("meuOpenDesign"));
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, &MDIMain::meuOpenDesign_Click);
  auto* save = new QAction(tr("保存设计…"), file);
  save->setObjectName(QStringLiteral("meuSaveDesign"));
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &MDIMain::meuSaveDesign_Click);
  recentMenu_ = new QMenu(tr("最近的设计"), file);
  recentMenu_->setObjectName(QStringLiteral("meuRecentDesigns"));
  recentMenu_->menuAction()->setObjectName(QStringLiteral("meuRecentDesigns"));
  file->insertAction(before, open);
  file->insertAction(before, save);
  file->insertMenu(before, recentMenu_);
  file->insertSeparator(before)->setObjectName(QStringLiteral("space_files"));
  RefreshRecentDesigns();
}

void MDIMain::RefreshRecentDesigns() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  const QStringList paths = RecentDesigns();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    // "&1 name.qiro" with the folder as its tip: the names are what a user recognises.
    QAction* entry = recentMenu_->addAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    entry->setObjectName(QStringLiteral("meuRecentDesign%1").arg(i + 1));
    entry->setToolTip(QDir::toNativeSeparators(path));
    entry->setStatusTip(QDir::toNativeSeparators(path));
    entry->setData(path);
    connect(entry, &QAction::triggered, this, [this, path] { OpenRecentDesign(path); });
  }
  recentMenu_->menuAction()->setEnabled(!paths.isEmpty());
}

void MDIMain::RememberRecentDesign(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = RecentDesigns();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  while (paths.size() > kMostRecentDesigns) paths.removeLast();
  KeepRecentDesigns(paths);
  RefreshRecentDesigns();
}

void MDIMain::OpenRecentDesign(const QString& path) {
  if (!QFileInfo::exists(path)) {
    QStringList paths = RecentDesigns();
    paths.removeAll(path);
    KeepRecentDesigns(paths);
    RefreshRecentDesigns();
    ShowMessage(this, tr("设计文件已不存在，已从最近的设计中移除：%1").arg(QDir::toNativeSeparators(path)));
    return;
  }
  OpenDesignFile(path);
}

void MDIMain::meuOpenDesign_Click() {
  QPointer<MDIMain> alive(this);
  const QString path = AskOpenFileName(this, tr("打开设计"), DesignFileFilter());
  if (!alive || path.isEmpty()) return;
  OpenDesignFile(path);
}

bool MDIMain::OpenDesignFile(const QString& path) {
  const auto loaded = LoadDesignFile(path);
  if (const auto* refusal = std::get_if<DesignFileRefusal>(&loaded)) {
    ShowMessage(this, OpenDesignRefusalText(*refusal), tr("错误"), QMessageBox::Warning);
    return false;
  }
  const DesignDocument& document = std::get<DesignDocument>(loaded);
  OpenCalculatorWith(FromDocument(document));
  designNote_ = QString::fromStdString(document.Note);
  designFolder_ = QFileInfo(path).absolutePath();
  RememberRecentDesign(path);
  return true;
}

void MDIMain::meuSaveDesign_Click() {
  QPointer<MDIMain> alive(this);
  menToroidalL_Click();
  QPointer<frmDiangan> calculator =
      qobject_cast<frmDiangan*>(children_[QStringLiteral("frmDiangan")].data());
  if (!calculator) return;
  const auto held = calculator->HeldDesign();
  if (const auto* why = std::get_if<QString>(&held)) {
    ShowMessage(this, tr("无法保存设计：%1").arg(*why), tr("错误"), QMessageBox::Warning);
    return;
  }
  const CalculatorDesign& design = std::get<CalculatorDesign>(held);
  const std::optional<QString> note = AskText(this, tr("保存设计"), tr("备注"), designNote_);
  if (!alive || !note) return;
  const DesignDocument document = ToDocument(design, *note);
  if (const auto fault = CheckDesignDocument(document)) {
    ShowMessage(this, tr("无法保存设计文件：%1").arg(DesignFileReasonText(*fault)), tr("错误"),
                QMessageBox::Warning);
    return;
  }
  const QString proposed =
      QDir(designFolder_.isEmpty() ? QDir::homePath() : designFolder_)
          .filePath(QStringLiteral("%1_%2T.qiro").arg(QString::fromStdString(design.PartNumber)).arg(design.Turns));
  QString path = AskSaveFileName(this, tr("保存设计"), proposed, DesignFileFilter());
  if (!alive || path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".qiro");
  const std::string text = WriteDesignDocument(document);
  if (const auto error = WriteWholeFile(path, QByteArray::fromStdString(text))) {
    ShowMessage(this, tr("无法保存设计文件：%1").arg(*error), tr("错误"), QMessageBox::Warning);
    return;
  }
  designNote_ = *note;
  designFolder_ = QFileInfo(path).absolutePath();
  RememberRecentDesign(path);
}

}  // namespace qiro

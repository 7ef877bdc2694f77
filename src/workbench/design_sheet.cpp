#include "workbench/design_sheet.h"

#include "design/analysis/converter_operation.h"
#include "qt-support/domain_text.h"

#include <QApplication>
#include <QBuffer>
#include <QChartView>
#include <QDate>
#include <QRawFont>
#include <map>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "design/analysis/converter_operation.h"
#include "qt-support/domain_text.h"
#include "workbench/DesignCurves.h"
#include "qt-support/application_setup.h"
#include "text/number_text.h"

namespace qiro {
namespace {

QString Number(float value) { return QString::fromStdString(GeneralNumberText(value)); }

QString Footer(int page, int pages) {
  return QStringLiteral("QIROMagnetic %1 · %2 · %3/%4")
      .arg(QStringLiteral(QIRO_VERSION), QDate::currentDate().toString(Qt::ISODate))
      .arg(page)
      .arg(pages);
}

// The verdicts in either language (the English as TranslateDomainText writes them).
QColor VerdictColour(const QString& line) {
  const auto any = [&line](std::initializer_list<const char16_t*> verdicts) {
    for (const char16_t* verdict : verdicts) {
      if (line.contains(QString::fromUtf16(verdict))) return true;
    }
    return false;
  };
  if (any({u"（过高）", u"（过低）", u"(too high)", u"(too low)"})) return QColor(0xc4, 0x1e, 0x1e);
  if (any({u"（偏高）", u"（偏低）", u"(high)", u"(low)"})) return QColor(0xb3, 0x59, 0x00);
  if (any({u"（正常）", u"(normal)"})) return QColor(0x1b, 0x7a, 0x34);
  return Qt::black;
}

// Writes lines top to bottom from y; each line is one text run, so a reader of the file
// finds it whole. Returns the y below the last line.
int Lines(QPainter& painter, int x, int y, const QStringList& lines, bool coloured = false) {
  const QFontMetrics metrics(painter.font(), painter.device());
  for (const QString& line : lines) {
    painter.setPen(coloured ? VerdictColour(line) : QColor(Qt::black));
    painter.drawText(x, y + metrics.ascent(), line);
    y += metrics.lineSpacing();
  }
  painter.setPen(Qt::black);
  return y;
}

int Heading(QPainter& painter, int x, int y, const QString& text, const QFont& base) {
  QFont bold = base;
  bold.setBold(true);
  bold.setPointSizeF(base.pointSizeF() * 1.2);
  painter.setFont(bold);
  const QFontMetrics metrics(bold, painter.device());
  painter.drawText(x, y + metrics.ascent(), text);
  painter.setFont(base);
  return y + metrics.lineSpacing() * 3 / 2;
}

// The Simplified Chinese family of the sheet, embedded in the file so it prints anywhere.
QString ChineseFamily() {
  return PreferredChineseFamily().value_or(QApplication::font().family());
}

// Latin letters and digits from a Latin family: the CJK font shapes some digit runs with
// glyphs that its character map does not name, and a reader of the file would lose them.
QFont SheetFont() {
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("DejaVu Sans"), ChineseFamily()});
  font.setPointSizeF(9.5);
  return font;
}

// For each radical whose glyph the font shares with an ideograph, that ideograph: "⾼"
// (U+2FBC) is drawn as "高" (U+9AD8). Unicode names some of these pairs; the font all of them.
class IdeographOfRadical {
 public:
  explicit IdeographOfRadical(const QFont& font) : raw_(QRawFont::fromFont(font)) {}
  char16_t operator()(char16_t code) {
    if (code < 0x2E80 || code > 0x2FDF) return code;
    const QString decomposed = QChar(code).decomposition();
    if (decomposed.size() == 1) return decomposed.at(0).unicode();
    if (!raw_.isValid()) return code;
    if (byGlyph_.empty()) {
      QString ideographs;
      for (char16_t c = 0x4E00; c <= 0x9FFF; ++c) ideographs.append(QChar(c));
      const QList<quint32> glyphs = raw_.glyphIndexesForString(ideographs);
      for (qsizetype i = glyphs.size() - 1; i >= 0; --i) {
        if (glyphs[i] != 0) byGlyph_[glyphs[i]] = static_cast<char16_t>(0x4E00 + i);
      }
    }
    const QList<quint32> glyph = raw_.glyphIndexesForString(QString(QChar(code)));
    if (glyph.isEmpty() || glyph.first() == 0) return code;
    const auto found = byGlyph_.find(glyph.first());
    return found == byGlyph_.end() ? code : found->second;
  }

 private:
  QRawFont raw_;
  std::map<quint32, char16_t> byGlyph_;
};

// The CJK font draws a radical and its ideograph with one glyph, and the PDF writer names
// that glyph by the lowest code point that uses it: the radical. Text copied or searched in
// the file would then read "⾼度" for "高度". The destinations of each ToUnicode map are put
// right in place; every code keeps its four hex digits, so no offset in the file moves.
void RestoreIdeographs(QByteArray& pdf, IdeographOfRadical& ideographOf) {
  qsizetype at = 0;
  while ((at = pdf.indexOf("begincmap", at)) >= 0) {
    const qsizetype end = pdf.indexOf("endcmap", at);
    if (end < 0) return;
    bool inRange = false;
    bool inChar = false;
    qsizetype line = at;
    while (line < end) {
      qsizetype next = pdf.indexOf('\n', line);
      if (next < 0 || next > end) next = end;
      const QByteArray text = pdf.mid(line, next - line);
      if (text.endsWith("beginbfrange")) inRange = true;
      if (text.endsWith("endbfrange")) inRange = false;
      if (text.endsWith("beginbfchar")) inChar = true;
      if (text.endsWith("endbfchar")) inChar = false;
      if ((inRange || inChar) && text.startsWith('<')) {
        // Sources first (two in a range, one for a single code), then destinations.
        int token = 0;
        const int sources = inRange ? 2 : 1;
        for (qsizetype i = line; i + 5 < next; ++i) {
          if (pdf.at(i) != '<' || pdf.at(i + 5) != '>') continue;
          if (token++ < sources) continue;
          bool ok = false;
          const uint code = pdf.mid(i + 1, 4).toUInt(&ok, 16);
          if (!ok) continue;
          const char16_t unified = ideographOf(static_cast<char16_t>(code));
          if (unified != code) {
            pdf.replace(i + 1, 4, QByteArray::number(unified, 16).toUpper().rightJustified(4, '0'));
          }
        }
      }
      line = next + 1;
    }
    at = end;
  }
}

}  // namespace

DesignSheet MakeDesignSheet(const CurveDesign& d, const QStringList& report,
                            const QStringList& assessment, double ambientTemperature) {
  DesignSheet sheet;
  const QString part = QString::fromStdString(d.Core.PartNumber);
  sheet.title = QCoreApplication::translate("qiro::DesignSheet", "电感设计：%1 × %2个磁芯，%3圈，线径%4 mm × %5根")
                    .arg(part, Number(d.CoreCount))
                    .arg(d.Turns)
                    .arg(Number(d.WireDiameter))
                    .arg(d.StrandCount);
  sheet.inputs = {
      QCoreApplication::translate("qiro::DesignSheet", "磁芯型号：%1").arg(part),
      QCoreApplication::translate("qiro::DesignSheet", "磁芯个数：%1").arg(Number(d.CoreCount)),
      QCoreApplication::translate("qiro::DesignSheet", "平均电流：%1 A").arg(Number(d.AverageCurrent)),
      QCoreApplication::translate("qiro::DesignSheet", "峰值电流：%1 A").arg(Number(d.PeakCurrent)),
      QCoreApplication::translate("qiro::DesignSheet", "纹波电流：%1 A").arg(Number(d.RippleCurrent)),
      QCoreApplication::translate("qiro::DesignSheet", "频率：%1 kHz").arg(Number(d.FrequencyKHz)),
      QCoreApplication::translate("qiro::DesignSheet", "线径：%1 mm").arg(Number(d.WireDiameter)),
      QCoreApplication::translate("qiro::DesignSheet", "铜线根数：%1").arg(d.StrandCount),
      QCoreApplication::translate("qiro::DesignSheet", "绕线圈数：%1").arg(d.Turns),
      QCoreApplication::translate("qiro::DesignSheet", "环境温度：%1 °C").arg(QString::fromStdString(GeneralNumberText(ambientTemperature))),
  };
  if (d.InConverter) {
    sheet.inputs << TranslateDomainText(QString::fromStdString("工作条件：" + ConverterSummary(*d.InConverter)));
  }
  sheet.report = report;
  sheet.assessment = assessment;
  sheet.curves = d;
  sheet.ambientTemperature = ambientTemperature;
  return sheet;
}

int PaintDesignSheet(const DesignSheet& sheet, QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QPainter painter(&device);
  if (!painter.isActive()) return 0;
  const QRect page = painter.viewport();
  const int pages = sheet.curves ? 2 : 1;
  const QFont base = SheetFont();
  QFont small = base;
  small.setPointSizeF(8);
  const QFontMetrics footerMetrics(small, &device);
  const int footerY = page.bottom() - footerMetrics.height();
  auto footer = [&](int number) {
    painter.setFont(small);
    painter.setPen(Qt::darkGray);
    painter.drawText(page.left(), footerY + footerMetrics.ascent(), Footer(number, pages));
    painter.setPen(Qt::black);
    painter.setFont(base);
  };

  // Page 1: title, inputs, report, assessment.
  QFont title = base;
  title.setPointSizeF(14);
  title.setBold(true);
  painter.setFont(title);
  const QFontMetrics titleMetrics(title, &device);
  painter.drawText(page.left(), page.top() + titleMetrics.ascent(), sheet.title);
  int y = page.top() + titleMetrics.lineSpacing() * 2;
  painter.setFont(base);
  const int column = page.width() / 2;
  const int top = y;
  y = Heading(painter, page.left(), y, QCoreApplication::translate("qiro::DesignSheet", "输入参数"), base);
  y = Lines(painter, page.left(), y, sheet.inputs);
  int right = Heading(painter, page.left() + column, top, QCoreApplication::translate("qiro::DesignSheet", "设计评估"), base);
  right = Lines(painter, page.left() + column, right, sheet.assessment, true);
  y = std::max(y, right) + QFontMetrics(base, &device).lineSpacing();
  y = Heading(painter, page.left(), y, QCoreApplication::translate("qiro::DesignSheet", "计算结果"), base);
  Lines(painter, page.left(), y, sheet.report);
  footer(1);
  if (!sheet.curves) return 1;

  // Page 2: the curves window's charts, painted as vector graphics.
  device.newPage();
  y = Heading(painter, page.left(), page.top(), QCoreApplication::translate("qiro::DesignSheet", "曲线"), base);
  auto curves = std::make_unique<DesignCurves>(nullptr);
  curves->setAttribute(Qt::WA_DontShowOnScreen);
  curves->SetAmbientTemperature(sheet.ambientTemperature);
  curves->Follow(*sheet.curves);
  curves->resize(1200, 1000);
  curves->show();
  QApplication::sendPostedEvents();
  QList<QChartView*> views;
  QStringList notes;
  for (QChartView* view : curves->findChildren<QChartView*>()) {
    if (view->isVisibleTo(curves.get())) views << view;
  }
  for (QLabel* label : curves->findChildren<QLabel*>()) {
    if (label->objectName().endsWith(QStringLiteral("Note")) && label->isVisibleTo(curves.get()) &&
        !label->text().isEmpty()) {
      notes << label->text();
    }
  }
  const int gap = page.width() / 40;
  const int cellWidth = (page.width() - gap) / 2;
  const int cellHeight = cellWidth * 10 / 13;
  for (qsizetype i = 0; i < views.size(); ++i) {
    const QRect target(page.left() + static_cast<int>(i % 2) * (cellWidth + gap),
                       y + static_cast<int>(i / 2) * (cellHeight + gap), cellWidth, cellHeight);
    if (target.bottom() > footerY) break;
    QChartView* view = views[i];
    // About the size it has on screen, so its text keeps a readable size on paper.
    view->resize(520, 400);
    view->chart()->resize(view->size());
    view->render(&painter, target, view->viewport()->rect());
  }
  const int rows = static_cast<int>((views.size() + 1) / 2);
  y += rows * (cellHeight + gap);
  if (!notes.isEmpty() && y < footerY) Lines(painter, page.left(), y, notes);
  footer(2);
  return 2;
}

QByteArray DesignSheetPdf(const DesignSheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setTitle(sheet.title);
    writer.setCreator(QStringLiteral("QIROMagnetic " QIRO_VERSION));
    if (PaintDesignSheet(sheet, writer) == 0) return {};
  }
  IdeographOfRadical ideographOf{QFont(ChineseFamily())};
  RestoreIdeographs(bytes, ideographOf);
  return bytes;
}

QString DesignFileName(const CurveDesign& design, const QString& ending) {
  QString part = QString::fromStdString(design.Core.PartNumber);
  // A file name from a part number: nothing a file system or a shell would stumble on.
  for (QChar& c : part) {
    if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))) c = QLatin1Char('_');
  }
  return QStringLiteral("%1_%2T%3").arg(part).arg(design.Turns).arg(ending);
}

}  // namespace qiro

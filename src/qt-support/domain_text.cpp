#include "qt-support/domain_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <vector>

#include "qt-support/application_setup.h"

namespace qiro {
namespace {

// Every label the domain library puts into text for the screens. Longer labels are replaced
// before the shorter ones inside them, the punctuation last.
const char* const kLabels[] = {
    // The toroid report and the core's data (ReportText, CoreInfoText).
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯型号："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯料号："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯个数："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "频率："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "平均电流："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "峰值电流："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "纹波电流："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "铜线线径："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "电流密度："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "直流电阻："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁损："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "铜损："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "总损耗："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "超出损耗模型范围"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "涂层前尺寸：外径×内径×高度="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "涂层后尺寸：外径×内径×高度="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "电感系数："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "有效磁路长度："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯截面积："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯体积："),
    // The candidate's report (DescribeCandidate).
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁芯尺寸：外径×内径×高度="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "线径："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "绕线圈数："),
    // The selection screens' list lines and the current density caption.
    QT_TRANSLATE_NOOP("qiro::DomainText", "  电流密度="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "；线径="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "；绕线根数="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "；绕线圈数="),
    QT_TRANSLATE_NOOP("qiro::DomainText", "电流密度="),
    QT_TRANSLATE_NOOP("qiro::DomainText", " 建议多股线"),
    // The assessment (AssessmentText, AssessmentRefusalText).
    QT_TRANSLATE_NOOP("qiro::DomainText", "绕组层数："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "层"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "绕线厚度："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "绕后外径×高度："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "散热面积："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "直流铜损："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "交流铜损："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "Dowell系数："),
    QT_TRANSLATE_NOOP("qiro::DomainText", " W（磁损"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "温升："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "绕组温度："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "峰值电感保持率："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "正常"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "偏高"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "过高"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "偏低"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "过低"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "方案不含频率和纹波："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁损和交流铜损按0计"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "无法评估：绕组放不进磁芯内孔"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "无法评估：磁损超出损耗模型范围"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "无法评估：绕组温度将超过500 °C，无稳定温度"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "无法评估：输入无法评估"),
    // The assessment in a converter (DirectCurrentHeading, ConverterAssessmentText,
    // ConverterSummary).
    QT_TRANSLATE_NOOP("qiro::DomainText", "直流加对称纹波的评估："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "变换器中的评估："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "工作条件："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁损模型：iGSE，线周期平均"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "磁损模型：iGSE，伏秒"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "最大电流："),
    QT_TRANSLATE_NOOP("qiro::DomainText", " A；最大纹波："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "逆变LC"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "正激"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "推挽"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "全桥"),
    // The reactor screen's prompts (kUr…Prompt).
    QT_TRANSLATE_NOOP("qiro::DomainText", "请选择材质"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "请选择磁导率"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "请选择DC"),
    // Full-width punctuation left between the labels and the numbers.
    QT_TRANSLATE_NOOP("qiro::DomainText", " （"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "（"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "）"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "："),
    QT_TRANSLATE_NOOP("qiro::DomainText", "；"),
    QT_TRANSLATE_NOOP("qiro::DomainText", "，"),
};

// Longest first; translated at each use, so a change of language takes effect at once.
const std::vector<const char*>& LabelsLongestFirst() {
  static const std::vector<const char*> labels = [] {
    std::vector<const char*> list(std::begin(kLabels), std::end(kLabels));
    std::stable_sort(list.begin(), list.end(), [](const char* a, const char* b) {
      return QString::fromUtf8(a).size() > QString::fromUtf8(b).size();
    });
    return list;
  }();
  return labels;
}

}  // namespace

QString TranslateDomainText(const QString& text) {
  if (CurrentLanguage() != Language::English) return text;
  QString result = text;
  for (const char* label : LabelsLongestFirst()) {
    result.replace(QString::fromUtf8(label), QCoreApplication::translate("qiro::DomainText", label));
  }
  return result;
}

}  // namespace qiro

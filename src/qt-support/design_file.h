#pragma once
// Design files on disk: reading one whole (never more than the format allows), and the
// message for a refusal in the interface language.
#include <QString>
#include <variant>

#include "design/exchange/design_document.h"

namespace qiro {

// The file's design, or why it cannot be opened (a folder, unreadable, too large, or any
// refusal of the reader). The file is not read past its allowed size.
std::variant<DesignDocument, DesignFileRefusal> LoadDesignFile(const QString& path);

// "无法打开设计文件：…" / "Cannot open the design file: …" with the reason naming the field.
QString OpenDesignRefusalText(const DesignFileRefusal& refusal);

// The reason alone, in the interface language.
QString DesignFileReasonText(const DesignFileRefusal& refusal);

// The file name filter of the open and save dialogs.
QString DesignFileFilter();

}  // namespace qiro

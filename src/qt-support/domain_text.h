#pragma once
#include <QString>

namespace qiro {

// The domain library writes its reports and list lines in Chinese and knows nothing of Qt.
// In English this replaces each of their known Chinese labels (and the full-width
// punctuation around them) with its translation from the "qiro::DomainText" context, leaving
// every number, unit and part number exactly as produced. In Chinese it returns the text as is.
QString TranslateDomainText(const QString& text);

}  // namespace qiro

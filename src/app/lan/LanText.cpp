#include "app/lan/LanText.h"

namespace zendral::lan {

QString LanQtText(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  return text;
}

QString LanText(const TWordRow& row) {
  return LanQtText(Word(row));
}

}  // namespace zendral::lan

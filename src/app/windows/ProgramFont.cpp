#include "app/windows/ProgramFont.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

namespace zendral {

void UseProgramFont() {
  const QStringList faces = {QString::fromLatin1(kProgramFontFamily),
                             QString::fromLatin1(kProgramFontFallback)};
  // A family the machine does not have is looked up in the substitutions before the system's
  // own fallback, so these names never reach the face without Cyrillic letters.
  QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), faces);
  QFont font = QApplication::font();
  font.setFamilies(faces);
  QApplication::setFont(font);
}

QString ResolvedFamily(const QString& requested) {
  return QFontInfo(QFont(requested)).family();
}

}  // namespace zendral

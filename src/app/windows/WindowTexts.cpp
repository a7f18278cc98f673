#include "app/windows/WindowTexts.h"

#include "store/Settings.h"

namespace zendral {

QString QtText(std::string_view text) {
  QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  return out;
}

QString WordText(const TWordRow& row) {
  return QtText(Word(row));
}

QLocale LocaleOf(int language) {
  switch (ValidLanguage(language)) {
    case kRussian:
      return QLocale(QLocale::Russian, QLocale::Russia);
    case kGerman:
      return QLocale(QLocale::German, QLocale::Germany);
    case kFrench:
      return QLocale(QLocale::French, QLocale::France);
    case kSpanish:
      return QLocale(QLocale::Spanish, QLocale::Spain);
    case kChinese:
      return QLocale(QLocale::Chinese, QLocale::China);
    case kItalian:
      return QLocale(QLocale::Italian, QLocale::Italy);
    case kCzech:
      return QLocale(QLocale::Czech, QLocale::CzechRepublic);
    case kJapanese:
      return QLocale(QLocale::Japanese, QLocale::Japan);
    case kKorean:
      return QLocale(QLocale::Korean, QLocale::SouthKorea);
    default:
      return QLocale(QLocale::English, QLocale::UnitedKingdom);
  }
}

QString UpperTitle(const TWordRow& title) {
  return LocaleOf(Language()).toUpper(WordText(title));
}

void SetLanguage(Settings& settings, int language) {
  settings.Language = ValidLanguage(language);
  UseLanguage(settings.Language);
}

}  // namespace zendral

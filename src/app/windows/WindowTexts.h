#pragma once
// Texts of the secondary windows: the word tables' UTF-8 turned into Qt text at the window's
// edge, the language switch, and the upper-casing of window titles.

#include <QLocale>
#include <QString>
#include <string_view>

#include "present/words/Words.h"

namespace zendral {

struct Settings;

// UTF-8 to QString; a line break of the word tables ("\n\r") becomes one newline.
QString QtText(std::string_view text);
// A row of the word tables in the current language, as Qt text.
QString WordText(const TWordRow& row);

// The locale of a language index, for its upper-casing and number forms.
QLocale LocaleOf(int language);
// A window title as the ribbon shows it: upper case by the rules of the current language.
QString UpperTitle(const TWordRow& title);

// The language chooser's change: the program-wide language of the word tables and the setting
// that is saved with the others. An index outside 0..9 gives English. The windows that are
// open re-caption themselves (ApplyLanguage); windows opened later read the new language.
void SetLanguage(Settings& settings, int language);

}  // namespace zendral

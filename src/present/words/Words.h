#pragma once
// The word tables: every text the player sees exists in ten languages, and a window asks for a
// text by its row and the current language. The rows are constants of the program (WordRows.h,
// CalendarWords.h); there is no translation file to load at run time.
//
// Texts are UTF-8. A line break inside a text is the two characters LF then CR ("\n\r"), the
// form the program's message boxes expect; the windows turn it into one line break.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zendral {

inline constexpr int kLanguageCount = 10;

// Language indices (`Language`), in the order of the texts of a row.
inline constexpr int kEnglish = 0;
inline constexpr int kRussian = 1;
inline constexpr int kGerman = 2;
inline constexpr int kFrench = 3;
inline constexpr int kSpanish = 4;
inline constexpr int kChinese = 5;
inline constexpr int kItalian = 6;
inline constexpr int kCzech = 7;
inline constexpr int kJapanese = 8;
inline constexpr int kKorean = 9;

// English when the settings file is missing or holds no valid language.
inline constexpr int kDefaultLanguage = kEnglish;

// One text in the ten languages, in the order of the language indices.
using TWordRow = std::array<std::string_view, kLanguageCount>;

// A text with two variants, chosen by the caller: the header of the club list on the main menu,
// variant 1 for the list by score and variant 2 for the list by rating (`ClubListMode`).
using TWordRow2 = std::array<TWordRow, 2>;

constexpr bool IsLanguage(int language) {
  return language >= 0 && language < kLanguageCount;
}

// The language itself when it is one of the ten, otherwise the default.
constexpr int ValidLanguage(int language) {
  return IsLanguage(language) ? language : kDefaultLanguage;
}

// The text of a row in a language; an index outside 0..9 reads as the default language, so a
// damaged setting can never index past the row.
constexpr std::string_view Word(const TWordRow& row, int language) {
  return row[static_cast<std::size_t>(ValidLanguage(language))];
}

// Variant 1 or 2 of a double row; any other variant reads as 1, as the settings reader does.
constexpr std::string_view Word(const TWordRow2& row, int variant, int language) {
  return Word(row[variant == 2 ? 1 : 0], language);
}

// The decimal separator players of a language write: "." in English, Chinese, Japanese and
// Korean, "," in the others.
constexpr char DecimalSeparator(int language) {
  switch (ValidLanguage(language)) {
    case kEnglish:
    case kChinese:
    case kJapanese:
    case kKorean:
      return '.';
    default:
      return ',';
  }
}

// The program-wide language (`Language`). It starts as the default; UseLanguage keeps it within
// 0..9. The program runs on one thread, so this is plain state.
int Language();
void UseLanguage(int language);

// The same lookups in the program-wide language.
std::string_view Word(const TWordRow& row);
std::string_view Word(const TWordRow2& row, int variant);

// Three-letter code of a language for picture names ("GFormOpt" + code). Japanese and Korean
// have no pictures of their own and use the English ones ("Eng").
std::string_view PictureCode(int language);

// Label of the language in the language chooser, the same in every language ("Русский").
std::string_view LanguageLabel(int language);

// Name of the flag picture of the Options window: "FlagO" + the picture code, except that
// Japanese and Korean have flags of their own ("FlagOJap", "FlagOKor").
std::string FlagPictureName(int language);

// The small flag drawn beside a label in the language chooser: an entry of one of the continent
// flag lists of the country chooser ('E' the European list ILEuro, 'A' the Asian list ILAsia).
struct TChooserFlag {
  char continent = 'E';
  int index = 0;
};
TChooserFlag ChooserFlag(int language);

// The language stored as one character of the settings file. "0" … "9" are the ten languages.
// "a" … "k" name languages 10 … 20 of the wider family of games, which these tables do not
// have; they read as the default language, like any other character.
int LanguageFromStoredChar(char stored);
// The character written for a language ('0' … '9'; the default for an invalid index).
char StoredLanguageChar(int language);

// Every row by its name in the code, for the support tool and the tests. The two variants of a
// double row are listed as "name/1" and "name/2".
struct TNamedWordRow {
  std::string_view name;
  const TWordRow* row;
};
std::span<const TNamedWordRow> AllWordRows();

}  // namespace zendral

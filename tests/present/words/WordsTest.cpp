#include "present/words/Words.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "present/words/WordRows.h"

namespace zendral {
namespace {

constexpr std::string_view kCodes[kLanguageCount] = {"en", "ru", "de", "fr", "es",
                                                     "zh", "it", "cs", "ja", "ko"};

// Rows whose text in a language is deliberately the English one: names and brand words, the
// list titles that the program shows in one form, and words that really are the same there.
// Every other non-English text must differ from the English one, so a row that was copied but
// never translated shows up here.
const std::map<std::string_view, std::string_view> kSameAsEnglish = {
    {"kWordHistoryPar", "fr es it cs"},  // the word of golf, the same in these languages
    {"kWordHistoryPlace", "fr"},
    {"kWordTitle", "all"},
    {"kWordMrX", "all"},
    {"kWordWindowsLocalGames", "all"},
    {"kWordWindowsNetGames", "all"},
    {"kWordWindowsOnlineTournament", "all"},
    {"kWordWindowsScoreCycle", "all"},
    {"kWordAndroidScoreCycle", "all"},
    {"kWordAccountScoreCycle", "all"},
    {"kWordAccountRatingAll", "all"},
    {"kWordWorldTopTen", "all"},
    {"kWordDeckDoods", "all"},
    {"kWordDeckPlayboy", "all"},
    {"kWordDeckCorona", "ru de fr es it cs"},
    {"kWordTop10", "ru de fr es it cs"},
    {"kWordDeckShakespeare", "de fr es it cs"},
    {"kWordDeckBigBen", "de fr es it cs"},
    {"kWordHolidayHalloween", "de fr es it cs"},
    {"kWordChat", "de fr es it cs"},
    {"kWordRadio", "de fr es it"},
    {"kWordColourOrange", "de fr"},
    {"kWordKovs", "de fr es it"},
    {"kWordKovsTitle", "de fr es it"},
    {"kWordDeckMaya", "de fr es it"},
    {"kWordDeckDiana", "de es it cs"},
    {"kWordClient", "de fr it"},
    {"kWordMultimedia", "de es it"},
    {"kWordDesign", "de fr it"},
    {"kWordClubQuillmark", "fr es it"},
    {"kWordServer", "de it cs"},
    {"kWordServerClient", "de it"},
    {"kWordDeckFrankfurt", "de cs"},
    {"kWordDeckSatin", "de fr"},
    {"kWordLevelExpert", "fr cs"},
    {"kWordDailyPar", "de es it cs"},  // the golfing word
    {"kWordBgOrnament", "de cs"},
    {"kWordBgCasino", "fr es"},
    {"kWordNo", "es it"},
    {"kWordNick", "de it"},
    {"kWordEmail", "it cs"},
    {"kWordAsia", "es it"},
    {"kWordDeckModern", "de"},
    {"kWordDeckBaronesse", "de"},
    {"kWordLikes", "de"},
    {"kWordApril", "de"},
    {"kWordAugust", "de"},
    {"kWordSeptember", "de"},
    {"kWordNovember", "de"},
    {"kWordOptions", "fr"},
    {"kWordMode", "fr"},
    {"kWordAttention", "fr"},
    {"kWordDate", "fr"},
    {"kWordType", "fr"},
    {"kWordColourViolet", "fr"},
    {"kWordEurope", "fr"},
    {"kWordTable", "fr"},
    {"kWordCancer", "fr"},
    {"kWordHolidayTransfigurationCatholic", "fr"},
    {"kWordGeneral", "es"},
    {"kWordTypeLocal", "es"},
    {"kWordDeckMedieval1", "es"},
    {"kWordDeckMedieval2", "es"},
    {"kWordAries", "es"},
    {"kWordLeo", "es"},
    {"kWordVirgo", "es"},
    {"kWordLibra", "es"},
    {"kWordFile", "it"},
    {"kWordTypeAccount", "it"},
    {"kWordPassword", "it"},
    {"kWordOceania", "it"},
    {"kWordAfrica", "it"},
    {"kWordBank", "cs"},
    {"kWordCountryUkraine", "de fr"},
    {"kWordCountryEstonia", "es it"},
    {"kWordCountryArmenia", "es it"},
    {"kWordCountryGeorgia", "es it"},
    {"kWordCountryKazakhstan", "fr"},
    {"kWordCountryUzbekistan", "it"},
    {"kWordCountryUsa", "de it cs"},
    {"kWordCountryCanada", "fr it"},
    {"kWordCountryAustralia", "es it"},
    {"kWordCountryDeutschland", "de"},
    {"kWordCountryFrance", "fr"},
    {"kWordCountryIndia", "es it"},
    {"kWordCountryChina", "de es"},
    {"kWordCountryJapan", "de"},
    {"kWordStation", "fr"},
    {"kWordVolume", "fr it"},
};

bool ListedAsSame(std::string_view name, int language) {
  const auto it = kSameAsEnglish.find(name);
  if (it == kSameAsEnglish.end()) return false;
  if (it->second == "all") return true;
  std::istringstream codes{std::string(it->second)};
  for (std::string code; codes >> code;) {
    if (code == kCodes[language]) return true;
  }
  return false;
}

int CountOf(std::string_view text, std::string_view part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Decodes UTF-8; false on any malformed, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view text, std::vector<char32_t>& out) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return false;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return true;
}

// Character cells of a character in the list's fixed-pitch font: Chinese, Japanese and Korean
// characters take two.
int CellWidth(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                    (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
  return wide ? 2 : 1;
}

std::string ReadSource(const std::string& file) {
  std::ifstream in(std::string(ZENDRAL_WORDS_SOURCE_DIR) + "/" + file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(WordRowsTest, EveryRowHasTenWellFormedTexts) {
  ASSERT_GT(AllWordRows().size(), 500u);
  for (const auto& [name, row] : AllWordRows()) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string_view text = Word(*row, language);
      SCOPED_TRACE(std::string(name) + " " + std::string(kCodes[language]));
      EXPECT_FALSE(text.empty());
      std::vector<char32_t> chars;
      EXPECT_TRUE(DecodeUtf8(text, chars));
      for (const char32_t c : chars) {
        // The only control characters a text may hold are those of its line breaks.
        EXPECT_TRUE(c >= 0x20 || c == '\n' || c == '\r') << "control character " << int(c);
      }
    }
  }
}

// The tool and the tests see every row only through the list of named rows, so the list must
// hold exactly the rows that the headers declare.
TEST(WordRowsTest, NamedRowsAreExactlyTheDeclaredRows) {
  std::multiset<std::string> listed;
  for (const auto& named : AllWordRows()) listed.insert(std::string(named.name));
  for (const auto& name : listed) EXPECT_EQ(listed.count(name), 1u) << name;

  std::set<std::string> declared;
  const std::regex declaration(R"(extern const (TWordRow2?) (k\w+);)");
  // Every header of the folder counts, so a new file of rows cannot be forgotten here.
  int headers = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZENDRAL_WORDS_SOURCE_DIR)) {
    if (entry.path().extension() != ".h") continue;
    ++headers;
    const std::string source = ReadSource(entry.path().filename().string());
    ASSERT_FALSE(source.empty()) << entry.path();
    for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it) {
      const std::string name = (*it)[2];
      if ((*it)[1] == "TWordRow2") {
        declared.insert(name + "/1");
        declared.insert(name + "/2");
      } else {
        declared.insert(name);
      }
    }
  }
  EXPECT_GE(headers, 4);
  EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), declared);
}

TEST(WordRowsTest, OnlyListedSlotsRepeatTheEnglishText) {
  std::set<std::string_view> names;
  for (const auto& [name, row] : AllWordRows()) {
    names.insert(name);
    for (int language = 1; language < kLanguageCount; ++language) {
      const bool same = Word(*row, language) == Word(*row, kEnglish);
      EXPECT_EQ(same, ListedAsSame(name, language))
          << name << " " << kCodes[language] << ": \"" << Word(*row, language) << "\"";
    }
  }
  for (const auto& [name, languages] : kSameAsEnglish) {
    EXPECT_TRUE(names.contains(name)) << "listed but no such row: " << name;
  }
}

// A message box turns LF CR into one line break; a text that lost one, or holds a lone LF or
// CR, would be shown on the wrong number of lines.
TEST(WordRowsTest, EveryLineBreakOfTheEnglishTextIsInEveryLanguage) {
  int rowsWithBreaks = 0;
  for (const auto& [name, row] : AllWordRows()) {
    const int breaks = CountOf(Word(*row, kEnglish), "\n\r");
    rowsWithBreaks += breaks > 0;
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string_view text = Word(*row, language);
      EXPECT_EQ(CountOf(text, "\n\r"), breaks) << name << " " << kCodes[language];
      EXPECT_EQ(CountOf(text, "\n"), breaks) << name << " " << kCodes[language];
      EXPECT_EQ(CountOf(text, "\r"), breaks) << name << " " << kCodes[language];
    }
  }
  EXPECT_GE(rowsWithBreaks, 5);
}

// Callers join rows with names and numbers ("Result: " + score, "The file \"" + path + "\" has
// incorrect attributes!"), so the blanks and quotation marks at the edges must be kept.
TEST(WordRowsTest, BlanksAndQuotationMarksFollowTheEnglishText) {
  for (const auto& [name, row] : AllWordRows()) {
    const std::string_view english = Word(*row, kEnglish);
    for (int language = 1; language < kLanguageCount; ++language) {
      const std::string_view text = Word(*row, language);
      SCOPED_TRACE(std::string(name) + " " + std::string(kCodes[language]));
      EXPECT_EQ(text.starts_with(' '), english.starts_with(' '));
      EXPECT_EQ(text.ends_with(' '), english.ends_with(' '));
      EXPECT_EQ(CountOf(text, "\""), CountOf(english, "\""));
      // A text with an odd number of marks opens or closes a quotation that the text beside it
      // goes on with, so that mark must stay at its edge.
      if (CountOf(english, "\"") % 2 == 1) {
        EXPECT_EQ(text.starts_with('"'), english.starts_with('"'));
        EXPECT_EQ(text.ends_with('"'), english.ends_with('"'));
      }
    }
  }
}

// The header stands over the member list in a fixed-pitch font: 39 cells, with the kons column
// ending in cell 29 whichever mode and language is shown.
TEST(ClubListHeaderTest, BothVariantsKeepTheColumnsOfTheList) {
  for (const int variant : {1, 2}) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string_view text = Word(kWordClubListHeader, variant, language);
      SCOPED_TRACE(std::string(text));
      std::vector<char32_t> chars;
      ASSERT_TRUE(DecodeUtf8(text, chars));
      int cells = 0;
      char32_t atCell29 = 0, atCell30 = 0;
      for (const char32_t c : chars) {
        const int first = cells + 1;
        cells += CellWidth(c);
        if (first <= 29 && 29 <= cells) atCell29 = c;
        if (first <= 30 && 30 <= cells) atCell30 = c;
      }
      EXPECT_EQ(cells, 39);
      EXPECT_NE(atCell29, U' ');
      EXPECT_EQ(atCell30, U' ');
    }
  }
  EXPECT_EQ(Word(kWordClubListHeader, 1, kRussian), "     Члены клуба         Коны    Счёт  ");
  EXPECT_EQ(Word(kWordClubListHeader, 2, kEnglish), " The members of club    Games   Rating ");
}

TEST(WordLookupTest, LanguageAndVariantOutsideTheirRangeReadAsTheDefaults) {
  struct Case {
    int language;
    std::string_view expected;
  };
  for (const Case& c : {Case{kEnglish, "Exit to menu"}, Case{kRussian, "Выход в меню"},
                        Case{kKorean, "메뉴로 나가기"}, Case{-1, "Exit to menu"},
                        Case{10, "Exit to menu"}, Case{255, "Exit to menu"}}) {
    EXPECT_EQ(Word(kWordExitToMenu, c.language), c.expected) << c.language;
  }
  for (const int variant : {0, 1, 3, -2}) {
    EXPECT_EQ(Word(kWordClubListHeader, variant, kEnglish),
              " The members of club    Games    Score ")
        << variant;
  }
}

TEST(WordLookupTest, ProgramWideLanguage) {
  EXPECT_EQ(Language(), kDefaultLanguage);
  EXPECT_EQ(Word(kWordNewPlayer), "New Player");
  UseLanguage(kJapanese);
  EXPECT_EQ(Language(), kJapanese);
  EXPECT_EQ(Word(kWordNewPlayer), "新規プレイヤー");
  EXPECT_EQ(Word(kWordClubListHeader, 2), Word(kWordClubListHeader, 2, kJapanese));
  UseLanguage(20);  // a language of the family that these tables lack
  EXPECT_EQ(Language(), kDefaultLanguage);
  UseLanguage(kDefaultLanguage);
}

TEST(LanguageTest, LabelsPictureCodesAndFlags) {
  struct Case {
    int language;
    std::string_view label, pictureCode, flag;
    TChooserFlag chooser;
  };
  const Case cases[] = {
      {kEnglish, "English", "Eng", "FlagOEng", {'E', 48}},
      {kRussian, "Русский", "Rus", "FlagORus", {'E', 1}},
      {kChinese, "中文", "Chi", "FlagOChi", {'A', 10}},
      {kCzech, "Čeština", "Cze", "FlagOCze", {'E', 10}},
      // Japanese and Korean borrow the English pictures but have flags of their own.
      {kJapanese, "日本", "Eng", "FlagOJap", {'A', 20}},
      {kKorean, "한국인", "Eng", "FlagOKor", {'A', 40}},
      {-1, "English", "Eng", "FlagOEng", {'E', 48}},
      {10, "English", "Eng", "FlagOEng", {'E', 48}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(LanguageLabel(c.language), c.label);
    EXPECT_EQ(PictureCode(c.language), c.pictureCode);
    EXPECT_EQ(FlagPictureName(c.language), c.flag);
    EXPECT_EQ(ChooserFlag(c.language).continent, c.chooser.continent);
    EXPECT_EQ(ChooserFlag(c.language).index, c.chooser.index);
  }
  std::set<std::string_view> labels;
  for (int language = 0; language < kLanguageCount; ++language) {
    labels.insert(LanguageLabel(language));
  }
  EXPECT_EQ(labels.size(), 10u);
}

TEST(LanguageTest, StoredCharacter) {
  struct Case {
    char stored;
    int language;
  };
  for (const Case& c : {Case{'0', 0}, Case{'1', 1}, Case{'9', 9}, Case{'a', kDefaultLanguage},
                        Case{'k', kDefaultLanguage}, Case{'l', kDefaultLanguage},
                        Case{'A', kDefaultLanguage}, Case{' ', kDefaultLanguage},
                        Case{'\0', kDefaultLanguage}, Case{'\xC0', kDefaultLanguage}}) {
    EXPECT_EQ(LanguageFromStoredChar(c.stored), c.language) << int(c.stored);
  }
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(LanguageFromStoredChar(StoredLanguageChar(language)), language);
  }
  EXPECT_EQ(StoredLanguageChar(42), '0');
}

}  // namespace
}  // namespace zendral

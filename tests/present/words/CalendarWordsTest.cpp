#include "present/words/CalendarWords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zendral {
namespace {

// The hint of a holiday page: the name, then the anniversary and the holiday kind in brackets.
std::string HolidayHint(int entry, const std::string& mark, int anniversary, int language) {
  std::string hint(Word(*HolidayWord(entry), language));
  std::vector<std::string> notes;
  if (anniversary > 0) {
    notes.push_back(std::to_string(anniversary) + std::string(Word(kWordAnniversary, language)));
  }
  if (const TWordRow* kind = HolidayKindWord(mark)) notes.emplace_back(Word(*kind, language));
  if (!notes.empty()) {
    hint += " (" + notes[0] + (notes.size() > 1 ? ", " + notes[1] : "") + ")";
  }
  return hint;
}

TEST(CalendarWordsTest, HolidayHintsReadAsTheCalendarShowsThem) {
  EXPECT_EQ(HolidayHint(22, "RUS", 2025 - 1945, kEnglish),
            "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)");
  EXPECT_EQ(HolidayHint(22, "RUS", 2025 - 1945, kRussian),
            "День Победы в Великой Отечественной войне (80-я годовщина, Российский праздник)");
  EXPECT_EQ(HolidayHint(65, "PRA", 0, kEnglish), "Christmas (The Orthodox holiday)");
  EXPECT_EQ(HolidayHint(86, "KAT", 0, kEnglish), "Christmas (Catholic feast)");
  EXPECT_EQ(HolidayHint(1, "ALL", 0, kGerman), "Neujahr");
}

TEST(CalendarWordsTest, HolidayNamesByEntry) {
  int named = 0;
  for (int entry = 1; entry <= 86; ++entry) named += HolidayWord(entry) != nullptr;
  EXPECT_EQ(named, 82);  // the four personal anniversaries have no texts in the program
  for (const int entry : {0, 2, 18, 44, 58, 87, -1}) {
    EXPECT_EQ(HolidayWord(entry), nullptr) << entry;
  }
  EXPECT_EQ(Word(*HolidayWord(43), kEnglish), "Programmer`s day");
  EXPECT_EQ(Word(*HolidayWord(54), kEnglish), "Thanksgiving");
}

TEST(CalendarWordsTest, HolidayKindsByMark) {
  struct Case {
    std::string_view mark, english;
  };
  for (const Case& c : {Case{"ENG", "Holiday UK"}, Case{"RUS", "Russian Festival"},
                        Case{"DEU", "German holiday"}, Case{"FRA", "French holiday"},
                        Case{"ISP", "Spanish holiday"}, Case{"USA", "Holiday United States"},
                        Case{"PRA", "The Orthodox holiday"}, Case{"KAT", "Catholic feast"}}) {
    ASSERT_NE(HolidayKindWord(c.mark), nullptr) << c.mark;
    EXPECT_EQ(Word(*HolidayKindWord(c.mark), kEnglish), c.english);
  }
  for (const std::string_view mark : {"ALL", "RU-", "KOV", "", "rus", "RUSS"}) {
    EXPECT_EQ(HolidayKindWord(mark), nullptr) << mark;
  }
  EXPECT_EQ(Word(*HolidayKindWord("RUS"), kRussian), "Российский праздник");
}

TEST(CalendarWordsTest, MonthsSignsAndYears) {
  EXPECT_EQ(Word(*MonthWord(1), kRussian), "Января");
  EXPECT_EQ(Word(*MonthWord(12), kRussian), "Декабря");
  EXPECT_EQ(Word(*MonthWord(5), kEnglish), "May");
  EXPECT_EQ(Word(*ZodiacWord(1), kEnglish), "Aries");
  EXPECT_EQ(Word(*ZodiacWord(12), kEnglish), "Pisces");
  for (const int outside : {0, 13, -1}) {
    EXPECT_EQ(MonthWord(outside), nullptr);
    EXPECT_EQ(ZodiacWord(outside), nullptr);
  }

  struct Case {
    int year;
    std::string_view english;
  };
  for (const Case& c : {Case{2016, "Year Of The Monkey"}, Case{2020, "Year Of The Rat"},
                        Case{2024, "Year Of The Dragon"}, Case{2025, "Year Of The Snake"},
                        Case{2027, "Year Of The Goat"}, Case{-1, "Year Of The Goat"}}) {
    EXPECT_EQ(Word(YearAnimalWord(c.year), kEnglish), c.english) << c.year;
  }
}

// A name copied into the wrong place of a list would give two equal names in some language.
TEST(CalendarWordsTest, NamesOfEachListDifferInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    std::set<std::string_view> months, signs, animals;
    for (int i = 1; i <= 12; ++i) {
      months.insert(Word(*MonthWord(i), language));
      signs.insert(Word(*ZodiacWord(i), language));
      animals.insert(Word(YearAnimalWord(i), language));
    }
    EXPECT_EQ(months.size(), 12u) << language;
    EXPECT_EQ(signs.size(), 12u) << language;
    EXPECT_EQ(animals.size(), 12u) << language;
  }
}

}  // namespace
}  // namespace zendral

#include "present/words/Words.h"

#include <vector>

#include "present/words/WordLists.h"

namespace zendral {

namespace {

int currentLanguage = kDefaultLanguage;

struct TLanguageInfo {
  std::string_view label;
  std::string_view pictureCode;
  std::string_view flagCode;
  TChooserFlag chooserFlag;
};

// By language index. The picture code and the flag code differ only for Japanese and Korean,
// which borrow the English pictures but have flags of their own.
constexpr std::array<TLanguageInfo, kLanguageCount> kLanguages{{
    {"English", "Eng", "Eng", {'E', 48}},
    {"Русский", "Rus", "Rus", {'E', 1}},
    {"Deutsche", "Deu", "Deu", {'E', 16}},
    {"Français", "Fra", "Fra", {'E', 15}},
    {"Español", "Spa", "Spa", {'E', 43}},
    {"中文", "Chi", "Chi", {'A', 10}},
    {"Italiano", "Ita", "Ita", {'E', 24}},
    {"Čeština", "Cze", "Cze", {'E', 10}},
    {"日本", "Eng", "Jap", {'A', 20}},
    {"한국인", "Eng", "Kor", {'A', 40}},
}};

const TLanguageInfo& Info(int language) {
  return kLanguages[static_cast<std::size_t>(ValidLanguage(language))];
}

}  // namespace

int Language() {
  return currentLanguage;
}

void UseLanguage(int language) {
  currentLanguage = ValidLanguage(language);
}

std::string_view Word(const TWordRow& row) {
  return Word(row, currentLanguage);
}

std::string_view Word(const TWordRow2& row, int variant) {
  return Word(row, variant, currentLanguage);
}

std::string_view PictureCode(int language) {
  return Info(language).pictureCode;
}

std::string_view LanguageLabel(int language) {
  return Info(language).label;
}

std::string FlagPictureName(int language) {
  return "FlagO" + std::string(Info(language).flagCode);
}

TChooserFlag ChooserFlag(int language) {
  return Info(language).chooserFlag;
}

int LanguageFromStoredChar(char stored) {
  if (stored >= '0' && stored <= '9') return stored - '0';
  return kDefaultLanguage;
}

char StoredLanguageChar(int language) {
  return static_cast<char>('0' + ValidLanguage(language));
}

std::span<const TNamedWordRow> AllWordRows() {
  static const std::vector<TNamedWordRow> all = [] {
    std::vector<TNamedWordRow> rows;
    for (const auto part :
         {words::MenuWordRows(), words::OptionsWordRows(), words::OnlineWordRows(),
          words::CalendarWordRows(), words::MediaWordRows(), words::MenuServicesWordRows(),
          words::SoundDeviceWordRows(), words::SolverWordRows(), words::ClubServerWordRows(),
          words::PlayerHintWordRows(), words::IntroWordRows(), words::DailyWordRows(),
          words::AccountLogInWordRows(), words::MenuBalloonWordRows(),
          words::PackDownloadWordRows(), words::DailyReplayWordRows(),
          words::OnlineEdgeWordRows()}) {
      rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
  }();
  return all;
}

}  // namespace zendral

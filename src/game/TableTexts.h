#pragma once
// What the rules hand to the table to show: captions and texts as names of word-table
// entries (the presentation looks them up in the current language), and the numbers that go
// with them. The rules never hold a text the player reads.

#include <string>
#include <string_view>
#include <vector>

namespace zendral {

// The main button's caption follows the state of the kon.
enum class MainCaption { kToBegin, kPass, kTotalOfGame, kNextGame };

// Word-table entries the rules ask the table to show.
enum class GameText {
  kExpectationOfServer,  // on the layout of a network client waiting for its first deal
  kDiskWriteError,       // the club file could not be written
  kHistoryWriteError,    // the history could not be written

  // Lines of the "Current game" balloon and labels of the score window.
  kTotalKonNumber,  // "Общий номер кона:"
  kKonInCycle,      // "Номер кона в текущем цикле:"
  kKonInSession,    // "Номер кона в текущей сессии:"

  // The end-of-cycle window.
  kCongratulations,       // "ПОЗДРАВЛЯЕМ!!!"
  kYourResultIsBest,      // "Ваш результат лучший!"
  kGoodResult,            // "Хороший результат!"
  kResult,                // "Результат: ", followed by the cycle score
  kInTopTen,              // "Вы попали в десятку лучших игроков!"
  kOurRegrets,            // "Наши сожаления..."
  kResultLeavesToDesire,  // "Ваш результат оставляет желать лучшего"
  kNotInTopTen,    // "Вы не попали в десятку лучших игроков..."
  kTitleMaster,    // "Вы становитесь Магистром ордена!"
  kTitleBachelor,  // "Вы становитесь Бакалавром ордена!"
};

// The kon panel: "Кон: " with the kons of this session, "Банк: " with the bank; the bank
// picture shows while the bank is not empty.
struct KonPanel {
  int konsThisSession = 0;
  int bank = 0;
  friend bool operator==(const KonPanel&, const KonPanel&) = default;
};

// The kon panel's hint: "Кон: " konNumber " / " of.
struct KonHint {
  int konNumber = 0;
  int of = 0;
  friend bool operator==(const KonHint&, const KonHint&) = default;
};

// One line of the "Current game" balloon: the label, a space and the value, and " / " of
// when of is not 0.
struct CountLine {
  GameText label = GameText::kTotalKonNumber;
  int value = 0;
  int of = 0;
  friend bool operator==(const CountLine&, const CountLine&) = default;
};

// The score window's record: every field is shown as it stands.
struct TCount {
  std::string Count_KonAll;
  std::string Count_KonCur;
  std::string Count_ScoBeg;
  std::string Count_ScoCur;
  std::string Count_ScoAll;
  std::string Count_ReiBeg;
  std::string Count_ReiCur;
  friend bool operator==(const TCount&, const TCount&) = default;
};

// The end-of-cycle window of a local or network game, chosen by the place the cycle score
// took in the Order (0: none).
struct EndOfCycleWindow {
  int place = 0;
  std::string_view sound;      // played when the window opens
  std::string_view animation;  // picture resource of the animation
  bool animationLoops = false;
  std::vector<GameText> lines;  // top to bottom; kResult is followed by the score
  int score = 0;
  int medalPlace = 0;  // "GMedal" with "GPlace01".."GPlace10"; 0 for no medal
  friend bool operator==(const EndOfCycleWindow&, const EndOfCycleWindow&) = default;
};

// A card the player asked to hear by a right click.
enum class CardPlaceKind { kOwnHand, kOpponentHand, kLayout };
struct CardPlace {
  CardPlaceKind kind = CardPlaceKind::kOwnHand;
  int slotOrRow = 0;  // hand slot 1..36, or layout row 1..4
  int column = 0;     // layout column 1..9
};

}  // namespace zendral

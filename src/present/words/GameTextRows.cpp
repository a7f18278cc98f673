#include "present/words/GameTextRows.h"

#include "present/words/WordRows.h"

namespace zendral {

const TWordRow& RowOf(GameText text) {
  switch (text) {
    case GameText::kExpectationOfServer:
      return kWordWaitingForServer;
    case GameText::kDiskWriteError:
      return kWordDiskWriteError;
    case GameText::kHistoryWriteError:
      return kWordCantSaveHistory;
    case GameText::kTotalKonNumber:
      return kWordKonNumberTotal;
    case GameText::kKonInCycle:
      return kWordKonNumberInCycle;
    case GameText::kKonInSession:
      return kWordKonNumberInSession;
    case GameText::kCongratulations:
      return kWordCongratulations;
    case GameText::kYourResultIsBest:
      return kWordBestResult;
    case GameText::kGoodResult:
      return kWordGoodResult;
    case GameText::kResult:
      return kWordResult;
    case GameText::kInTopTen:
      return kWordInTopTen;
    case GameText::kOurRegrets:
      return kWordOurRegrets;
    case GameText::kResultLeavesToDesire:
      return kWordResultWantsBetter;
    case GameText::kNotInTopTen:
      return kWordNotInTopTen;
    case GameText::kTitleMaster:
      return kWordMaster;
    case GameText::kTitleBachelor:
      return kWordBachelor;
  }
  return kWordTitle;
}

const TWordRow& RowOf(MainCaption caption) {
  switch (caption) {
    case MainCaption::kToBegin:
      return kWordToBegin;
    case MainCaption::kPass:
      return kWordPass;
    case MainCaption::kTotalOfGame:
      return kWordTotalOfGame;
    case MainCaption::kNextGame:
      return kWordNextGame;
  }
  return kWordToBegin;
}

}  // namespace zendral

#pragma once
// The texts of the computer's level, the hint and the review of a kon, in the ten languages
// of the word tables.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordComputerLevel;   // Computer player
extern const TWordRow kWordLevelClassic;    // Classic
extern const TWordRow kWordLevelExpert;     // Expert
extern const TWordRow kWordHint;            // Hint
extern const TWordRow kWordHintBest;        // Best:
extern const TWordRow kWordHintWorth;       // worth
extern const TWordRow kWordHintThinking;    // Thinking...
extern const TWordRow kWordHintsUsed;       // Hints used:
extern const TWordRow kWordReview;          // Review
extern const TWordRow kWordReviewTitle;     // Review of the kon
extern const TWordRow kWordReviewAtDeal;    // Value of the deal under perfect play:
extern const TWordRow kWordReviewLost;      // Lost by your moves:
extern const TWordRow kWordReviewGifted;    // Gifted by the opponent:
extern const TWordRow kWordReviewResult;    // Result:
extern const TWordRow kWordReviewBetter;    // better:
extern const TWordRow kWordReviewYou;       // You
extern const TWordRow kWordReviewOpponent;  // Opponent
extern const TWordRow kWordReviewMove;      // Move
extern const TWordRow kWordReviewValue;     // Value
extern const TWordRow kWordPerfectPlay;     // Perfect play:
extern const TWordRow kWordReviewYouShort;  // you:

}  // namespace zendral

#include "KonReplay.h"

#include "ComputerPlayer.h"

namespace zendral {
namespace {

constexpr std::string_view kPassWord = "--";

// The move is the computer player's own answer in this position.
bool IsComputersAnswer(const KonState& kon, const KonMove& move) {
  const int slot = ChooseMove(kon.Hands[kSeat1], kon.Board, kon.Hands[kSeat2], kon.LayCounter);
  if (slot == 0) return move.pass;
  return !move.pass && kon.Hands[kSeat1][slot] == move.card;
}

}  // namespace

KonReplayResult ReplayKon(const Deck& deck, std::span<const KonMove> moves, SeatOneRule rule) {
  KonReplayResult result;
  KonState& kon = result.kon;
  if (!IsCompleteDeck(deck)) {
    result.failedMove = 0;
    return result;
  }
  DealKonCards(kon, deck);
  BeginKon(kon);

  for (std::size_t i = 0; i < moves.size(); ++i) {
    const KonMove& move = moves[i];
    const int seat = kon.TurnState;
    bool done = false;
    if (seat == kSeat1 || seat == kSeat2) {
      if (seat == kSeat1 && rule == SeatOneRule::kComputerPlayer && !IsComputersAnswer(kon, move)) {
        done = false;
      } else if (move.pass) {
        done = !PassKon(kon, seat).Refused();
      } else {
        const int slot = SlotOf(kon.Hands[seat], move.card);
        done = slot != 0 && !PlayKonCard(kon, seat, slot).Refused();
      }
    }
    if (!done) {
      result.failedMove = static_cast<int>(i);
      return result;
    }
    if (kon.TurnState == ksKonOver) {
      SettleKon(kon);
      if (i + 1 != moves.size()) {
        result.failedMove = static_cast<int>(i + 1);  // moves after the end
        return result;
      }
      result.complete = true;
      return result;
    }
  }
  result.failedMove = static_cast<int>(moves.size());
  return result;
}

std::string KonMovesText(std::span<const KonMove> moves) {
  std::string text;
  text.reserve(moves.size() * 2);
  for (const KonMove& move : moves)
    text += move.pass ? std::string(kPassWord) : ToNotation(move.card);
  return text;
}

std::optional<std::vector<KonMove>> ParseKonMoves(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::vector<KonMove> moves;
  moves.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const std::string_view word = text.substr(i, 2);
    if (word == kPassWord) {
      moves.push_back({true, kEmptyCard});
      continue;
    }
    // Only the form this program writes: one spelling per card.
    const auto card = FromNotation(word);
    if (!card || card->IsEmpty() || ToNotation(*card) != word) return std::nullopt;
    moves.push_back({false, *card});
  }
  return moves;
}

}  // namespace zendral

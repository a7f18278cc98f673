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

PlayedKon PlayComputerKonFromDeck(const Deck& deck) {
  PlayedKon played;
  KonState& kon = played.kon;
  DealKonCards(kon, deck);
  BeginKon(kon);
  // Every turn lays a card or passes; a kon needs far fewer turns than this.
  for (int turn = 0; turn < 4 * kDeckSize && kon.TurnState != ksKonOver; ++turn) {
    const int seat = kon.TurnState;
    const int slot =
        ChooseMove(kon.Hands[seat], kon.Board, kon.Hands[OtherSeat(seat)], kon.LayCounter);
    if (slot == 0) {
      played.moves.push_back({true, kEmptyCard});
      PassKon(kon, seat);
    } else {
      played.moves.push_back({false, kon.Hands[seat][slot]});
      PlayKonCard(kon, seat, slot);
    }
  }
  SettleKon(kon);
  return played;
}

std::string DeckNotation(const Deck& deck) {
  std::string text;
  text.reserve(2 * kDeckSize);
  for (const TCardCode card : deck.cards) text += ToNotation(card);
  return text;
}

std::optional<Deck> ParseDeckNotation(std::string_view text) {
  if (text.size() != 2 * kDeckSize) return std::nullopt;
  Deck deck;
  for (int position = 1; position <= kDeckSize; ++position) {
    const std::string_view word = text.substr(static_cast<std::size_t>(2 * (position - 1)), 2);
    const auto card = FromNotation(word);
    if (!card || card->IsEmpty() || ToNotation(*card) != word) return std::nullopt;
    deck[position] = *card;
  }
  if (!IsCompleteDeck(deck)) return std::nullopt;
  return deck;
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

PlayedBlock PlayComputerBlock(std::span<const Deck> decks) {
  PlayedBlock block;
  for (const Deck& deck : decks) {
    const PlayedKon kon = PlayComputerKonFromDeck(deck);
    block.score += kon.kon.Score[kSeat2];
    if (!block.moves.empty()) block.moves += kKonMovesSeparator;
    block.moves += KonMovesText(kon.moves);
  }
  return block;
}

std::optional<int> ReplayBlockScore(std::span<const Deck> decks, std::string_view blockMoves) {
  int score = 0;
  std::size_t from = 0;
  for (std::size_t k = 0; k < decks.size(); ++k) {
    const std::size_t end = blockMoves.find(kKonMovesSeparator, from);
    const bool last = k + 1 == decks.size();
    // One text per deck: the last kon runs to the end of the text, every other to a separator.
    if (last != (end == std::string_view::npos)) return std::nullopt;
    const auto moves =
        ParseKonMoves(blockMoves.substr(from, last ? std::string_view::npos : end - from));
    if (!moves) return std::nullopt;
    const KonReplayResult replay = ReplayKon(decks[k], *moves, SeatOneRule::kComputerPlayer);
    if (!replay.complete) return std::nullopt;
    score += replay.kon.Score[kSeat2];
    from = end + 1;
  }
  return decks.empty() ? std::nullopt : std::optional<int>(score);
}

}  // namespace zendral

#include "relay/RelayTable.h"

#include "net/LanMessage.h"
#include "net/RelayFrame.h"
#include "protocol/TableWords.h"

#include <utility>

namespace zendral::server::relay {
namespace {

namespace words = protocol::table;

int Other(int seat) {
  return seat == 1 ? 2 : 1;
}

}  // namespace

RelayTable::RelayTable(int number, std::int64_t moveLimitMs, DeckSource deal)
    : number_(number), moveLimitMs_(moveLimitMs), deal_(std::move(deal)) {}

bool RelayTable::Join(int seat, std::string nick, std::int64_t now) {
  if (stage_ != Stage::kSeating || (seat != 1 && seat != 2) || nick.empty() || Joined(seat)) {
    return false;
  }
  nick_[Index(seat)] = std::move(nick);
  if (Joined(1) && Joined(2)) Deal(now);
  return true;
}

void RelayTable::Deal(std::int64_t now) {
  const Deck deck = deal_();
  kon_ = std::make_unique<RelayKon>(deck);
  // The deal is the one message that is not framed: the same 109 bytes to both seats.
  const std::string text = net::DealText(deck);
  Send(1, text);
  Send(2, text);
  stage_ = Stage::kKon;
  StartClock(now, moveLimitMs_);
}

void RelayTable::Send(int seat, std::string bytes) {
  out_.push_back({RelayOutput::Kind::kSend, seat, std::move(bytes)});
}

void RelayTable::Forward(int from, std::string_view payload) {
  Send(Other(from), net::RelayFrameText(payload, from));
}

void RelayTable::StartClock(std::int64_t now, std::int64_t limit) {
  deadline_ = now + limit;
}

void RelayTable::Frame(int seat, std::string_view frame, std::int64_t now) {
  if (!Joined(seat) || stage_ == Stage::kClosed) return;
  const auto parsed = net::ParseRelayFrame(frame);
  if (!parsed) {
    ++refused_;
    return;
  }
  const std::string& p = parsed->payload;

  if (p == words::kLeave) {
    // Leaving the table: before the deal the seat is simply freed; later it gives up.
    if (stage_ == Stage::kSeating) {
      Leave(seat, now);
    } else {
      Lose(seat, TableEnd::kLeft, words::kPeerLeft);
    }
    return;
  }
  if (stage_ == Stage::kSeating) return;  // nobody to talk to yet

  if (p.starts_with(words::kChatLetter)) {
    // Chat goes on to the other seat under the sender's own seat digit, without control
    // characters (a bell or an escape sequence is nothing the other player should receive).
    if (Playing()) {
      std::string text = p;
      for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = '_';
      }
      Forward(seat, text);
    }
    return;
  }
  if (p == words::kTimeOut) {
    if (Playing()) Lose(seat, TableEnd::kTimeOut, words::kTimeOut);
    return;
  }
  if (p.starts_with(words::kResultLetter))
    return;  // the seat's own idea of the result: the table has its own

  if (Settling()) {
    if (seat == 1 && p == words::kSettle) {
      Forward(seat, p);
      Finish();
    } else {
      ++refused_;
    }
    return;
  }

  bool taken = false;
  if (p == words::kBegin) {
    taken = kon_->Begin(seat);
  } else if (p == words::kPass) {
    taken = kon_->Pass(seat);
  } else if (const auto slot = net::ParseMoveSlot(p.substr(0, 6)); slot && p.size() == 6) {
    taken = kon_->Move(seat, *slot);
  }
  if (!taken) {
    ++refused_;
    return;
  }
  Forward(seat, p);
  AfterMove(now);
}

void RelayTable::AfterMove(std::int64_t now) {
  if (kon_->IsOver()) {
    EndKon(TableEnd::kPlayed);
    // Seat 1's program settles and says so; the table waits for that a little longer than
    // for a move.
    StartClock(now, 2 * moveLimitMs_);
    return;
  }
  StartClock(now, moveLimitMs_);
}

void RelayTable::EndKon(TableEnd end) {
  TableResult r;
  r.nicks = nick_;
  r.scores = {kon_->Score(1), kon_->Score(2)};
  r.winner = kon_->Winner();
  r.end = end;
  result_ = std::move(r);
}

void RelayTable::Lose(int loser, TableEnd end, std::string_view toWinner) {
  if (!Playing()) {
    Finish();
    return;
  }
  kon_->Forfeit(loser);
  EndKon(end);
  Send(Other(loser), net::RelayFrameText(toWinner, loser));
  Finish();
}

void RelayTable::Finish() {
  deadline_ = 0;
  stage_ = Stage::kClosed;
  for (int seat : {1, 2}) {
    if (Joined(seat)) out_.push_back({RelayOutput::Kind::kClose, seat, {}});
  }
}

void RelayTable::Leave(int seat, std::int64_t) {
  if (!Joined(seat) || stage_ == Stage::kClosed) return;
  if (stage_ == Stage::kSeating) {
    freed_.emplace_back(seat, std::exchange(nick_[Index(seat)], {}));
    out_.push_back({RelayOutput::Kind::kClose, seat, {}});
  } else if (Playing()) {
    Lose(seat, TableEnd::kLeft, words::kPeerLeft);
  } else {
    // The kon is over and booked; the other seat still needs its settlement.
    if (seat == 1) Send(2, net::RelayFrameText(words::kSettle, 1));
    Finish();
  }
}

void RelayTable::Tick(std::int64_t now) {
  if (deadline_ == 0 || now < deadline_) return;
  if (Playing()) {
    // The seat in turn has been silent too long: the other seat is told its peer's time is
    // up, the silent one is closed.
    Lose(kon_->ToMove(), TableEnd::kTimeOut, words::kTimeOut);
  } else if (Settling()) {
    Send(2, net::RelayFrameText(words::kSettle, 1));
    Finish();
  }
}

std::vector<RelayOutput> RelayTable::TakeOutput() {
  return std::exchange(out_, {});
}

std::optional<TableResult> RelayTable::TakeResult() {
  return std::exchange(result_, std::nullopt);
}

std::vector<std::pair<int, std::string>> RelayTable::TakeFreedSeats() {
  return std::exchange(freed_, {});
}

void RelayTable::Reset() {
  stage_ = Stage::kSeating;
  nick_ = {};
  kon_.reset();
  deadline_ = 0;
  out_.clear();
  result_.reset();
  freed_.clear();
}

}  // namespace zendral::server::relay

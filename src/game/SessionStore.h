#pragma once
// Where a session's player comes from and where its result goes: the club files and the
// history. The store layer implements it on the real files; tests record the calls.

#include <optional>
#include <string>

namespace zendral {

enum class ClubKind { kLocal, kNetwork };  // "Zendral.clb" / "Zendral.net"

// A player's record as a session uses it.
struct PlayerRecord {
  std::string name;      // up to 20 characters; the club file pads it with spaces
  double rating = 0;     // average score per kon over all the player's kons
  int konCount = 0;      // kons played, never reset
  int cycleScore = 0;    // score of the current 30-kon cycle
  std::string password;  // the 15-character password field, never changed by a session
  friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

// One line of the history: a finished session (HisStr).
struct HistoryEntry {
  std::string HName;  // the player, or "seat2/seat1" in network and tournament games
  int HKon = 0;       // kons played in the session
  int HRes = 0;       // session score
  double HRei = 0;    // new rating
  int Ac = 0;         // 0 local, 1 online-rated, 2 tournament, 3 network
  friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

struct ClubWriteResult {
  bool written = true;  // false: the file could not be written and keeps its old content
  int orderPlace = 0;   // 1..10 when the cycle score entered the Order, else 0
};

class SessionStore {
 public:
  virtual ~SessionStore() = default;

  // The member on line 1..5 of the club file; nullopt for an empty line or a bad file.
  virtual std::optional<PlayerRecord> LoadMember(ClubKind club, int line) = 0;

  // Stores a finished session's record: the member's old line (memberLine 1..5; 0 for a new
  // player) is removed and the record inserted by rating. With matchComplete the cycle score
  // is offered to the Order and the stored cycle score starts again at 0.
  virtual ClubWriteResult StoreMember(ClubKind club, int memberLine, const PlayerRecord& record,
                                      bool matchComplete) = 0;

  // An abandoned session of a club member loses his line; the others move up.
  virtual bool RemoveMember(ClubKind club, int line) = 0;

  // Appends one line to the history; false when it could not be written.
  virtual bool AppendHistory(const HistoryEntry& entry) = 0;
};

}  // namespace zendral

#pragma once
// The account's results in this game, the club top ten, the world top-ten tables and the
// tournament top ten: records, requests and the rating arithmetic of a rated game.

#include <optional>
#include <string>
#include <vector>

#include "game/Deck.h"
#include "online/RequestFrame.h"
#include "protocol/Keys.h"

namespace zendral::online {

using protocol::kAccountTable;
using protocol::kAndroidTable;
using protocol::kGameId;
using protocol::kGameKey;
using protocol::kWindowsTable;
inline constexpr const char* kProgramVersion = "5.7f";

struct TKovGame {
  int Kon = 0;
  int Score = 0;
  int Sessions = 0;
  double Rating = 0;
  char PlayNow = 'N';
  int R1 = 0;
  std::string R2 = "#";
  int Place = 0;
  int Best = 0;
  int KonL = 0;
  friend bool operator==(const TKovGame&, const TKovGame&) = default;
};

struct TKovTop10 {
  std::string Nick, City, Country;
  char Sex = 'M';
  double Rating = 0;
};

struct TKovRecord {
  int RID = 0;
  int GID = 0;
  int Score = 0;
  std::string Nick = "#", Country = "#", City = "#", R07 = "#", R08 = "#", R09 = "#", R10 = "#*";
  int Place = 0;
  bool IsEmpty() const { return Nick == "#"; }
};

// Own results of the logged-in nick. A refusal, a reply without the record or a token that
// is no number is a failure; the fields then hold the defaults of a read.
bool ReadOwnResults(RequestFrame& frame, const std::string& address, const std::string& nick,
                    const std::string& pw, TKovGame& game);
bool ReadOwnResultsReply(const std::optional<std::string>& reply, TKovGame& game);
// Saves the record; moves (the settlement of a rated block: its moves, as the game writes
// them) go with it when not empty.
bool SaveOwnResults(RequestFrame& frame, const std::string& address, const std::string& nick,
                    const std::string& pw, const TKovGame& game, const std::string& moves = {});
Fields SaveOwnResultsFields(const std::string& nick, const std::string& pw, const TKovGame& game,
                            const std::string& moves = {});
// The advance booking of a rated block: acknowledged or not, and the decks the server dealt
// for the block when its reply carries them (empty from a server that leaves the deal to the
// program).
struct BlockBooking {
  bool booked = false;
  std::vector<Deck> decks;
};
BlockBooking BookRatedBlock(RequestFrame& frame, const std::string& address,
                            const std::string& nick, const std::string& pw, const TKovGame& booked);
BlockBooking ReadBookingReply(const std::optional<std::string>& reply);
// The place of a rating in the club's list; −1 on failure.
int ReadOwnPlace(RequestFrame& frame, const std::string& address, double rating);

// Club top ten by rating; nothing on failure.
std::optional<std::vector<TKovTop10>> ReadClubTopTen(RequestFrame& frame,
                                                     const std::string& address);
std::vector<TKovTop10> ReadClubTopTenReply(const std::string& reply);

// World tables (records service). Reads use the table read time-out.
std::optional<std::vector<TKovRecord>> ReadWorldTable(RequestFrame& frame,
                                                      const std::string& address, int id);
std::vector<TKovRecord> ReadWorldRows(const std::string& reply, int id);
std::optional<int> CountWorldTable(RequestFrame& frame, const std::string& address, int id);
std::optional<std::vector<TKovRecord>> ReadOwnWorldRows(RequestFrame& frame,
                                                        const std::string& address, int id,
                                                        const std::string& name,
                                                        const std::string& city);
// The row this program files for a cycle: version "5.7f", R09 and R10 "#".
TKovRecord SubmissionRow(const std::string& nick, const std::string& city,
                         const std::string& country, int score, const std::string& sex);
// Files a row; the place it took, nothing when refused or failed.
std::optional<int> SubmitWorldRow(RequestFrame& frame, const std::string& address, int id,
                                  const TKovRecord& row);
Fields SubmitWorldRowFields(int id, const TKovRecord& row);

// Tournament top ten by criterion 's' (score), 'r' (rating) or 'k' (kons).
struct TournamentTopRow {
  int Place = 0;
  std::string Nick, City, Country, R07;
  std::string Score;  // the criterion's value as the server wrote it
};
std::optional<std::vector<TournamentTopRow>> ReadTournamentTopTen(RequestFrame& frame,
                                                                  const std::string& address,
                                                                  char criterion);
// The place of a value under a criterion; −1 on failure.
int ReadTournamentPlace(RequestFrame& frame, const std::string& address, char criterion,
                        const std::string& value);

// The record booked before a rated game: three kons more and 50 points less.
TKovGame AdvanceBooking(const TKovGame& read);
// The record after a rated game: read is the server's copy (with the advance booking),
// cycleKons the program's kons of the cycle before the game, sessionScore and totalScore the
// game's. Nothing when the server's copy holds no kons (the booking never landed).
std::optional<TKovGame> SettledResults(const TKovGame& read, int cycleKons, int sessionScore,
                                       int totalScore);
// The fifth line of the main menu's club list while logged in: the nick padded to 20, then by
// score (mode 1) the kons of the cycle and the cycle score, by rating (mode 2) all kons and the
// rating rounded to a whole number.
std::string ClubListAccountLine(const std::string& nick, const TKovGame& game, int mode);
}  // namespace zendral::online

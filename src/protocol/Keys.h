#pragma once
// The words of the club's services as they travel: this game's ids and table numbers, the
// operation keys that select what a request asks for, and the names of the fields it carries.
// The program builds its requests from them and the server reads requests by them.

namespace zendral::protocol {

// This game's number in the family of games; sent to every service.
inline constexpr int kGameId = 44;
// In front of the result fields of this game under an account ("crdq4kon", ...).
inline constexpr char kGameKey[] = "crdq4";

// World top-ten tables: local cycles, cycles of the other platform, cycles of rated games.
inline constexpr int kWindowsTable = kGameId;
inline constexpr int kAndroidTable = kGameId + 100;
inline constexpr int kAccountTable = kGameId + 300;
// Tournament tables, numbered 1..kTourTables.
inline constexpr int kTourTables = 10;

// Operation keys: a request names its operation by carrying the key as a field.
namespace op {
// Account service.
inline constexpr char kLogIn[] = "label0";
inline constexpr char kMemberCount[] = "label1";
inline constexpr char kSignOut[] = "labellogout";
inline constexpr char kReadProfile[] = "labelinforead";
inline constexpr char kSaveProfile[] = "labelinfosave";
inline constexpr char kReadBalance[] = "labelkovread";
inline constexpr char kSaveBalance[] = "labelkovsave";
inline constexpr char kTransfer[] = "labelkovsend";
// Results under an account: kGameKey in front ("crdq4best").
inline constexpr char kResultsBest[] = "best";
inline constexpr char kResultsKon[] = "kon";
inline constexpr char kResultsRating[] = "rating";
// Records service: the deal of the day and the world tables.
inline constexpr char kDailyStart[] = "dailystart";
inline constexpr char kDailySave[] = "dailysave";
inline constexpr char kDailyRead[] = "dailyread";
inline constexpr char kWorldTableSize[] = "rgid";
// Statistics service.
inline constexpr char kCountStart[] = "stat1";
inline constexpr char kLike[] = "stat3";
inline constexpr char kCounters[] = "R1";
// Tournament service; the seat digit or the game id and a criterion letter follow some.
inline constexpr char kReadTables[] = "readtable10";
inline constexpr char kServerInfo[] = "serverinforead";
inline constexpr char kTakeSeat[] = "clienton";      // + seat digit
inline constexpr char kReadSeat[] = "readclient";    // + seat digit
inline constexpr char kTourRating[] = "readrating";  // + game id
inline constexpr char kTopTen[] = "top10";           // + criterion letter + game id
inline constexpr char kPlace[] = "place";            // + criterion letter + game id
}  // namespace op

// Field names.
namespace field {
inline constexpr char kNick[] = "nick";
inline constexpr char kPassword[] = "pw";
inline constexpr char kGameId[] = "gid";
inline constexpr char kCity[] = "city";
inline constexpr char kCountry[] = "country";
inline constexpr char kCountry1[] = "country1";
inline constexpr char kCountry2[] = "country2";
inline constexpr char kSex[] = "sex";
inline constexpr char kEMail[] = "email";
inline constexpr char kTo[] = "to";
inline constexpr char kAmount[] = "R04";
inline constexpr char kScore[] = "score";
inline constexpr char kMoves[] = "moves";
inline constexpr char kDate[] = "date";
inline constexpr char kTable[] = "num";
inline constexpr char kAction[] = "can";
inline constexpr char kStartCounted[] = "stat2";
inline constexpr char kLikedName[] = "stat4";
}  // namespace field

// The keys of the path directory ("KEY=scrambled address#" entries).
namespace paths {
inline constexpr char kRecords[] = "WTGamesPatt";
inline constexpr char kStatistics[] = "StatPath";
inline constexpr char kAccount[] = "AccPath";
inline constexpr char kAndroidPackage[] = "ApkPath";
inline constexpr char kAndroidStore[] = "StorePath";
// Switches: present while the club has paused the chat or the world tables.
inline constexpr char kChatPaused[] = "CTGamesPause";
inline constexpr char kWorldPaused[] = "WTGamesPause";
}  // namespace paths

}  // namespace zendral::protocol

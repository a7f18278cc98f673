#pragma once
// The words of the club's services as they travel: this game's ids and table numbers, the
// operation keys that select what a request asks for, and the names of the fields it carries.
// The program builds its requests from them and the server reads requests by them; the
// words of the replies are here as well. Every word of the club's services is written here
// once: a second spelling elsewhere is a word that can drift.

#include <string>

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
// The world table the chat's messages are filed in.
inline constexpr int kChatTable = 100;

// The services by the last word of their address (".../services/account").
namespace service {
inline constexpr char kAccount[] = "account";
inline constexpr char kRecords[] = "records";
inline constexpr char kStats[] = "stats";
inline constexpr char kTournament[] = "tournament";
inline constexpr char kPhoto[] = "photo";
}  // namespace service

// Where the club's parts are under its base address ("http://host:port").
namespace location {
inline constexpr char kServices[] = "/services/";  // + a service's word
inline constexpr char kPathDirectory[] = "/services/paths.txt";
inline constexpr char kAdvertising[] = "/services/adv.txt";
inline constexpr char kNews[] = "/news/index.html";
inline constexpr char kPhotos[] = "/photos/";
inline constexpr char kOwnAddress[] = "/get_ip.php";
inline constexpr char kMusic[] = "/musik/";
inline constexpr char kPlaylist[] = "/musik/_playlist.html";
inline constexpr char kDownloads[] = "/downloads/progr/cards/";
}  // namespace location
// The path of a service's address ("/services/account").
inline std::string ServicePath(const char* service) {
  std::string path = location::kServices;
  path += service;
  return path;
}

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
inline constexpr char kCounters[] = "R1";  // the first of the counter fields
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
// A number of Kovs: the amount of a transfer, and the balance in a new account's record.
inline constexpr char kAmount[] = "R04";
// The rest of a new account's record as the program sends it; the server takes none of them
// (a new account starts with the server's date and its own numbers).
inline constexpr char kRegistered[] = "dater";
inline constexpr char kReserved1[] = "R01";
inline constexpr char kReserved2[] = "R02";
inline constexpr char kReserved3[] = "R03";
inline constexpr char kReserved5[] = "R05";
inline constexpr char kReserved6[] = "R06";
inline constexpr char kScore[] = "score";
inline constexpr char kMoves[] = "moves";
inline constexpr char kDate[] = "date";
inline constexpr char kTable[] = "num";
inline constexpr char kAction[] = "can";
inline constexpr char kStartCounted[] = "stat2";
inline constexpr char kLikedName[] = "stat4";
// The columns of a world table's row after score, nick, country and city: the sex, the
// program's version, and two free columns (the chat's stamp and text; "#" elsewhere).
inline constexpr char kRowSex[] = "R7";
inline constexpr char kRowVersion[] = "R8";
inline constexpr char kRowFree1[] = "R9";
inline constexpr char kRowFree2[] = "R10";
}  // namespace field

// The results of this game under an account, each with kGameKey in front ("crdq4ses").
namespace results {
inline constexpr const char* kBest = op::kResultsBest;
inline constexpr const char* kKons = op::kResultsKon;
inline constexpr const char* kRating = op::kResultsRating;
inline constexpr char kSessions[] = "ses";
inline constexpr char kLostKons[] = "konl";
inline constexpr const char* kScore = field::kScore;
inline constexpr char kReserved1[] = "R1";
inline constexpr char kReserved2[] = "R2";
// The moves of the block's kons, replayed by the server on the decks it booked.
inline constexpr const char* kMoves = field::kMoves;
}  // namespace results

// The statistics counters, numbered 1..kCounterFields: "R" and the number ("R1" .. "R12").
inline constexpr int kCounterFields = 12;
inline std::string CounterField(int number) {
  std::string name = "R";
  name += std::to_string(number);  // appended: a literal in front trips a false compiler warning
  return name;
}

// The free texts of a member's profile, in the order of the request and of the reply.
namespace profile {
inline constexpr char kName1[] = "namei";
inline constexpr char kName1Older[] = "name1";  // the first name as older programs call it
inline constexpr char kName2[] = "name2";
inline constexpr char kAbout[] = "about";
inline constexpr char kTelephone[] = "telephone";
inline constexpr char kEMail[] = "emailo";
inline constexpr char kWebSite[] = "website";
inline constexpr char kSkype[] = "skype";
inline constexpr char kOK[] = "ok";
inline constexpr char kVK[] = "vk";
inline constexpr char kTelegram[] = "telegram";
inline constexpr char kFaceBook[] = "facebook";
inline constexpr char kTwitter[] = "twitter";
inline constexpr char kInstagram[] = "instagramm";
inline constexpr char kYouTube[] = "youtube";
inline constexpr int kFields = 14;
inline constexpr const char* kOrder[kFields] = {
    kName1, kName2, kAbout,    kTelephone, kEMail,   kWebSite,   kSkype,
    kOK,    kVK,    kTelegram, kFaceBook,  kTwitter, kInstagram, kYouTube,
};
}  // namespace profile

// A tournament player's record in a seat request, each name followed by the seat's digit
// ("score1", "kon2"). A place request names its value by the first seat's field of its
// criterion.
namespace seat {
inline constexpr const char* kScore = field::kScore;
inline constexpr const char* kKons = results::kKons;
inline constexpr const char* kRating = results::kRating;
inline constexpr const char* kCountry = field::kCountry;
inline constexpr const char* kCity = field::kCity;
inline constexpr const char* kSex = field::kSex;
inline constexpr char kAddress[] = "ip";
}  // namespace seat

// The tournament's criteria: by score, by rating, by kons.
inline constexpr char kByScore = 's';
inline constexpr char kByRating = 'r';
inline constexpr char kByKons = 'k';
inline constexpr char kCriteria[] = {kByScore, kByRating, kByKons};
// The record field a criterion orders by ("rating" for 'r'); the score for any other letter.
constexpr const char* CriterionField(char criterion) {
  return criterion == kByRating ? seat::kRating : criterion == kByKons ? seat::kKons : seat::kScore;
}
// The field a place request carries its value in ("rating1").
inline std::string PlaceField(char criterion) {
  return std::string(CriterionField(criterion)) + "1";
}

// The tournament's tokens: a free seat's nick and its other words, and the server's state.
namespace tour {
inline constexpr char kNobody[] = "X";
inline constexpr char kOn = 'Y';
inline constexpr char kOff = 'X';
}  // namespace tour

// The markers of a reply: done, taken already (a nick, a seat, today's deal), refused.
namespace answer {
inline constexpr char kOk[] = "ok";
inline constexpr char kTaken[] = "is";
inline constexpr char kNo[] = "no";
}  // namespace answer

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

// The advertising directory: "KEY=value##" entries; the number of entries in three digits
// under kCount, and each entry's picture, name and link under kPrefix, the entry's number in
// three digits and a letter ("SecAdv001I").
namespace advertising {
inline constexpr char kPrefix[] = "SecAdv";
inline constexpr char kCount[] = "SecAdv0000";
inline constexpr char kEnd[] = "##";
inline constexpr char kPicture = 'I';
inline constexpr char kName = 'N';
inline constexpr char kLink = 'L';
}  // namespace advertising

}  // namespace zendral::protocol

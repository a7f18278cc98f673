#pragma once
// Club files written by hand from the layout (checksums worked out separately), and the
// files the edits must produce from them.

#include <string>

namespace zendral::fixtures {

// Three members (the third named "Вера", rating 0), two empty slots, ten Order lines.
inline const std::string kClub =
    "Anna                  2,500000     45     30331332333266266\r\n"
    "Boris                 1,250000     30      0266266266266266\r\n"
    "\xC2\xE5\xF0\xE0                  0,000000     12     -7283284285286287\r\n"
    "##################################### #####################\r\n"
    "##################################### #####################\r\n"
    "Gleb                   150\r\n"
    "Dina                   120\r\n"
    "Egor                   120\r\n"
    "Zoya                    90\r\n"
    "Ilya                    60\r\n"
    "Kira                    30\r\n"
    "Lev                      0\r\n"
    "Mila                     0\r\n"
    "Nina                   -10\r\n"
    "Oleg                   -40\r\n"
    "\x90}##########################\r\n"
    "0#####umk#025129012489008243\r\n";

// kClub after member 1 left.
inline const std::string kClubWithoutAnna =
    "Boris                 1,250000     30      0266266266266266\r\n"
    "\xC2\xE5\xF0\xE0                  0,000000     12     -7283284285286287\r\n"
    "##################################### #####################\r\n"
    "##################################### #####################\r\n"
    "##################################### #####################\r\n"
    "Gleb                   150\r\n"
    "Dina                   120\r\n"
    "Egor                   120\r\n"
    "Zoya                    90\r\n"
    "Ilya                    60\r\n"
    "Kira                    30\r\n"
    "Lev                      0\r\n"
    "Mila                     0\r\n"
    "Nina                   -10\r\n"
    "Oleg                   -40\r\n"
    "\x90}##########################\r\n"
    "0#####umk#024550012140008197\r\n";

// kClub after a new player "Petr" (password "p") ended his second cycle at kon 60 with 120
// points and a rating of 1.25: both ties go before the older entries.
inline const std::string kClubWithPetr =
    "Anna                  2,500000     45     30331332333266266\r\n"
    "Petr                  1,250000     60      0346266266266266\r\n"
    "Boris                 1,250000     30      0266266266266266\r\n"
    "\xC2\xE5\xF0\xE0                  0,000000     12     -7283284285286287\r\n"
    "##################################### #####################\r\n"
    "Gleb                   150\r\n"
    "Petr                   120\r\n"
    "Dina                   120\r\n"
    "Egor                   120\r\n"
    "Zoya                    90\r\n"
    "Ilya                    60\r\n"
    "Kira                    30\r\n"
    "Lev                      0\r\n"
    "Mila                     0\r\n"
    "Nina                   -10\r\n"
    "\x90}##########################\r\n"
    "0#####umk#025755012736008509\r\n";

}  // namespace zendral::fixtures

#pragma once
// Texts that tell the player what the program is doing or waiting for: the lone wait at a
// tournament table and its end, the intro's hint to go on, in the ten languages.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordWaitingForOpponent;  // Waiting for an opponent:
extern const TWordRow kWordSeatFreedByServer;   // Nobody came to your table in time: ...
extern const TWordRow kWordClickToContinue;     // Click or press a key to continue

}  // namespace zendral

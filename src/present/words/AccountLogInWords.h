#pragma once
// The texts around the account's log-in: who is logged in, the question before signing out of
// a booked rated game, and the log-in that came back once the server answered again.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordLoggedInAs;     // Logged in as
extern const TWordRow kWordNotLoggedIn;    // Not logged in
extern const TWordRow kWordSignOutRated;   // The next game is booked for the world rating. ...
extern const TWordRow kWordLoggedInAgain;  // The server answers again: you are logged in ...

}  // namespace zendral

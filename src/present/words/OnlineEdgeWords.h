#pragma once
// The texts of the account, news and world-table windows that say what a click did or will do,
// in the ten languages.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordCyclesInTable;           // Cycles in the table
extern const TWordRow kWordOpenInBrowser;           // Open in browser
extern const TWordRow kWordRatedOnlyAtGameStart;    // Tick this box when you start a game ...
extern const TWordRow kWordEditProfile;             // Edit profile
extern const TWordRow kWordPhotoUploaded;           // Your photo has been uploaded!
extern const TWordRow kWordProfileSaved;            // Your profile has been saved!
extern const TWordRow kWordProfileNotSaved;         // Failed to save your profile!
extern const TWordRow kWordDeleteSavedLogIn;        // Delete the saved log-in? ...
extern const TWordRow kWordAccountCreatedLoggedIn;  // Your account has been created ...
extern const TWordRow kWordSaveLogInHint;           // Press "Save" to be logged in ...

}  // namespace zendral

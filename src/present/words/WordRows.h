#pragma once
// The rows of the word tables that the windows show, one named constant per text, grouped by the
// window that shows them. The comment gives the English text. The data is in WordRows*.cpp.

#include "present/words/Words.h"

namespace zendral {

// Main window and its menu
extern const TWordRow kWordTitle;      // Zendral
extern const TWordRow kWordNewPlayer;  // New Player
extern const TWordRow kWordOptions;    // Options
extern const TWordRow kWordTopTen;     // Top Ten
extern const TWordRow kWordExit;       // Exit
extern const TWordRow kWordHistory;    // History
extern const TWordRow kWordMode;       // Mode
// The header of the club list: variant 1 by score, variant 2 by rating.
extern const TWordRow2 kWordClubListHeader;
extern const TWordRow kWordExitToMenu;           // Exit to menu
extern const TWordRow kWordLeaveToMenuQuestion;  // Do you want to go back to the main menu?
extern const TWordRow kWordDataWillBeLost;       // All datas for want of it will be lost!
extern const TWordRow kWordLeaveGameQuestion;    // Do you want to leave the game?
extern const TWordRow kWordGeneralScore;         // General score
extern const TWordRow kWordChangeName;           // To change a name
extern const TWordRow kWordHelp;                 // Help
extern const TWordRow kWordAbout;                // About
extern const TWordRow kWordNameChanged;  // Your name and/or the password were successfully chang...
extern const TWordRow kWordGamesInCycle;        // Games in cycle
extern const TWordRow kWordClient;              // Client
extern const TWordRow kWordServer;              // Server
extern const TWordRow kWordHasInterruptedGame;  // has interrupted game!
extern const TWordRow kWordPressOkToExit;       // Press OK for exit to the main menu...
extern const TWordRow kWordThankYouForSupport;  // Thank you for Your support!
extern const TWordRow kWordPlayOtherGames;      // Play our other games
extern const TWordRow kWordMoreGames;           // More games!
extern const TWordRow kWordOnGooglePlay;        // on Google Play!
extern const TWordRow kWordPleaseWait;          // Please, wait...
extern const TWordRow kWordChat;                // Chat
extern const TWordRow kWordStatistics;          // Statistics
extern const TWordRow kWordCouldNotConnect;     // Could not connect to server!
extern const TWordRow kWordRepeatQuestion;      // Repeat?
extern const TWordRow kWordRatedGamePending;    // There is a game on the rating!
extern const TWordRow kWordNotLoggedIn;         // You are not logged in to your account!
extern const TWordRow kWordLoggedIn;            // You are logged in to your account!
extern const TWordRow kWordCreatingGif;         // Creating a GIF...
extern const TWordRow kWordSpeed;               // Speed
extern const TWordRow kWordPass;                // Pass
extern const TWordRow kWordRadio;               // Radio
extern const TWordRow kWordDynamicIq;           // Dynamic IQ for Windows (percent)
extern const TWordRow kWordGamesPlayedWithPc;   // Games played with PC
extern const TWordRow kWordBestWindowsPlayer;   // Best Windows Player:
extern const TWordRow kWordBestAndroidPlayer;   // Best Android Player:
extern const TWordRow kWordBestAccountPlayer;   // The best player of games from under the account:
extern const TWordRow kWordNo;                  // No
extern const TWordRow kWordYes;                 // Yes
extern const TWordRow kWordOk;                  // Ok
extern const TWordRow kWordAttention;           // Attention
extern const TWordRow kWordLostConnection;      // Lost connection with the server!
extern const TWordRow kWordPlayer;              // Player
extern const TWordRow kWordInterruptedGame;     // interrupted the game!
extern const TWordRow kWordYouWon;              // You won!
extern const TWordRow kWordYouLose;             // You lose!
extern const TWordRow kWordPlayerTimeUp;        // Player
extern const TWordRow kWordTimeIsUp;            // time is up!
extern const TWordRow kWordLogInToAccount;      // Log in to your account!
extern const TWordRow kWordYourTimeIsUp;        // Your time is up!
extern const TWordRow kWordOnlineTournament;    // Online-Tournament
extern const TWordRow kWordHelpNotTranslated;  // Excuse! / The file of the help is not translate...
extern const TWordRow kWordNoConnect;          // No Connect
extern const TWordRow kWordNoConnectMessage;   // No Connect!
extern const TWordRow kWordNoConnectUpper;     // NO CONNECT
extern const TWordRow kWordKovNews;            // Kov News!
extern const TWordRow kWordKovChat;            // Kov Chat!
extern const TWordRow kWordApkUnavailable;     // in Apk is temporarily unavailable!

// Game table
extern const TWordRow kWordWaitingForServer;  // Expectation of the server...
extern const TWordRow kWordNextGame;          // Next game
extern const TWordRow kWordKon;               // Game
extern const TWordRow kWordToBegin;           // To Begin
extern const TWordRow kWordBank;              // Bank:
extern const TWordRow kWordTotalOfGame;       // Total of game

// Start dialog (name, password, server/client)
extern const TWordRow kWordIncorrectName;      // Incorrect name!
extern const TWordRow kWordPasswordsDiffer;    // The passwords do not coincide!
extern const TWordRow kWordIncorrectPassword;  // The incorrect password!
extern const TWordRow kWordWelcome;            // Welcome!
extern const TWordRow kWordEnterName;          // Enter Your name:
extern const TWordRow kWordEnterPassword;      // Enter Your password:
extern const TWordRow kWordPasswordAgain;      // And once again for check...
extern const TWordRow kWordMrX;                // Mr.X
extern const TWordRow kWordCancel;             // Cancel
extern const TWordRow kWordIncorrectIp;        // Incorrect IP-address!
extern const TWordRow kWordIncorrectPort;      // Incorrect Port!
extern const TWordRow kWordEnterServerIp;      // Enter IP of server:
extern const TWordRow kWordEnterServerPort;    // Enter Port of server:
extern const TWordRow kWordNumberGames;        // Number games:
extern const TWordRow kWordServerClient;       // Server / Client
extern const TWordRow kWordServerCreatesGame;  // Server create the game
extern const TWordRow kWordClientJoinsGame;    // Client enters to game
extern const TWordRow kWordGetIpAddresses;     // To receive the IP-addresses
extern const TWordRow kWordLoopback;           // Loop
extern const TWordRow kWordWaitingForPlayers;  // Expectation of connection of other players...
extern const TWordRow kWordWaitingForGame;     // Expectation of game...

// Waiting for network players
extern const TWordRow kWordSecondPlayerConnected;  // The second player was connected...
extern const TWordRow kWordThirdPlayerConnected;   // The third player was connected...
extern const TWordRow kWordFourthPlayerConnected;  // The fourth player was connected...
extern const TWordRow kWordNoAccessibleGames;      // There are no accessible games

// Card flight speed window
extern const TWordRow kWordChoiceOfSpeed;      // Choice of speed
extern const TWordRow kWordSelectFlightSpeed;  // Select a flight speed of cards:

// About window
extern const TWordRow kWordAboutCredits;  // In the program many graphic, sound and musical fragm...
extern const TWordRow kWordMoreInHelp;    // More in detail in the help
extern const TWordRow kWordOfficialSite;  // Official site:
extern const TWordRow kWordEmail;         // E-mail:
extern const TWordRow kWordCreditsProgramming;  // Programming
extern const TWordRow kWordCreditsGraphics;     // Graphics
extern const TWordRow kWordCreditsSoundsMusic;  // Sounds and music
extern const TWordRow kWordCreditsTranslation;  // Translation

// Local top ten
extern const TWordRow kWordScoreTopTen;        // Score
extern const TWordRow kWordWindowsLocalGames;  // WINDOWS. LOCAL GAMES WITH PC
extern const TWordRow kWordWindowsNetGames;    // WINDOWS. NET GAMES

// End of game
extern const TWordRow kWordCompletionOfGame;   // The completion of game
extern const TWordRow kWordCongratulations;    // CONGRATULATIONS!!!
extern const TWordRow kWordBestResult;         // Your result - the best!
extern const TWordRow kWordGoodResult;         // Good result!
extern const TWordRow kWordInTopTen;           // You have hitted in top ten players!
extern const TWordRow kWordOurRegrets;         // Our regrets...
extern const TWordRow kWordResultWantsBetter;  // Your result keeps to wish best
extern const TWordRow kWordNotInTopTen;        // You have not hitted in ten best players...
extern const TWordRow kWordResult;             // Result:
extern const TWordRow kWordPlace;              // Place:
extern const TWordRow kWordVicePresident;      // You become the Vice-President of the order!
extern const TWordRow kWordMaster;             // You become a Master of the Order!
extern const TWordRow kWordBachelor;           // You become a Bachelor of the Order!
extern const TWordRow kWordKovs;               // Kovs
extern const TWordRow kWordKovsTitle;          // Kovs
extern const TWordRow kWordYouGet;             // You get

// Game history window
extern const TWordRow kWordHistoryOfGames;   // History of games
extern const TWordRow kWordTime;             // Time
extern const TWordRow kWordDate;             // Date
extern const TWordRow kWordGames;            // Games
extern const TWordRow kWordResultColumn;     // Result
extern const TWordRow kWordRating;           // Rating
extern const TWordRow kWordType;             // Type
extern const TWordRow kWordCantSaveHistory;  // Cann`t save history!
extern const TWordRow kWordFile;             // File
extern const TWordRow kWordNoHistoryFiles;   // No History Files
extern const TWordRow kWordTypeLocal;        // Local
extern const TWordRow kWordTypeNet;          // Net
extern const TWordRow kWordTypeAccount;      // Account
extern const TWordRow kWordTypeTourney;      // Tourney

// Game information window
extern const TWordRow kWordGameInformation;     // Information about game
extern const TWordRow kWordCurrentScore;        // The current score:
extern const TWordRow kWordInitialScore;        // The initial score:
extern const TWordRow kWordTotalScore;          // The general score:
extern const TWordRow kWordKonNumberTotal;      // General number of game:
extern const TWordRow kWordKonNumberInCycle;    // Number of round in a current cycle:
extern const TWordRow kWordKonNumberInSession;  // Number of round in a current session:
extern const TWordRow kWordInitialRating;       // The initial rating:
extern const TWordRow kWordCurrentRating;       // The current rating:
extern const TWordRow kWordCurrentGame;         // Current game

// Advertising and support windows
extern const TWordRow kWordSupport;          // Support
extern const TWordRow kWordWorkingLongTime;  // We have been working on this game for a long time
extern const TWordRow kWordGladOfSupport;    // and we will be happy to get the financial support!
extern const TWordRow kWordAdvertising;      // Advertising
extern const TWordRow kWordSupportUs;        // Support us!
extern const TWordRow kWordOurGames;         // Our games

// Options window: pages, groups and controls
extern const TWordRow kWordGeneral;          // General
extern const TWordRow kWordMultimedia;       // Multimedia
extern const TWordRow kWordSound;            // Sound
extern const TWordRow kWordMusic;            // Music
extern const TWordRow kWordCards;            // Cards
extern const TWordRow kWordDecks;            // Decks
extern const TWordRow kWordFonts;            // Fonts
extern const TWordRow kWordMinor;            // Minor
extern const TWordRow kWordSmallWindow;      // Small window
extern const TWordRow kWordAverageWindow1;   // Average window 1
extern const TWordRow kWordAverageWindow2;   // Average window 2
extern const TWordRow kWordLargeWindow;      // Large window
extern const TWordRow kWordFullScreen;       // Full screen
extern const TWordRow kWordCantSaveOptions;  // Can`t save options!
extern const TWordRow kWordMultiplayer;      // Multiplayer
extern const TWordRow kWordDownload;         // Download
extern const TWordRow kWordPassport;         // Passport
extern const TWordRow kWordModification;     // Modification
extern const TWordRow kWordChangeDecks;      // To change decks
extern const TWordRow kWordAlwaysOne;        // Always one
extern const TWordRow kWordRandom;           // Random
extern const TWordRow kWordGifAnimation;     // Gif-animation
extern const TWordRow kWordFlyingCards;      // "Fly" cards
extern const TWordRow kWordRedMouseCursor;   // Red mouse cursor
extern const TWordRow kWordNewButtons;       // New buttons
extern const TWordRow kWordLargeFont;        // Large font
extern const TWordRow kWordSmallFont;        // Small font
extern const TWordRow kWordSpecialFont;      // Special font
extern const TWordRow kWordScalePercent;     // Scale, %
extern const TWordRow kWordDefault;          // Default
extern const TWordRow kWordFontWarning;  // Attention! / These installations should be changed on...
extern const TWordRow kWordSaveGames;    // Save games
extern const TWordRow kWordSaveGamesAsGif;      // Save games as GIFs
extern const TWordRow kWordSaveMainWindowOnly;  // Save contents of only the main window
extern const TWordRow kWordSaveScreen;          // Save screen contents
extern const TWordRow kWordFrameDelay;          // Delay between frames, msec.
extern const TWordRow kWordReadingRadioList;    // Reading the list of radio stations
extern const TWordRow kWordFromServer;          // From the server
extern const TWordRow kWordFromDisk;            // From disk
extern const TWordRow kWordBg;                  // BG
extern const TWordRow kWordBackground;          // Background
extern const TWordRow kWordDesign;              // Design
extern const TWordRow kWordMainMenuDesign;      // Main Menu Design
extern const TWordRow kWordGameTableDesign;     // Game Table Design
extern const TWordRow kWordAuxWindowDesign;     // Auxiliary Window Design
extern const TWordRow kWordCustomizable;        // Customizable
extern const TWordRow kWordPurple;              // Purple
extern const TWordRow kWordGrayConcise;         // Gray concise
extern const TWordRow kWordGrayAristocratic;    // Gray aristocratic
extern const TWordRow kWordGrayRedRibbons;      // Gray with red ribbons
extern const TWordRow kWordSalute;              // Salute
extern const TWordRow kWordButtons;             // Buttons
extern const TWordRow kWordGame;                // Game
extern const TWordRow kWordHighlightMoves;      // To sellect possible cards for move

// Options window: card faces and card backs
extern const TWordRow kWordDeckClassical1;          // Classical-1
extern const TWordRow kWordDeckMedieval1;           // Medieval-1
extern const TWordRow kWordDeckModern;              // Modern
extern const TWordRow kWordDeckAncientEgypt;        // Ancient Egypt
extern const TWordRow kWordDeckBaronesse;           // Baronesse
extern const TWordRow kWordDeckCeltic;              // Celtic
extern const TWordRow kWordDeckCorona;              // Corona
extern const TWordRow kWordDeckCrown;               // Crown
extern const TWordRow kWordDeckEnglishPattern;      // English Pattern
extern const TWordRow kWordDeckFrankfurt;           // Frankfurt
extern const TWordRow kWordDeckHistoricalCostumes;  // Historical costumes
extern const TWordRow kWordDeckNativeAmericans;     // Native Americans
extern const TWordRow kWordDeckOldGardenRoses;      // Old Garden Roses
extern const TWordRow kWordDeckParrots;             // Parrots
extern const TWordRow kWordDeckRoyal;               // Royal
extern const TWordRow kWordDeckShakespeare;         // Shakespeare
extern const TWordRow kWordDeckBigBen;              // Big Ben
extern const TWordRow kWordDeckFourReigns;          // Four Reigns of English History
extern const TWordRow kWordDeckLargePrintLondon;    // Large Print London
extern const TWordRow kWordDeckClassical2;          // Classical-2
extern const TWordRow kWordDeckHearts;              // Hearts
extern const TWordRow kWordDeckSeasons;             // Seasons
extern const TWordRow kWordDeckRhineStyle;          // Rhine Style
extern const TWordRow kWordDeckMedieval2;           // Medieval-2
extern const TWordRow kWordDeckDoods;               // Doods
extern const TWordRow kWordDeckPlayboy;             // Playboy
extern const TWordRow kWordDeckEpic;                // Epic
extern const TWordRow kWordDeckUssr;                // USSR
extern const TWordRow kWordDeckPlastic;             // Plastic
extern const TWordRow kWordDeckSkatGerman;          // Skat - German suits
extern const TWordRow kWordDeckSkatTournament;      // Skat - Tournament suits
extern const TWordRow kWordDeckSkatFrench;          // Skat - French suits
extern const TWordRow kWordDeckWhitePalekh;         // White palekh
extern const TWordRow kWordDeckDiana;               // Diana
extern const TWordRow kWordDeckPrincely;            // Princely
extern const TWordRow kWordDeckForSolitaires;       // For solitaires
extern const TWordRow kWordDeckSatin;               // Satin
extern const TWordRow kWordDeckSlavic;              // Slavic
extern const TWordRow kWordDeckMaya;                // Maya
extern const TWordRow kWordDeckBast;                // Bast
extern const TWordRow kWordDeckFrench;              // French
extern const TWordRow kWordDeckSpanish1;            // Spanish 1
extern const TWordRow kWordDeckSpanish2;            // Spanish 2
extern const TWordRow kWordDeckSpanish3;            // Spanish 3
extern const TWordRow kWordDeckSpanish4;            // Spanish 4
extern const TWordRow kWordDeckChinese;             // Chinese
extern const TWordRow kWordDeckItalian;             // Italian
extern const TWordRow kWordDeckCzech;               // Czech
extern const TWordRow kWordDeckRussian;             // Russian
extern const TWordRow kWordBackAnimals;             // Animals
extern const TWordRow kWordBackFlowers;             // Flowers
extern const TWordRow kWordBackOther;               // Other
extern const TWordRow kWordBackPlaces;              // Places
extern const TWordRow kWordCarpet;                  // Carpet
extern const TWordRow kWordBackCross;               // Cross
extern const TWordRow kWordBackChess;               // Chess
extern const TWordRow kWordBackDiamond;             // Diamond
extern const TWordRow kWordBackKnightly;            // Knightly

// Options window: backgrounds and colours
extern const TWordRow kWordBgSun;            // Sun
extern const TWordRow kWordBgFelt;           // Felt
extern const TWordRow kWordBgGradient;       // Gradient
extern const TWordRow kWordBgCloth;          // Cloth
extern const TWordRow kWordBgTree;           // Tree
extern const TWordRow kWordBgCasino;         // Casino
extern const TWordRow kWordBgPattern;        // Pattern
extern const TWordRow kWordBgSilk;           // Silk
extern const TWordRow kWordBgOrnament;       // Ornament
extern const TWordRow kWordColourGreen;      // Green
extern const TWordRow kWordColourRed;        // Red
extern const TWordRow kWordColourOrange;     // Orang
extern const TWordRow kWordColourViolet;     // Violet
extern const TWordRow kWordColourYellow;     // Yellow
extern const TWordRow kWordColourLightBlue;  // Light-Blue
extern const TWordRow kWordColourDarkBlue;   // Dark Blue

// Player passport and continents
extern const TWordRow kWordNick;          // Nick
extern const TWordRow kWordCountry;       // Country
extern const TWordRow kWordCity;          // City
extern const TWordRow kWordSex;           // Sex
extern const TWordRow kWordEurope;        // Europe
extern const TWordRow kWordAsia;          // Asia
extern const TWordRow kWordNorthAmerica;  // North America
extern const TWordRow kWordSouthAmerica;  // South America
extern const TWordRow kWordOceania;       // Oceania
extern const TWordRow kWordAfrica;        // Africa
extern const TWordRow kWordMale;          // Male
extern const TWordRow kWordFemale;        // Female
extern const TWordRow kWordMyPassport;    // My Passport
extern const TWordRow kWordMan;           // Man
extern const TWordRow kWordWoman;         // Woman

// Account windows
extern const TWordRow kWordClubQuillmark;       // CLUB "QUILLMARK"
extern const TWordRow kWordMyAccount;           // My account
extern const TWordRow kWordMyResults;           // My results
extern const TWordRow kWordLoginToAccount;      // Login to account
extern const TWordRow kWordSignOut;             // Sign out
extern const TWordRow kWordAccountInformation;  // Your account information
extern const TWordRow kWordPassword;            // Password
extern const TWordRow kWordRegistration;        // Registration
extern const TWordRow kWordHidePassword;        // Hide password
extern const TWordRow kWordPlayGlobalRating;    // Play global rating
extern const TWordRow kWordClubMembers;         // Club members:
extern const TWordRow kWordAccountCreated;      // Your account has been successfully created!
extern const TWordRow kWordNickTaken;           // The club already has a player with the same Nick!
extern const TWordRow kWordCouldNotCreateAccount;  // Could not create account!
extern const TWordRow kWordLoginFailed;            // Login failed!
extern const TWordRow kWordInfoAboutYourGames;     // Information about your games
extern const TWordRow kWordPlaceLabel;             // Place
extern const TWordRow kWordPlayedGames;            // Played games
extern const TWordRow kWordMyBestScore;            // My best score
extern const TWordRow kWordTop10;                  // Top 10
extern const TWordRow kWordTop10BestRated;         // Top 10 best rated players
extern const TWordRow kWordCreateAccount;          // Create an account
extern const TWordRow kWordSave;                   // Save
extern const TWordRow kWordDelete;                 // Delete
extern const TWordRow kWordPlayedCycles;           // Played cycles
extern const TWordRow kWordCurrentDeal;            // Current Deal
extern const TWordRow kWordCurrentScoreLabel;      // Current Score
extern const TWordRow kWordTransfer;               // Transfer
extern const TWordRow kWordTransferQuestion;    // Do you really want to transfer to a club member
extern const TWordRow kWordTransferSuccessful;  // Transfer is successful!
extern const TWordRow kWordNotEnoughKovs;       // You do not have enough Kovs to transfer!
extern const TWordRow kWordEmptyTransfer;       // I can not make an empty transfer!
extern const TWordRow kWordNoSuchMember;        // There is no club member with that nick!
extern const TWordRow kWordTransferKovs;        // Transfer Kovs
extern const TWordRow kWordTransferAmount;      // Transfer amount
extern const TWordRow kWordTransferRecipient;   // Nick of the club member you want to transfer to
extern const TWordRow kWordAboutMe;             // About me
extern const TWordRow kWordPresident;           // President
extern const TWordRow kWordRefresh;             // Refresh
extern const TWordRow kWordCopiedToClipboard;   // Copied to clipboard!
extern const TWordRow kWordPresidentOfOrder;    // President of the Order
extern const TWordRow kWordYourName;            // Your name
extern const TWordRow kWordYourLastName;        // Your last name
extern const TWordRow kWordBriefInfo;           // Brief information about you
extern const TWordRow kWordYourPhone;           // Your phone number
extern const TWordRow kWordYourEmail;           // Your e-mail
extern const TWordRow kWordYourWebSite;         // Your web site
extern const TWordRow kWordYourSkype;           // Your skype
extern const TWordRow kWordYourOk;              // Your OK
extern const TWordRow kWordYourVk;              // Your VK
extern const TWordRow kWordYourTelegram;        // Your Telegram
extern const TWordRow kWordYourFacebook;        // Your Facebook
extern const TWordRow kWordYourTwitter;         // Your Twitter
extern const TWordRow kWordYourInstagram;       // Your Instagram
extern const TWordRow kWordYourYouTube;         // Your YouTube
extern const TWordRow kWordPhotoFormat;  // The photo must be in jpg format 200x250 pixels in size!
extern const TWordRow kWordPhotoUploadFailed;  // Failed to upload photo to server!
extern const TWordRow kWordInfoVisible;   // This information may be visible to other club members.
extern const TWordRow kWordUpdateInfo;    // Update info
extern const TWordRow kWordRefreshPhoto;  // Refresh photo
extern const TWordRow kWordClose;         // Close

// World top ten and results upload
extern const TWordRow kWordWorldTopTenUnavailable;  // World Top Ten Tournament is temporarily un...
extern const TWordRow kWordCantWriteResult;         // Unable to write the result of the game!
extern const TWordRow kWordSend;                    // Send
extern const TWordRow kWordYourScore;               // Your score
extern const TWordRow kWordYourPlace;               // Your place
extern const TWordRow kWordNumberOfGames;           // Number of games
extern const TWordRow kWordScore;                   // Score
extern const TWordRow kWordWorldTopTen;             // World Top Ten
extern const TWordRow kWordTournamentTopTen;        // Tournament Top Ten
extern const TWordRow kWordOnlineTopTen;            // ONLINE TOP TEN
extern const TWordRow kWordWindowsScoreCycle;       // WINDOWS. SCORE. GAMES IN CYCLE
extern const TWordRow kWordAndroidScoreCycle;       // ANDROID. SCORE. GAMES IN CYCLE
extern const TWordRow kWordAccountScoreCycle;       // ACCOUNT. SCORE. GAMES IN CYCLE
extern const TWordRow kWordAccountRatingAll;        // ACCOUNT. RATING. ALL GAMES
extern const TWordRow kWordWindowsOnlineTournament;  // WINDOWS. ONLINE TOURNAMENT

// Chat
extern const TWordRow kWordChatUnavailable;      // Chat is temporarily unavailable!
extern const TWordRow kWordCantSendMessage;      // Unable to send a message!
extern const TWordRow kWordKovGamesChat;         // Kov Games Chat
extern const TWordRow kWordLastMessageAtBottom;  // Last message at the bottom
extern const TWordRow kWordOpenOnNewMessage;     // Open this window when a new message

// World statistics
extern const TWordRow kWordWorldStats;            // WORLD STATS
extern const TWordRow kWordNumberOfStarts;        // Number of starts
extern const TWordRow kWordNumberOfUniqueStarts;  // Number of unique starts
extern const TWordRow kWordLikes;                 // Likes
extern const TWordRow kWordLastLike;              // Last Like
extern const TWordRow kWordILikeThisGame;         // I like this game!
extern const TWordRow kWordStatisticSince;        // This statistic is maintained since version 5.2
extern const TWordRow kWordCyclesPlayedWithPc;    // Cycles played with PC
extern const TWordRow kWordPeopleWins;            // Winning people (game with PC)
extern const TWordRow kWordPeopleLosses;          // Loss of people (game with PC)
extern const TWordRow kWordGamesPlayedNet;        // Games played Net
extern const TWordRow kWordGamesPlayedOnline;     // Games played Online

// Online tournament
extern const TWordRow kWordRules;                  // Rules
extern const TWordRow kWordTakePlace;              // Take the place of
extern const TWordRow kWordFree;                   // Free
extern const TWordRow kWordServerConnectionError;  // Server connection error!
extern const TWordRow kWordTableOccupiedByIp;  // This table is already occupied by a player with...
extern const TWordRow kWordTable;              // Table
extern const TWordRow kWordLogOff;             // Log off
extern const TWordRow kWordNoOptions;          // No Options
extern const TWordRow kWordServerOn;           // Server On
extern const TWordRow kWordServerOff;          // Server Off
extern const TWordRow kWordOn;                 // On
extern const TWordRow kWordOff;                // Off

// File and resource errors
extern const TWordRow kWordTheFileOpen;          // The file "
extern const TWordRow kWordIncorrectAttributes;  // " has incorrect attributes! / The work of the...
extern const TWordRow kWordIncorrectFile;        // The incorrect file
extern const TWordRow kWordCantFindFile;         // Can`t find the file
extern const TWordRow kWordDiskWriteError;       // Error of disk writing!
extern const TWordRow kWordCantCreateMusicFile;  // Can`t create music file!
extern const TWordRow kWordCantFind;             // Can`t find

// Radio
extern const TWordRow kWordKovInternetRadio;  // Kov Internet-Radio

}  // namespace zendral

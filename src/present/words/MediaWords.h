#pragma once
// The texts of the sounds and the radio: the names of the 36 cards as the card voices speak
// them, the countries of the radio window and the captions and hints of the radio window and
// the music player, in the ten languages of the word tables.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordCardSixOfHearts;      // Six of hearts
extern const TWordRow kWordCardSevenOfHearts;    // Seven of hearts
extern const TWordRow kWordCardEightOfHearts;    // Eight of hearts
extern const TWordRow kWordCardNineOfHearts;     // Nine of hearts
extern const TWordRow kWordCardTenOfHearts;      // Ten of hearts
extern const TWordRow kWordCardJackOfHearts;     // Jack of hearts
extern const TWordRow kWordCardQueenOfHearts;    // Queen of hearts
extern const TWordRow kWordCardKingOfHearts;     // King of hearts
extern const TWordRow kWordCardAceOfHearts;      // Ace of hearts
extern const TWordRow kWordCardSixOfDiamonds;    // Six of diamonds
extern const TWordRow kWordCardSevenOfDiamonds;  // Seven of diamonds
extern const TWordRow kWordCardEightOfDiamonds;  // Eight of diamonds
extern const TWordRow kWordCardNineOfDiamonds;   // Nine of diamonds
extern const TWordRow kWordCardTenOfDiamonds;    // Ten of diamonds
extern const TWordRow kWordCardJackOfDiamonds;   // Jack of diamonds
extern const TWordRow kWordCardQueenOfDiamonds;  // Queen of diamonds
extern const TWordRow kWordCardKingOfDiamonds;   // King of diamonds
extern const TWordRow kWordCardAceOfDiamonds;    // Ace of diamonds
extern const TWordRow kWordCardSixOfClubs;       // Six of clubs
extern const TWordRow kWordCardSevenOfClubs;     // Seven of clubs
extern const TWordRow kWordCardEightOfClubs;     // Eight of clubs
extern const TWordRow kWordCardNineOfClubs;      // Nine of clubs
extern const TWordRow kWordCardTenOfClubs;       // Ten of clubs
extern const TWordRow kWordCardJackOfClubs;      // Jack of clubs
extern const TWordRow kWordCardQueenOfClubs;     // Queen of clubs
extern const TWordRow kWordCardKingOfClubs;      // King of clubs
extern const TWordRow kWordCardAceOfClubs;       // Ace of clubs
extern const TWordRow kWordCardSixOfSpades;      // Six of spades
extern const TWordRow kWordCardSevenOfSpades;    // Seven of spades
extern const TWordRow kWordCardEightOfSpades;    // Eight of spades
extern const TWordRow kWordCardNineOfSpades;     // Nine of spades
extern const TWordRow kWordCardTenOfSpades;      // Ten of spades
extern const TWordRow kWordCardJackOfSpades;     // Jack of spades
extern const TWordRow kWordCardQueenOfSpades;    // Queen of spades
extern const TWordRow kWordCardKingOfSpades;     // King of spades
extern const TWordRow kWordCardAceOfSpades;      // Ace of spades

extern const TWordRow kWordCountryRussianFederation;  // Russian Federation
extern const TWordRow kWordCountryUkraine;            // Ukraine
extern const TWordRow kWordCountryBelarus;            // Belarus
extern const TWordRow kWordCountryMoldova;            // Moldova
extern const TWordRow kWordCountryEstonia;            // Estonia
extern const TWordRow kWordCountryLatvia;             // Latvia
extern const TWordRow kWordCountryLithuania;          // Lithuania
extern const TWordRow kWordCountryArmenia;            // Armenia
extern const TWordRow kWordCountryGeorgia;            // Georgia
extern const TWordRow kWordCountryAzerbaijan;         // Azerbaijan
extern const TWordRow kWordCountryKazakhstan;         // Kazakhstan
extern const TWordRow kWordCountryUzbekistan;         // Uzbekistan
extern const TWordRow kWordCountryUsa;                // USA
extern const TWordRow kWordCountryCanada;             // Canada
extern const TWordRow kWordCountryUnitedKingdom;      // United Kingdom
extern const TWordRow kWordCountryAustralia;          // Australia
extern const TWordRow kWordCountryDeutschland;        // Deutschland
extern const TWordRow kWordCountryFrance;             // France
extern const TWordRow kWordCountryItaly;              // Italy
extern const TWordRow kWordCountryNetherlands;        // Netherlands
extern const TWordRow kWordCountrySweden;             // Sweden
extern const TWordRow kWordCountryCzechRepublic;      // Czech Republic
extern const TWordRow kWordCountrySpain;              // Spain
extern const TWordRow kWordCountryBrazil;             // Brazil
extern const TWordRow kWordCountryIndia;              // India
extern const TWordRow kWordCountryChina;              // China
extern const TWordRow kWordCountryJapan;              // Japan
extern const TWordRow kWordCountrySouthKorea;         // South Korea

extern const TWordRow kWordStationUnavailable;  // The station is not available
extern const TWordRow kWordStation;             // Station
extern const TWordRow kWordVolume;              // Volume
extern const TWordRow kWordNextTrack;           // Next track
extern const TWordRow kWordRadioOnOff;          // On / Off

// The name of a card by its suit row (1 hearts, 2 diamonds, 3 clubs, 4 spades) and rank value
// (1 six ... 9 ace); nullptr for anything else.
const TWordRow* CardNameRow(int suitRow, int rankValue);

// The radio's countries in the order of the radio window's list (0 the Russian Federation ...
// 27 South Korea); nullptr outside 0..27.
inline constexpr int kRadioCountryCount = 28;
const TWordRow* RadioCountryRow(int position);

}  // namespace zendral

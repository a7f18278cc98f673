#pragma once
// The texts of the holiday calendar on the main menu, in the ten languages of the word tables,
// and their lookup by month, sign, year, holiday mark and entry number of the holiday table.

#include <string_view>

#include "present/words/Words.h"

namespace zendral {

// Months, in the form a date needs
extern const TWordRow kWordJanuary;    // January
extern const TWordRow kWordFebruary;   // February
extern const TWordRow kWordMarch;      // March
extern const TWordRow kWordApril;      // April
extern const TWordRow kWordMay;        // May
extern const TWordRow kWordJune;       // June
extern const TWordRow kWordJuly;       // July
extern const TWordRow kWordAugust;     // August
extern const TWordRow kWordSeptember;  // September
extern const TWordRow kWordOctober;    // October
extern const TWordRow kWordNovember;   // November
extern const TWordRow kWordDecember;   // December

// Signs of the zodiac, Aries first
extern const TWordRow kWordAries;        // Aries
extern const TWordRow kWordTaurus;       // Taurus
extern const TWordRow kWordGemini;       // Gemini
extern const TWordRow kWordCancer;       // Cancer
extern const TWordRow kWordLeo;          // Leo
extern const TWordRow kWordVirgo;        // Virgo
extern const TWordRow kWordLibra;        // Libra
extern const TWordRow kWordScorpio;      // Scorpio
extern const TWordRow kWordSagittarius;  // Sagittarius
extern const TWordRow kWordCapricorn;    // Capricorn
extern const TWordRow kWordAquarius;     // Aquarius
extern const TWordRow kWordPisces;       // Pisces

// Animals of the year, by the year modulo 12
extern const TWordRow kWordYearOfMonkey;   // Year Of The Monkey
extern const TWordRow kWordYearOfRooster;  // Year Of The Rooster
extern const TWordRow kWordYearOfDog;      // Year Of The Dog
extern const TWordRow kWordYearOfPig;      // Year Of The Pig
extern const TWordRow kWordYearOfRat;      // Year Of The Rat
extern const TWordRow kWordYearOfOx;       // Year Of The Ox
extern const TWordRow kWordYearOfTiger;    // Year Of The Tiger
extern const TWordRow kWordYearOfRabbit;   // Year Of The Rabbit
extern const TWordRow kWordYearOfDragon;   // Year Of The Dragon
extern const TWordRow kWordYearOfSnake;    // Year Of The Snake
extern const TWordRow kWordYearOfHorse;    // Year Of The Horse
extern const TWordRow kWordYearOfGoat;     // Year Of The Goat

// Holiday kinds, by the mark of the entry, and the anniversary word
extern const TWordRow kWordHolidayKindUk;        // Holiday UK
extern const TWordRow kWordHolidayKindRussia;    // Russian Festival
extern const TWordRow kWordHolidayKindGermany;   // German holiday
extern const TWordRow kWordHolidayKindFrance;    // French holiday
extern const TWordRow kWordHolidayKindSpain;     // Spanish holiday
extern const TWordRow kWordHolidayKindUsa;       // Holiday United States
extern const TWordRow kWordHolidayKindOrthodox;  // The Orthodox holiday
extern const TWordRow kWordHolidayKindCatholic;  // Catholic feast
extern const TWordRow kWordAnniversary;          // -th anniversary

// Holiday names, by the number of the entry in the holiday table
extern const TWordRow kWordHolidayNewYear;           // New Year
extern const TWordRow kWordHolidayInauguration;      // Inauguration day
extern const TWordRow kWordHolidayTatyana;           // Tatyana`s day, the day of Russian students
extern const TWordRow kWordHolidayLeningrad;         // Day of the lifting of the siege of Leningrad
extern const TWordRow kWordHolidayMartinLutherKing;  // Martin Luther King Day
extern const TWordRow kWordHolidayStalingrad;  // The day of the victory of Soviet forces in the...
extern const TWordRow kWordHolidayRussianScience;      // The day of Russian Science
extern const TWordRow kWordHolidayValentine;           // Valentine`s day
extern const TWordRow kWordHolidayFatherlandDefender;  // Defender of the fatherland day
extern const TWordRow kWordHolidayWomensDay;           // International women`s day
extern const TWordRow kWordHolidayStPatrick;           // St. Patrick`s day
extern const TWordRow kWordHolidayAprilFool;           // April Fool`s day
extern const TWordRow kWordHolidayUnityOfPeoples;      // Unity day
extern const TWordRow kWordHolidayCosmonautics;        // Day of cosmonautics
extern const TWordRow kWordHolidayBattleOnTheIce;  // The day of the victory of the Russian army...
extern const TWordRow kWordHolidayLaborDay;        // Labor Day
extern const TWordRow kWordHolidayMadrid;          // Day Of Madrid
extern const TWordRow kWordHolidayRadio;           // Radio day
extern const TWordRow kWordHolidayVictoryFrance;   // Victory day
extern const TWordRow kWordHolidayVictoryPatrioticWar;  // Victory day in Great Patriotic war
extern const TWordRow kWordHolidaySlavonicLiterature;  // The day of Slavonic Literature and culture
extern const TWordRow kWordHolidayChemist;             // Chemist`s day
extern const TWordRow kWordHolidayChildrensDay;        // International children`s day
extern const TWordRow kWordHolidayRussiaDay;           // Russia Day
extern const TWordRow kWordHolidayAmericanFlag;        // American flag day
extern const TWordRow kWordHolidayMusic;               // Music day
extern const TWordRow kWordHolidayRemembrance;         // Day of remembrance and mourning
extern const TWordRow kWordHolidayYouth;               // Youth day
extern const TWordRow kWordHolidayIndependence;        // Independence day
extern const TWordRow kWordHolidayFamilyLoveFidelity;  // Day of family, love and fidelity
extern const TWordRow kWordHolidayPoltava;   // The day of the victory of the Russian army in the...
extern const TWordRow kWordHolidayBastille;  // Bastille Day
extern const TWordRow kWordHolidayHotDog;    // National hot dog day
extern const TWordRow kWordHolidayBaptismOfRus;  // The day of the baptism of RUS`
extern const TWordRow kWordHolidayElvis;         // Elvis Presley Memorial Day
extern const TWordRow kWordHolidayRussianFlag;   // The day of the national flag of Russia
extern const TWordRow kWordHolidayKursk;  // The day of the victory of Soviet forces in the battl...
extern const TWordRow kWordHolidayKnowledge;       // The day of knowledge
extern const TWordRow kWordHolidayEndOfWorldWar2;  // Day of the end of World War II
extern const TWordRow kWordHolidayBorodino;        // Borodino day
extern const TWordRow kWordHolidayProgrammer;      // Programmer`s day
extern const TWordRow kWordHolidayKulikovo;  // The day of the victory of Russian regiments in th...
extern const TWordRow kWordHolidayOlderPersons;         // Day of older persons
extern const TWordRow kWordHolidayGermanUnity;          // Day of German unity
extern const TWordRow kWordHolidayTeacher;              // Teacher`s day
extern const TWordRow kWordHolidaySpainNational;        // National day of Spain
extern const TWordRow kWordHolidayApple;                // Apple day
extern const TWordRow kWordHolidayHalloween;            // Halloween
extern const TWordRow kWordHolidayGuyFawkes;            // Guy Fawkes night or Night campfires
extern const TWordRow kWordHolidayEndOfWorldWar1;       // The end of the first world war
extern const TWordRow kWordHolidayThanksgiving;         // Thanksgiving
extern const TWordRow kWordHolidayMoscowCounterattack;  // The first day of the Soviet troops cou...
extern const TWordRow kWordHolidaySpainConstitution;    // Constitution Day in Spain
extern const TWordRow kWordHolidayRussiaConstitution;   // Constitution Day Of Russia
extern const TWordRow kWordHolidayPowerEngineers;       // The day of power branch workers
extern const TWordRow kWordHolidayRescuers;             // The rescuer day Russia
extern const TWordRow kWordHolidayEasterOrthodox;       // Easter
extern const TWordRow kWordHolidayEntryIntoJerusalem;   // The entry into Jerusalem
extern const TWordRow kWordHolidayAscension;            // Ascension Of Our Lord
extern const TWordRow kWordHolidayTrinity;              // Trinity Sunday
extern const TWordRow kWordHolidayChristmasOrthodox;    // Christmas
extern const TWordRow kWordHolidayCircumcision;         // Circumcision Of The Lord
extern const TWordRow kWordHolidayEpiphany;             // Epiphany
extern const TWordRow kWordHolidayCandlemasOrthodox;    // Candlemas
extern const TWordRow kWordHolidayAnnunciationOrthodox;  // Annunciation to the Most Holy Theotokos
extern const TWordRow kWordHolidayNativityOfJohn;  // The Nativity of John the Baptist (Forerunner)
extern const TWordRow kWordHolidayPeterAndPaul;  // Day of the Holy Primate Apostles Peter and Paul
extern const TWordRow kWordHolidayTransfigurationOrthodox;   // Transfiguration
extern const TWordRow kWordHolidayDormition;                 // Dormition of the Virgin
extern const TWordRow kWordHolidayBeheadingOfJohn;           // Beheading of John the Baptist
extern const TWordRow kWordHolidayNativityOfVirginOrthodox;  // Nativity Of The Virgin
extern const TWordRow kWordHolidayExaltationOfCross;         // Exaltation of the Cross of the Lord
extern const TWordRow kWordHolidayProtection;            // Protection of the Most Holy Theotokos
extern const TWordRow kWordHolidayPresentationOfVirgin;  // Introduction to the temple of the Mos...
extern const TWordRow kWordHolidayEasterCatholic;        // Easter
extern const TWordRow kWordHolidayCandlemasCatholic;     // Candlemas
extern const TWordRow kWordHolidayAnnunciationCatholic;  // Annunciation to the Most Holy Theotokos
extern const TWordRow kWordHolidayTransfigurationCatholic;   // Transfiguration
extern const TWordRow kWordHolidayNativityOfVirginCatholic;  // Nativity of the Mother of God
extern const TWordRow kWordHolidayAllSaints;                 // All Saints` day
extern const TWordRow kWordHolidayChristmasEve;              // Christmas Eve
extern const TWordRow kWordHolidayChristmasCatholic;         // Christmas

// Month 1..12 in the form a date needs (the Russian genitive "Января"); nullptr outside.
const TWordRow* MonthWord(int month);

// Sign of the zodiac 1 (Aries) … 12 (Pisces); nullptr outside.
const TWordRow* ZodiacWord(int sign);

// The animal of a year: by the year modulo 12, 0 the Monkey … 11 the Goat.
const TWordRow& YearAnimalWord(int year);

// The holiday kind of a mark of the holiday table ("RUS" "Russian Festival", …); nullptr for the
// marks that add no kind ("ALL", "RU-") and for unknown marks.
const TWordRow* HolidayKindWord(std::string_view mark);

// The name of entry 1..86 of the holiday table; nullptr for the entries whose texts are not part
// of the program and outside the table.
const TWordRow* HolidayWord(int entry);

}  // namespace zendral

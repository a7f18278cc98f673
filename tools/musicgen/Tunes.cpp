#include "Tunes.h"

namespace zendral::musicgen {

namespace {

// General MIDI programs, counted from 0.
constexpr int kCelesta = 8, kVibraphone = 11, kAccordion = 21, kNylonGuitar = 24, kViolin = 40,
              kTrumpet = 56, kClarinet = 71, kFlute = 73, kRecorder = 74, kOboe = 68,
              kBalalaika = 107;

}  // namespace

const std::vector<Tune>& Tunes() {
  static const std::vector<Tune> tunes = {
      // Russian pedlars' song, the folk tune sung to Nekrasov's poem (1861).
      {"Zendral_Folk_Ensemble~Korobeiniki", "Korobeiniki", 132, 8, 0,
       "E5:2 B4:1 C5:1 D5:2 C5:1 B4:1 | A4:2 A4:1 C5:1 E5:2 D5:1 C5:1 |"
       " B4:3 C5:1 D5:2 E5:2 | C5:2 A4:2 A4:4 |"
       " R:1 D5:2 F5:1 A5:2 G5:1 F5:1 | E5:3 C5:1 E5:2 D5:1 C5:1 |"
       " B4:2 B4:1 C5:1 D5:2 E5:2 | C5:2 A4:2 A4:4 |",
       "E Am E Am Dm C E Am", kBalalaika, kAccordion, false},
      // The theme of the last movement of Beethoven's ninth symphony (1824).
      {"Zendral_Chamber_Players~Ode_to_Joy", "Ode to Joy", 108, 8, 12,
       "E4:2 E4:2 F4:2 G4:2 | G4:2 F4:2 E4:2 D4:2 | C4:2 C4:2 D4:2 E4:2 | E4:3 D4:1 D4:4 |"
       " E4:2 E4:2 F4:2 G4:2 | G4:2 F4:2 E4:2 D4:2 | C4:2 C4:2 D4:2 E4:2 | D4:3 C4:1 C4:4 |"
       " D4:2 D4:2 E4:2 C4:2 | D4:2 E4:1 F4:1 E4:2 C4:2 | D4:2 E4:1 F4:1 E4:2 D4:2 |"
       " C4:2 D4:2 G3:4 |"
       " E4:2 E4:2 F4:2 G4:2 | G4:2 F4:2 E4:2 D4:2 | C4:2 C4:2 D4:2 E4:2 | D4:3 C4:1 C4:4 |",
       "C G C C/G C G C G/C G C G C/G C G C G/C", kOboe, kViolin, false},
      // The French song "Ah ! vous dirai-je, maman" (18th century).
      {"Zendral_Music_Box~Ah_vous_dirai-je_maman", "Ah vous dirai-je maman", 100, 8, 12,
       "C4:2 C4:2 G4:2 G4:2 | A4:2 A4:2 G4:4 | F4:2 F4:2 E4:2 E4:2 | D4:2 D4:2 C4:4 |"
       " G4:2 G4:2 F4:2 F4:2 | E4:2 E4:2 D4:4 | G4:2 G4:2 F4:2 F4:2 | E4:2 E4:2 D4:4 |"
       " C4:2 C4:2 G4:2 G4:2 | A4:2 A4:2 G4:4 | F4:2 F4:2 E4:2 E4:2 | D4:2 D4:2 C4:4 |",
       "C F/C F/C G/C C/G C/G C/G C/G C F/C F/C G/C", kCelesta, kVibraphone, false},
      // The French round "Frère Jacques" (18th century), sung as a canon the second time.
      {"Zendral_Folk_Ensemble~Frere_Jacques", "Frere Jacques", 112, 8, 12,
       "C4:2 D4:2 E4:2 C4:2 | C4:2 D4:2 E4:2 C4:2 | E4:2 F4:2 G4:4 | E4:2 F4:2 G4:4 |"
       " G4:1 A4:1 G4:1 F4:1 E4:2 C4:2 | G4:1 A4:1 G4:1 F4:1 E4:2 C4:2 |"
       " C4:2 G3:2 C4:4 | C4:2 G3:2 C4:4 |",
       "C C C C C C C C", kRecorder, kClarinet, true},
      // The spiritual "When the Saints Go Marching In" (traditional).
      {"Zendral_Street_Band~When_the_Saints", "When the Saints", 126, 8, 12,
       "R:2 C4:2 E4:2 F4:2 | G4:8 | R:2 C4:2 E4:2 F4:2 | G4:8 |"
       " R:2 C4:2 E4:2 F4:2 | G4:4 E4:4 | C4:4 E4:4 | D4:8 |"
       " R:2 E4:2 E4:2 D4:2 | C4:6 C4:2 | E4:4 G4:4 | G4:2 F4:6 |"
       " R:2 E4:2 F4:2 G4:2 | E4:4 C4:4 | D4:8 | C4:8 |",
       "C C C C C C C G C C C7 F C C G C", kTrumpet, kClarinet, false},
      // The minuet in G major of the Notebook for Anna Magdalena Bach (1725).
      {"Zendral_Chamber_Players~Minuet_in_G", "Minuet in G", 120, 6, 0,
       "D5:2 G4:1 A4:1 B4:1 C5:1 | D5:2 G4:2 G4:2 | E5:2 C5:1 D5:1 E5:1 F#5:1 |"
       " G5:2 G4:2 G4:2 | C5:2 D5:1 C5:1 B4:1 A4:1 | B4:2 C5:1 B4:1 A4:1 G4:1 |"
       " F#4:2 G4:1 A4:1 B4:1 G4:1 | A4:6 |"
       " D5:2 G4:1 A4:1 B4:1 C5:1 | D5:2 G4:2 G4:2 | E5:2 C5:1 D5:1 E5:1 F#5:1 |"
       " G5:2 G4:2 G4:2 | C5:2 D5:1 C5:1 B4:1 A4:1 | B4:2 C5:1 B4:1 A4:1 G4:1 |"
       " A4:2 B4:1 A4:1 G4:1 F#4:1 | G4:6 |",
       "G G C G C G D D G G C G C G D G", kFlute, kNylonGuitar, false},
  };
  return tunes;
}

}  // namespace zendral::musicgen

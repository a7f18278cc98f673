#include "EventSoundDesigns.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

namespace zendral::soundgen {

namespace {

// ---- Instruments ------------------------------------------------------------------------

// A card put down on felt: a dull thump of low-passed noise, a little body below it and a
// faint papery edge on top.
Samples FeltThump(std::uint32_t seed) {
  Samples thump = Noise(0.2, seed);
  LowPass(thump, 700, 0.8);
  Percussive(thump, 0.0015, 0.022);

  Samples body = Glide(150, 80, 0.2);
  Percussive(body, 0.002, 0.03);

  Samples edge = Noise(0.05, seed + 7);
  BandPass(edge, 3000, 1.2);
  Percussive(edge, 0.0005, 0.006);

  Samples out;
  MixInto(out, thump, 0, 1.0);
  MixInto(out, body, 0, 0.35);
  MixInto(out, edge, 0, 0.5);
  return out;
}

// A coin: inharmonic partials of a small metal disc that ring briefly, with a click.
Samples Coin(double frequency, std::uint32_t seed) {
  static constexpr std::array<Partial, 6> kDisc = {{{1.00, 1.00, 0.35},
                                                    {1.51, 0.60, 0.25},
                                                    {2.23, 0.45, 0.20},
                                                    {2.91, 0.30, 0.15},
                                                    {3.68, 0.20, 0.10},
                                                    {4.53, 0.12, 0.08}}};
  Samples out = Struck(frequency, kDisc, 0.4, 0.0008);
  Samples click = Noise(0.02, seed);
  HighPass(click, 4000);
  Percussive(click, 0.0003, 0.003);
  MixInto(out, click, 0, 0.6);
  return out;
}

// A small bell (celesta-like): nearly harmonic partials with a long ring.
Samples Bell(int key, double seconds) {
  static constexpr std::array<Partial, 5> kBell = {
      {{1.0, 1.00, 1.6}, {2.0, 0.45, 1.0}, {3.0, 0.20, 0.6}, {4.2, 0.12, 0.4}, {5.4, 0.06, 0.3}}};
  return Struck(KeyFrequency(key), kBell, seconds, 0.002);
}

// A soft mallet on wooden bars (marimba-like): the bar's partials at 1, 4 and 10.
Samples Mallet(int key, double seconds) {
  static constexpr std::array<Partial, 3> kBar = {
      {{1.0, 1.00, 0.9}, {4.0, 0.18, 0.15}, {10.0, 0.04, 0.05}}};
  return Struck(KeyFrequency(key), kBar, seconds, 0.004);
}

// A brass note; `dark` lowers its brightness for the quieter, sadder calls.
Samples Brass(int key, double seconds, double dark = 0.0) {
  ToneShape shape;
  shape.tilt = 1.1 + dark;
  shape.attack = 0.025;
  shape.decay = 0.1;
  shape.sustain = 0.75;
  shape.release = 0.08;
  shape.vibratoDepth = seconds > 0.3 ? 0.08 : 0.0;
  shape.brightAttack = 0.04;
  Samples out = Tone(KeyFrequency(key), seconds, shape);
  LowPass(out, 4500 - 2000 * dark);
  return out;
}

// A clock's tick: a tiny, quickly damped strike with a click.
Samples Tick(double frequency, std::uint32_t seed) {
  static constexpr std::array<Partial, 3> kTick = {
      {{1.0, 1.0, 0.03}, {2.3, 0.5, 0.02}, {3.9, 0.3, 0.015}}};
  Samples out = Struck(frequency, kTick, 0.05, 0.0005);
  Samples click = Noise(0.01, seed);
  HighPass(click, 3000);
  Percussive(click, 0.0002, 0.002);
  MixInto(out, click, 0, 0.3);
  return out;
}

// Finishing touches shared by every sound: an optional room, fades, a set peak.
Samples Finish(Samples s, double peak, double room = 0.0, double tail = 0.0,
               double fadeOut = 0.03) {
  if (room > 0.0) AddRoom(s, room, tail);
  FadeEnds(s, 0.001, fadeOut);
  NormalizePeak(s, peak);
  return s;
}

// A repeatable spread of values in [0, 1) for the natural unevenness of coins and riffles.
double Spread(std::uint32_t i) {
  std::uint32_t x = i * 747796405U + 2891336453U;
  x = ((x >> ((x >> 28U) + 4U)) ^ x) * 277803737U;
  return static_cast<double>((x >> 22U) ^ x) / 4294967296.0;
}

// ---- The sixteen sounds --------------------------------------------------------------------

// A kon has been dealt: a riffle of cards, then the deck squared on the felt.
Samples DealRiffle() {
  Samples out;
  double t = 0.0;
  constexpr int kFlicks = 16;
  for (int i = 0; i < kFlicks; ++i) {
    Samples flick = Noise(0.03, 100 + i);
    BandPass(flick, 2500 + 700 * Spread(i), 0.9);
    Percussive(flick, 0.0008, 0.005);
    // The riffle swells and fades again.
    const double swell = 0.5 + 0.5 * std::sin(3.14159 * (i + 0.5) / kFlicks);
    MixInto(out, flick, t, swell);
    t += 0.03 + 0.008 * Spread(i + 50);
  }
  MixInto(out, FeltThump(3), t + 0.08, 0.5);
  return Finish(std::move(out), 0.55);
}

// A card is laid (waited on: kept short).
Samples CardLaid() {
  Samples out = FeltThump(1);
  out.resize(SamplesFor(0.18));
  return Finish(std::move(out), 0.6, 0.0, 0.0, 0.04);
}

// A seat passes and pays its fine (waited on): two coins, then a third, settling.
Samples PassCoins() {
  Samples out;
  MixInto(out, Coin(2350, 11), 0.0, 1.0);
  MixInto(out, Coin(2780, 12), 0.085, 0.8);
  MixInto(out, Coin(2500, 13), 0.15, 0.5);
  LowPass(out, 9000);
  out.resize(SamplesFor(0.5));
  return Finish(std::move(out), 0.55, 0.08, 0.05, 0.08);
}

// The bank is paid out: a cascade of coins landing in a heap.
Samples BankPaidOut() {
  Samples out;
  double t = 0.0;
  for (std::uint32_t i = 0; i < 10; ++i) {
    MixInto(out, Coin(1900 + 1100 * Spread(i + 200), 20 + i), t, 0.5 + 0.5 * Spread(i + 300));
    t += 0.075 - 0.004 * i + 0.02 * Spread(i + 400);
  }
  MixInto(out, FeltThump(5), t, 0.4);
  LowPass(out, 9000);
  return Finish(std::move(out), 0.6, 0.1, 0.2, 0.1);
}

// The local player has won the kon: a bright little fanfare, G-C-E-G over a C chord.
Samples KonWonFanfare() {
  Samples out;
  const std::array<std::pair<int, double>, 3> pickup = {{{67, 0.0}, {72, 0.13}, {76, 0.26}}};
  for (auto [key, at] : pickup) MixInto(out, Brass(key, 0.11), at, 0.8);
  MixInto(out, Brass(79, 0.5), 0.39, 1.0);
  for (int key : {60, 64, 67}) MixInto(out, Brass(key, 0.5, 0.4), 0.39, 0.3);
  MixInto(out, Bell(84, 0.8), 0.39, 0.15);
  return Finish(std::move(out), 0.7, 0.2, 0.4, 0.1);
}

// The opponent has won the kon: two soft mallet notes falling a minor third.
Samples KonLostCall() {
  Samples out;
  MixInto(out, Mallet(67, 0.6), 0.0, 1.0);
  MixInto(out, Mallet(63, 0.8), 0.2, 0.9);
  LowPass(out, 3000);
  return Finish(std::move(out), 0.55, 0.15, 0.3, 0.1);
}

// A session ends in profit: a rising chime C-E-G-C.
Samples SessionGoodChime() {
  Samples out;
  const std::array<int, 4> keys = {72, 76, 79, 84};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    MixInto(out, Bell(keys[i], 1.0), 0.11 * i, i + 1 == keys.size() ? 1.0 : 0.8);
  }
  return Finish(std::move(out), 0.6, 0.2, 0.4, 0.15);
}

// A session ends in loss: three mallet notes falling to D minor.
Samples SessionBadChime() {
  Samples out;
  MixInto(out, Mallet(69, 0.6), 0.0, 1.0);
  MixInto(out, Mallet(65, 0.6), 0.18, 0.9);
  MixInto(out, Mallet(62, 0.9), 0.36, 0.9);
  LowPass(out, 2500);
  return Finish(std::move(out), 0.55, 0.15, 0.3, 0.15);
}

// First place in the cycle's order: the full fanfare, with bells over the final chord.
Samples CycleBestFanfare() {
  Samples out;
  for (int i = 0; i < 3; ++i) MixInto(out, Brass(72, 0.07), 0.1 * i, 0.75);
  MixInto(out, Brass(79, 0.25), 0.3, 1.0);
  MixInto(out, Brass(76, 0.1), 0.58, 0.8);
  MixInto(out, Brass(79, 0.12), 0.7, 0.85);
  MixInto(out, Brass(84, 0.7), 0.85, 1.0);
  for (int key : {60, 64, 67, 72}) MixInto(out, Brass(key, 0.7, 0.4), 0.85, 0.3);
  const std::array<int, 4> sparkle = {84, 88, 91, 96};
  for (std::size_t i = 0; i < sparkle.size(); ++i) {
    MixInto(out, Bell(sparkle[i], 0.9), 0.85 + 0.08 * i, 0.2);
  }
  return Finish(std::move(out), 0.75, 0.22, 0.5, 0.15);
}

// Places 2 to 10: a shorter fanfare closing on a held chord.
Samples CycleGoodFanfare() {
  Samples out;
  MixInto(out, Brass(67, 0.1), 0.0, 0.8);
  MixInto(out, Brass(72, 0.1), 0.12, 0.8);
  MixInto(out, Brass(76, 0.1), 0.24, 0.8);
  for (int key : {72, 76, 79}) MixInto(out, Brass(key, 0.55, 0.3), 0.36, 0.5);
  MixInto(out, Bell(84, 0.8), 0.36, 0.15);
  return Finish(std::move(out), 0.65, 0.2, 0.4, 0.12);
}

// No place in the order: a muted brass line falling to a G minor chord.
Samples CycleBadCall() {
  Samples out;
  MixInto(out, Brass(67, 0.2, 0.7), 0.0, 0.8);
  MixInto(out, Brass(65, 0.2, 0.7), 0.25, 0.8);
  MixInto(out, Brass(63, 0.2, 0.7), 0.5, 0.8);
  MixInto(out, Brass(62, 0.6, 0.7), 0.75, 0.9);
  for (int key : {55, 58}) MixInto(out, Brass(key, 0.6, 0.8), 0.75, 0.3);
  LowPass(out, 1800);
  return Finish(std::move(out), 0.55, 0.2, 0.4, 0.15);
}

// A window or a question opens: a soft rising pop with a light bell.
Samples WindowOpens() {
  Samples pop = Glide(420, 880, 0.09);
  Percussive(pop, 0.002, 0.03);
  Samples out;
  MixInto(out, pop, 0.0, 1.0);
  MixInto(out, Bell(88, 0.25), 0.03, 0.25);
  LowPass(out, 6000);
  return Finish(std::move(out), 0.5, 0.0, 0.0, 0.05);
}

// Something arrived or succeeded: a two-note chime rising a fourth.
Samples ArrivalChime() {
  Samples out;
  MixInto(out, Bell(76, 0.7), 0.0, 0.9);
  MixInto(out, Bell(81, 0.8), 0.13, 1.0);
  return Finish(std::move(out), 0.55, 0.15, 0.25, 0.12);
}

// A refusal: a gentle, low "uh-uh", the second note lower and longer.
Samples Refusal() {
  ToneShape shape;
  shape.tilt = 2.0;
  shape.oddOnly = true;
  shape.attack = 0.008;
  shape.decay = 0.05;
  shape.sustain = 0.6;
  shape.release = 0.04;
  Samples out;
  MixInto(out, Tone(311.1, 0.09, shape), 0.0, 1.0);
  MixInto(out, Tone(233.1, 0.14, shape), 0.13, 1.0);
  LowPass(out, 1500);
  // Held tones carry more than struck ones: a lower peak keeps the refusal gentle.
  return Finish(std::move(out), 0.3, 0.0, 0.0, 0.03);
}

// The move clock with time to spare: a light tick.
Samples ClockTick() {
  Samples out = Tick(2800, 31);
  return Finish(std::move(out), 0.4, 0.0, 0.0, 0.01);
}

// The move clock at 7 seconds and below: a fuller wooden tock under the tick.
Samples ClockTickUrgent() {
  static constexpr std::array<Partial, 3> kBlock = {
      {{1.0, 1.0, 0.06}, {2.7, 0.35, 0.03}, {4.1, 0.2, 0.02}}};
  Samples out = Struck(1050, kBlock, 0.09, 0.0005);
  MixInto(out, Tick(3200, 32), 0.0, 0.5);
  return Finish(std::move(out), 0.55, 0.0, 0.0, 0.015);
}

}  // namespace

Samples DesignEventSound(std::string_view name) {
  static const std::array<std::pair<std::string_view, Samples (*)()>, 16> kRecipes = {{
      {"WTasoKo", DealRiffle},
      {"WHodsDo", CardLaid},
      {"WHodBer", PassCoins},
      {"WHodOtb", BankPaidOut},
      {"WKoGutX", KonWonFanfare},
      {"WKoBadX", KonLostCall},
      {"WKoGood", SessionGoodChime},
      {"WKoBads", SessionBadChime},
      {"WFiBest", CycleBestFanfare},
      {"WFiGood", CycleGoodFanfare},
      {"WFiBads", CycleBadCall},
      {"WOpenFo", WindowOpens},
      {"WToMenK", ArrivalChime},
      {"WWrongs", Refusal},
      {"STimerA", ClockTick},
      {"STimerB", ClockTickUrgent},
  }};
  for (const auto& [recipeName, make] : kRecipes) {
    if (recipeName == name) return make();
  }
  return {};
}

}  // namespace zendral::soundgen

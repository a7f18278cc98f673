#pragma once
// A small offline synthesiser: mono sample buffers in [-1, 1] at 44 100 Hz, built from
// struck partials, band-limited tones, filtered noise, envelopes and a light room reverb.
// Deterministic: the same build gives the same sounds.

#include <cstdint>
#include <span>
#include <vector>

namespace zendral::soundgen {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<double>;

std::size_t SamplesFor(double seconds);

// Adds `src` into `dst` from `atSeconds` on, scaled by `gain`; `dst` grows as needed.
void MixInto(Samples& dst, const Samples& src, double atSeconds, double gain = 1.0);

// One partial of a struck tone: frequency ratio to the fundamental, amplitude, and the time
// in seconds it takes to fall by 60 dB.
struct Partial {
  double ratio;
  double amplitude;
  double decaySeconds;
};

// A struck or plucked tone (bell, coin, mallet, tick): each partial a sine with its own
// exponential decay, after a short linear attack.
Samples Struck(double frequency, std::span<const Partial> partials, double seconds,
               double attackSeconds = 0.002);

// A sustained band-limited tone with harmonics falling as 1/n^tilt (tilt 1 is a sawtooth,
// higher is darker), odd harmonics only when `oddOnly`; attack, sustain level and release
// shape its envelope, and `brightAttack` lets the upper harmonics bloom a little later than
// the fundamental as a brass note does.
struct ToneShape {
  double tilt = 1.0;
  bool oddOnly = false;
  double attack = 0.01;
  double decay = 0.08;
  double sustain = 0.7;
  double release = 0.08;
  double vibratoDepth = 0.0;  // in semitones
  double vibratoRate = 5.5;
  double brightAttack = 0.0;  // seconds
};
Samples Tone(double frequency, double seconds, const ToneShape& shape);

// A sine whose frequency glides exponentially from `from` to `to` over its length.
Samples Glide(double from, double to, double seconds);

// White noise from a fixed-seed generator.
Samples Noise(double seconds, std::uint32_t seed);

// Resonant filters (biquads, as in the well-known audio cookbook), applied in place.
void LowPass(Samples& s, double cutoff, double q = 0.707);
void HighPass(Samples& s, double cutoff, double q = 0.707);
void BandPass(Samples& s, double centre, double q);

// Multiplies by exp(-t / tau) after a linear attack.
void Percussive(Samples& s, double attackSeconds, double tau);

// Raised-cosine fades at both ends, so no sound starts or stops with a click.
void FadeEnds(Samples& s, double fadeInSeconds, double fadeOutSeconds);

// A light room: four damped combs and two all-passes; `wet` is the level of the tail. The
// buffer grows by `tailSeconds` for the tail to ring out.
void AddRoom(Samples& s, double wet, double tailSeconds);

// Scales so the largest magnitude equals `peak`.
void NormalizePeak(Samples& s, double peak);

// Rounds to 16-bit PCM, clamping to the range.
std::vector<std::int16_t> ToPcm16(const Samples& s);

// Equal-tempered frequency of a MIDI key (69 = A4 = 440 Hz).
double KeyFrequency(int key);

}  // namespace zendral::soundgen

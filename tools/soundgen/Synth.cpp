#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zendral::soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Biquad {
  double b0, b1, b2, a1, a2;
  void Run(Samples& s) const {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& v : s) {
      const double y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1;
      x1 = v;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
};

Biquad Design(double b0, double b1, double b2, double a0, double a1, double a2) {
  return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

// A comb with a one-pole low-pass in its loop: the tail darkens as it dies, as in a room.
class DampedComb {
 public:
  DampedComb(std::size_t delay, double feedback, double damping)
      : buffer_(delay, 0.0), feedback_(feedback), damping_(damping) {}
  double Run(double in) {
    const double out = buffer_[at_];
    store_ = out * (1.0 - damping_) + store_ * damping_;
    buffer_[at_] = in + store_ * feedback_;
    at_ = (at_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<double> buffer_;
  double feedback_;
  double damping_;
  double store_ = 0.0;
  std::size_t at_ = 0;
};

class AllPass {
 public:
  explicit AllPass(std::size_t delay) : buffer_(delay, 0.0) {}
  double Run(double in) {
    const double delayed = buffer_[at_];
    const double out = delayed - in;
    buffer_[at_] = in + delayed * 0.5;
    at_ = (at_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<double> buffer_;
  std::size_t at_ = 0;
};

}  // namespace

std::size_t SamplesFor(double seconds) {
  return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

void MixInto(Samples& dst, const Samples& src, double atSeconds, double gain) {
  const std::size_t start = SamplesFor(atSeconds);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
  for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += src[i] * gain;
}

Samples Struck(double frequency, std::span<const Partial> partials, double seconds,
               double attackSeconds) {
  Samples out(SamplesFor(seconds), 0.0);
  const double nyquist = kSampleRate / 2.0;
  for (const Partial& p : partials) {
    const double f = frequency * p.ratio;
    if (f >= nyquist * 0.95) continue;
    const double tau = p.decaySeconds / std::log(1000.0);  // -60 dB after decaySeconds
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      out[i] += p.amplitude * std::exp(-t / tau) * std::sin(kTwoPi * f * t);
    }
  }
  const std::size_t attack = std::min(out.size(), SamplesFor(attackSeconds));
  for (std::size_t i = 0; i < attack; ++i) out[i] *= static_cast<double>(i) / attack;
  return out;
}

Samples Tone(double frequency, double seconds, const ToneShape& shape) {
  Samples out(SamplesFor(seconds + shape.release), 0.0);
  const double nyquist = kSampleRate / 2.0;
  // The phase is accumulated so the vibrato bends the pitch without jumps.
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double bend =
        std::pow(2.0, shape.vibratoDepth / 12.0 * std::sin(kTwoPi * shape.vibratoRate * t) *
                          std::min(1.0, t / 0.15));  // the vibrato sets in after the attack
    const double f = frequency * bend;
    phase += kTwoPi * f / kSampleRate;
    const double bloom =
        shape.brightAttack > 0 ? std::min(1.0, 0.35 + 0.65 * t / shape.brightAttack) : 1.0;
    double v = 0.0;
    for (int n = 1; n * f < nyquist * 0.9; n += shape.oddOnly ? 2 : 1) {
      const double weight = 1.0 / std::pow(n, shape.tilt);
      v += (n == 1 ? 1.0 : bloom) * weight * std::sin(phase * n);
    }
    // Envelope: attack, decay to sustain, hold, release.
    double env;
    if (t < shape.attack) {
      env = t / shape.attack;
    } else if (t < shape.attack + shape.decay) {
      env = 1.0 - (1.0 - shape.sustain) * (t - shape.attack) / shape.decay;
    } else if (t < seconds) {
      env = shape.sustain;
    } else {
      const double r = (t - seconds) / shape.release;
      env = shape.sustain * std::max(0.0, 1.0 - r) * std::max(0.0, 1.0 - r);
    }
    out[i] = v * env;
  }
  return out;
}

Samples Glide(double from, double to, double seconds) {
  Samples out(SamplesFor(seconds), 0.0);
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double x = static_cast<double>(i) / std::max<std::size_t>(1, out.size() - 1);
    phase += kTwoPi * from * std::pow(to / from, x) / kSampleRate;
    out[i] = std::sin(phase);
  }
  return out;
}

Samples Noise(double seconds, std::uint32_t seed) {
  Samples out(SamplesFor(seconds), 0.0);
  std::uint32_t state = seed * 2654435761U + 1U;
  for (double& v : out) {
    // xorshift32: cheap, repeatable everywhere
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    v = static_cast<double>(state) / 2147483648.0 - 1.0;
  }
  return out;
}

void LowPass(Samples& s, double cutoff, double q) {
  const double w = kTwoPi * cutoff / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  Design((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha).Run(s);
}

void HighPass(Samples& s, double cutoff, double q) {
  const double w = kTwoPi * cutoff / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  Design((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha).Run(s);
}

void BandPass(Samples& s, double centre, double q) {
  const double w = kTwoPi * centre / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  Design(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha).Run(s);
}

void Percussive(Samples& s, double attackSeconds, double tau) {
  const std::size_t attack = SamplesFor(attackSeconds);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double rise = i < attack ? static_cast<double>(i) / attack : 1.0;
    s[i] *= rise * std::exp(-t / tau);
  }
}

void FadeEnds(Samples& s, double fadeInSeconds, double fadeOutSeconds) {
  const std::size_t in = std::min(s.size(), SamplesFor(fadeInSeconds));
  const std::size_t out = std::min(s.size(), SamplesFor(fadeOutSeconds));
  for (std::size_t i = 0; i < in; ++i) {
    s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / in);
  }
  for (std::size_t i = 0; i < out; ++i) {
    s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / out);
  }
}

void AddRoom(Samples& s, double wet, double tailSeconds) {
  s.resize(s.size() + SamplesFor(tailSeconds), 0.0);
  // Mutually prime delays of a small room at 44.1 kHz.
  DampedComb combs[] = {{1116, 0.78, 0.3}, {1277, 0.77, 0.3}, {1422, 0.76, 0.3}, {1617, 0.75, 0.3}};
  AllPass passes[] = {AllPass(556), AllPass(341)};
  for (double& v : s) {
    double tail = 0.0;
    for (auto& comb : combs) tail += comb.Run(v * 0.25);
    for (auto& pass : passes) tail = pass.Run(tail);
    v += wet * tail;
  }
}

void NormalizePeak(Samples& s, double peak) {
  double largest = 0.0;
  for (double v : s) largest = std::max(largest, std::abs(v));
  if (largest <= 0.0) return;
  for (double& v : s) v *= peak / largest;
}

std::vector<std::int16_t> ToPcm16(const Samples& s) {
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double v = std::clamp(s[i], -1.0, 1.0) * 32767.0;
    out[i] = static_cast<std::int16_t>(std::lround(v));
  }
  return out;
}

double KeyFrequency(int key) {
  return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

}  // namespace zendral::soundgen

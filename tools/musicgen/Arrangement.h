#pragma once
// Turns a tune into a Standard MIDI File: two bars of accompaniment, the melody on its first
// instrument over a rolling accompaniment and a bass, the melody again on its second
// instrument with strings added (and, for a round, a second voice two bars behind), and a
// closing chord.

#include <cstdint>
#include <string>
#include <vector>

#include "Tunes.h"

namespace zendral::musicgen {

// The file's bytes; empty with `error` set when the score does not add up (a bar of the
// wrong length, a chord for each bar missing, a note or chord name that does not parse).
std::vector<std::uint8_t> ArrangeTune(const Tune& tune, std::string& error);

}  // namespace zendral::musicgen

#pragma once
// The recipe of each event sound: what the player hears when a card is laid, a seat passes,
// a kon or a cycle ends, a window opens, the move clock ticks.

#include <string_view>

#include "Synth.h"

namespace zendral::soundgen {

// The samples of the named sound, ready to encode; empty for a name without a recipe.
Samples DesignEventSound(std::string_view name);

}  // namespace zendral::soundgen

#pragma once
// The text the sound options show on a machine without a sound device.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordNoSoundDevice;  // No sound device was found: the game stays silent.

}  // namespace zendral

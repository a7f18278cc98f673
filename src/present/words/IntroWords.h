#pragma once
// The text under the intro's layout: how to leave it.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordIntroHint;  // Click or press a key to go on

}  // namespace zendral

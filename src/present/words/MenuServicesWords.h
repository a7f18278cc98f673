#pragma once
// The texts of the main menu's club entries that the other tables lack, in the ten languages.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordNews;  // News

}  // namespace zendral

#pragma once
// The texts of the club server's own answers that the other tables lack, in the ten languages.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordServerBusy;  // Server busy, try again

}  // namespace zendral

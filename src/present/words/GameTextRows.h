#pragma once
// The word-table rows behind the names the rules hand to the table (texts on the layout, the
// captions of the main button), for every layer that draws the table.

#include "game/TableTexts.h"
#include "present/words/Words.h"

namespace zendral {

const TWordRow& RowOf(GameText text);
const TWordRow& RowOf(MainCaption caption);

}  // namespace zendral

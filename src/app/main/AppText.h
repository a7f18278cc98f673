#pragma once
// Texts of the main window at the Qt boundary: a word-table row in the current language, and
// the rows behind the names the rules hand to the table.

#include <QString>
#include <string_view>

#include "app/windows/WindowTexts.h"
#include "present/words/GameTextRows.h"
#include "present/words/Words.h"

namespace zendral::appmain {

// UTF-8 to QString; the word tables' line break "\n\r" becomes one line break.
using ::zendral::QtText;
// The row in the current language.
QString Text(const TWordRow& row);
QString Text(const TWordRow2& row, int variant);

// The word-table rows of the names the rules use.
using ::zendral::RowOf;

}  // namespace zendral::appmain

#pragma once
// Texts of the LAN windows at the Qt boundary: a word-table row in the current language.

#include <QString>
#include <string_view>

#include "present/words/Words.h"

namespace zendral::lan {

// UTF-8 to QString; the word tables' line break "\n\r" becomes one line break.
QString LanQtText(std::string_view utf8);
// The row in the current language.
QString LanText(const TWordRow& row);

}  // namespace zendral::lan

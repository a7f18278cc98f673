#include "app/main/AppText.h"

namespace zendral::appmain {

QString Text(const TWordRow& row) {
  return WordText(row);
}

QString Text(const TWordRow2& row, int variant) {
  return QtText(Word(row, variant));
}

}  // namespace zendral::appmain

// Word table data: the main menu's club entries (chat, news, statistics).
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/MenuServicesWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordNews{{"News", "Новости", "Neuigkeiten", "Nouvelles", "Noticias",
                                    "新闻", "Notizie", "Novinky", "ニュース", "뉴스"}};

namespace {

constinit const TNamedWordRow kRows[] = {
    {"kWordNews", &kWordNews},
};

}  // namespace

std::span<const TNamedWordRow> words::MenuServicesWordRows() {
  return kRows;
}

}  // namespace zendral

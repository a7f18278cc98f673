// Word table data: the club server's own answers (a server too busy to check a password).
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/ClubServerWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordServerBusy{
    {"Server busy, try again", "Сервер занят, попробуйте ещё раз",
     "Server ausgelastet, bitte erneut versuchen", "Serveur occupé, réessayez",
     "Servidor ocupado, inténtelo de nuevo", "服务器繁忙，请重试", "Server occupato, riprova",
     "Server je zaneprázdněn, zkuste to znovu",
     "サーバーが混み合っています。もう一度お試しください", "서버가 바쁩니다. 다시 시도하세요"}};

namespace {

constinit const TNamedWordRow kRows[] = {
    {"kWordServerBusy", &kWordServerBusy},
};

}  // namespace

std::span<const TNamedWordRow> words::ClubServerWordRows() {
  return kRows;
}

}  // namespace zendral

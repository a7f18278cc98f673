// Word table data: the intro's hint.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include <array>

#include "present/words/IntroWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordIntroHint{
    {"Click or press a key to go on", "Щёлкните или нажмите клавишу, чтобы продолжить",
     "Klicken oder eine Taste drücken, um fortzufahren",
     "Cliquez ou appuyez sur une touche pour continuer",
     "Haga clic o pulse una tecla para continuar", "单击或按任意键继续",
     "Fai clic o premi un tasto per continuare", "Klikněte nebo stiskněte klávesu a pokračujte",
     "クリックまたはキーを押して続行", "계속하려면 클릭하거나 키를 누르세요"}};

namespace {
constexpr std::array<TNamedWordRow, 1> kRows{{{"kWordIntroHint", &kWordIntroHint}}};
}  // namespace

std::span<const TNamedWordRow> words::IntroWordRows() {
  return kRows;
}

}  // namespace zendral

// Word table data: the account's log-in as the account window and the menu tell it.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include <array>

#include "present/words/AccountLogInWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordLoggedInAs{
    {"Logged in as", "Вы вошли как", "Angemeldet als", "Connecté en tant que", "Conectado como",
     "已登录：", "Accesso effettuato come", "Přihlášen jako", "ログイン中：", "로그인됨:"}};

constinit const TWordRow kWordSignOutRated{
    {"The next game is booked for the world rating. Sign out anyway?",
     "Следующая игра записана в мировой рейтинг. Всё равно выйти?",
     "Das nächste Spiel ist für die Weltwertung gebucht. Trotzdem abmelden?",
     "La prochaine partie est inscrite au classement mondial. Se déconnecter quand même ?",
     "La próxima partida está reservada para el ranking mundial. ¿Cerrar sesión de todos "
     "modos?",
     "下一局已登记为全球排名赛。仍要退出吗？",
     "La prossima partita è prenotata per la classifica mondiale. Uscire comunque?",
     "Příští hra je zapsána do světového žebříčku. Přesto se odhlásit?",
     "次のゲームは世界ランキング戦として予約されています。それでもログアウトしますか？",
     "다음 게임은 세계 랭킹전으로 예약되어 있습니다. 그래도 로그아웃하시겠습니까?"}};

constinit const TWordRow kWordLoggedInAgain{
    {"The server answers again: you are logged in to your account again.",
     "Сервер снова отвечает: вы снова вошли в свой аккаунт.",
     "Der Server antwortet wieder: Sie sind wieder in Ihrem Konto angemeldet.",
     "Le serveur répond de nouveau : vous êtes de nouveau connecté à votre compte.",
     "El servidor vuelve a responder: ha vuelto a iniciar sesión en su cuenta.",
     "服务器已恢复响应：您已重新登录账户。",
     "Il server risponde di nuovo: hai di nuovo effettuato l'accesso al tuo account.",
     "Server opět odpovídá: jste znovu přihlášeni ke svému účtu.",
     "サーバーが再び応答しました。アカウントに再びログインしました。",
     "서버가 다시 응답합니다. 계정에 다시 로그인되었습니다."}};

namespace {
constexpr std::array<TNamedWordRow, 3> kRows{{{"kWordLoggedInAs", &kWordLoggedInAs},
                                              {"kWordSignOutRated", &kWordSignOutRated},
                                              {"kWordLoggedInAgain", &kWordLoggedInAgain}}};
}  // namespace

std::span<const TNamedWordRow> words::AccountLogInWordRows() {
  return kRows;
}

}  // namespace zendral

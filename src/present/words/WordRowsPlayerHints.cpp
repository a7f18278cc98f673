// Word table data: the player's hints about waiting (tournament seat, intro).
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/PlayerHintWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordWaitingForOpponent{
    {"Waiting for an opponent:", "Ожидание соперника:", "Warten auf einen Gegner:",
     "En attente d'un adversaire :", "Esperando a un rival:", "等待对手：",
     "In attesa di un avversario:", "Čekání na soupeře:", "対戦相手を待っています：",
     "상대를 기다리는 중:"}};
constinit const TWordRow kWordSeatFreedByServer{
    {"Nobody came to your table in time: the server has freed your seat.",
     "За Ваш стол вовремя никто не сел: сервер освободил Ваше место.",
     "Niemand kam rechtzeitig an Ihren Tisch: der Server hat Ihren Platz freigegeben.",
     "Personne n'est venu à votre table à temps : le serveur a libéré votre place.",
     "Nadie llegó a tiempo a su mesa: el servidor ha liberado su plaza.",
     "没有人及时来到您的桌子：服务器已释放您的座位。",
     "Nessuno è arrivato in tempo al suo tavolo: il server ha liberato il suo posto.",
     "K Vašemu stolu nikdo včas nepřišel: server uvolnil Vaše místo.",
     "時間内に誰もテーブルに来ませんでした。サーバーが席を解放しました。",
     "제시간에 아무도 테이블에 오지 않아 서버가 자리를 비웠습니다."}};
constinit const TWordRow kWordClickToContinue{
    {"Click or press a key to continue", "Щёлкните или нажмите клавишу, чтобы продолжить",
     "Klicken oder eine Taste drücken, um fortzufahren",
     "Cliquez ou appuyez sur une touche pour continuer",
     "Haga clic o pulse una tecla para continuar", "单击或按任意键继续",
     "Fare clic o premere un tasto per continuare", "Klikněte nebo stiskněte klávesu",
     "クリックまたはキーを押して続行", "계속하려면 클릭하거나 키를 누르세요"}};

namespace {

constinit const TNamedWordRow kRows[] = {
    {"kWordWaitingForOpponent", &kWordWaitingForOpponent},
    {"kWordSeatFreedByServer", &kWordSeatFreedByServer},
    {"kWordClickToContinue", &kWordClickToContinue},
};

}  // namespace

std::span<const TNamedWordRow> words::PlayerHintWordRows() {
  return kRows;
}

}  // namespace zendral

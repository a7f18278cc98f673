// Word table data: a past deal of the day replayed offline, and its rows in the history.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/DailyReplayWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordTypeDaily{
    {"Daily", "Дня", "Tages", "Du jour", "Del día", "每日", "Del giorno", "Dne", "今日", "오늘"}};
constinit const TWordRow kWordHistoryPar{
    {"par", "пар", "Par", "par", "par", "标准分", "par", "par", "パー", "파"}};
constinit const TWordRow kWordHistoryPlace{
    {"place", "место", "Platz", "place", "puesto", "名次", "posto", "místo", "順位", "순위"}};
constinit const TWordRow kWordDailyReplay{{"Replay offline", "Переиграть", "Offline nachspielen",
                                           "Rejouer hors ligne", "Repetir sin conexión", "离线重玩",
                                           "Rigioca offline", "Přehrát offline",
                                           "オフラインで再プレイ", "오프라인 재플레이"}};
constinit const TWordRow kWordDailyReplaying{
    {"Replay, not filed", "Переигровка, не записывается", "Nachspiel, wird nicht eingetragen",
     "Partie rejouée, non enregistrée", "Repetición, no se registra", "重玩，不计入成绩",
     "Rigiocata, non registrata", "Opakovaná hra, nezapisuje se", "再プレイ（記録されません）",
     "재플레이, 기록되지 않음"}};
constinit const TWordRow kWordDailyNoDeck{
    {"The server sent no deck for this day, so it cannot be replayed.",
     "Сервер не прислал колоду этого дня, переиграть его нельзя.",
     "Der Server hat für diesen Tag kein Blatt geschickt; er kann nicht nachgespielt werden.",
     "Le serveur n'a envoyé aucun jeu pour ce jour : il ne peut pas être rejoué.",
     "El servidor no envió la baraja de este día; no se puede repetir.",
     "服务器没有发送这一天的牌，无法重玩。",
     "Il server non ha inviato il mazzo di questo giorno: non si può rigiocare.",
     "Server neposlal balíček tohoto dne, nelze jej přehrát.",
     "サーバーがこの日のデッキを送ってこなかったため、再プレイできません。",
     "서버가 이 날의 덱을 보내지 않아 재플레이할 수 없습니다."}};
constinit const TWordRow kWordDailyReplayAfterFiling{
    {"Today's deal can be replayed once you have played it.",
     "Сегодняшнюю раздачу можно переиграть, когда вы её сыграете.",
     "Das heutige Spiel können Sie nachspielen, sobald Sie es gespielt haben.",
     "La donne du jour pourra être rejouée une fois que vous l'aurez jouée.",
     "El reparto de hoy se puede repetir cuando lo haya jugado.",
     "今天的牌局在您玩过之后才能重玩。", "La mano di oggi si può rigiocare dopo averla giocata.",
     "Dnešní rozdání lze přehrát, až ho odehrajete.",
     "今日のディールはプレイした後で再プレイできます。",
     "오늘의 딜은 플레이한 후에 재플레이할 수 있습니다."}};
constinit const TWordRow kWordDailyWouldPlace{
    {"You would have placed:", "Ваше место было бы:", "Sie wären auf Platz:",
     "Vous auriez été classé :", "Habría quedado en el puesto:", "您本可排名：",
     "Saresti arrivato:", "Vaše umístění by bylo:", "あなたの順位になったはず：", "예상 순위:"}};
constinit const TWordRow kWordDailyBelowTopTen{
    {"below the top ten", "ниже первой десятки", "hinter den besten zehn", "après les dix premiers",
     "por debajo de los diez primeros", "前十名之外", "fuori dai primi dieci", "mimo první desítku",
     "トップ10圏外", "상위 10위 밖"}};
constinit const TWordRow kWordDailyParFromHere{
    {"par from here:", "пар отсюда:", "Par ab hier:", "par à partir d'ici :", "par desde aquí:",
     "此后标准分：", "par da qui:", "par odsud:", "ここからのパー：", "여기서부터 파:"}};
constinit const TWordRow kWordDailyDay{
    {"Day:", "День:", "Tag:", "Jour :", "Día:", "日期：", "Giorno:", "Den:", "日付：", "날짜:"}};

namespace {

constexpr TNamedWordRow kRows[] = {
    {"kWordTypeDaily", &kWordTypeDaily},
    {"kWordHistoryPar", &kWordHistoryPar},
    {"kWordHistoryPlace", &kWordHistoryPlace},
    {"kWordDailyReplay", &kWordDailyReplay},
    {"kWordDailyReplaying", &kWordDailyReplaying},
    {"kWordDailyNoDeck", &kWordDailyNoDeck},
    {"kWordDailyReplayAfterFiling", &kWordDailyReplayAfterFiling},
    {"kWordDailyWouldPlace", &kWordDailyWouldPlace},
    {"kWordDailyBelowTopTen", &kWordDailyBelowTopTen},
    {"kWordDailyParFromHere", &kWordDailyParFromHere},
    {"kWordDailyDay", &kWordDailyDay},
};

}  // namespace

std::span<const TNamedWordRow> words::DailyReplayWordRows() {
  return kRows;
}

}  // namespace zendral

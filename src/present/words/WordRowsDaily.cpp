// Word table data: the deal of the day.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/DailyWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordDailyDeal{
    {"Deal of the day", "Раздача дня", "Spiel des Tages", "Donne du jour", "Reparto del día",
     "每日一局", "Mano del giorno", "Rozdání dne", "今日のディール", "오늘의 딜"}};
constinit const TWordRow kWordDailyPlayedAlready{
    {"You have played today's deal already. Here is the day's table.",
     "Вы уже сыграли сегодняшнюю раздачу. Вот таблица дня.",
     "Sie haben das heutige Spiel schon gespielt. Hier ist die Tabelle des Tages.",
     "Vous avez déjà joué la donne du jour. Voici le classement du jour.",
     "Ya ha jugado el reparto de hoy. Esta es la tabla del día.",
     "您今天已经玩过每日一局。这是今天的排行榜。",
     "Hai già giocato la mano di oggi. Ecco la classifica del giorno.",
     "Dnešní rozdání jste už hráli. Zde je tabulka dne.",
     "今日のディールはもうプレイしました。今日の順位表です。",
     "오늘의 딜은 이미 플레이했습니다. 오늘의 순위표입니다."}};
constinit const TWordRow kWordDailyLogInFirst{
    {"Log in to your account to play the deal of the day!",
     "Войдите в свою учётную запись, чтобы сыграть раздачу дня!",
     "Melden Sie sich an, um das Spiel des Tages zu spielen!",
     "Connectez-vous à votre compte pour jouer la donne du jour !",
     "¡Inicie sesión en su cuenta para jugar el reparto del día!", "请登录您的账户来玩每日一局！",
     "Accedi al tuo account per giocare la mano del giorno!",
     "Přihlaste se ke svému účtu, abyste mohli hrát rozdání dne!",
     "今日のディールをプレイするにはアカウントにログインしてください！",
     "오늘의 딜을 플레이하려면 계정에 로그인하세요!"}};
constinit const TWordRow kWordDailyNotFiled{
    {"The result of the deal could not be filed!", "Не удалось записать результат раздачи!",
     "Das Ergebnis des Spiels konnte nicht eingetragen werden!",
     "Le résultat de la donne n'a pas pu être enregistré !",
     "¡No se pudo registrar el resultado del reparto!", "无法记录本局的结果！",
     "Non è stato possibile registrare il risultato della mano!",
     "Výsledek rozdání se nepodařilo zapsat!", "ディールの結果を記録できませんでした！",
     "딜의 결과를 기록할 수 없습니다!"}};
constinit const TWordRow kWordDailyPar{
    {"Par:", "Пар:", "Par:", "Par :", "Par:", "标准分：", "Par:", "Par:", "パー：", "파:"}};
constinit const TWordRow kWordDailyDistance{
    {"Short of par:", "До пара не хватило:", "Unter Par um:", "Écart au par :",
     "Por debajo del par:", "距标准分：", "Sotto il par di:", "Pod parem o:", "パーとの差：",
     "파와의 차이:"}};
constinit const TWordRow kWordDailyPlayers{
    {"Players:", "Игроков:", "Spieler:", "Joueurs :", "Jugadores:", "玩家：",
     "Giocatori:", "Hráčů:", "プレイヤー：", "플레이어:"}};
constinit const TWordRow kWordDailyYourPlace{
    {"Your place:", "Ваше место:", "Ihr Platz:", "Votre place :", "Su puesto:", "您的名次：",
     "Il tuo posto:", "Vaše místo:", "あなたの順位：", "나의 순위:"}};
constinit const TWordRow kWordDailyYourScore{
    {"Your score:", "Ваш счёт:", "Ihre Punkte:", "Votre score :", "Su puntuación:", "您的得分：",
     "Il tuo punteggio:", "Vaše skóre:", "あなたの得点：", "나의 점수:"}};
constinit const TWordRow kWordDailyDeckSecret{
    {"The deck is shown to those who have played it.", "Колода видна тем, кто её уже сыграл.",
     "Das Blatt sehen nur, die es schon gespielt haben.",
     "Le jeu n'est montré qu'à ceux qui l'ont joué.",
     "La baraja solo se muestra a quienes ya la jugaron.", "只有玩过的人才能看到这副牌。",
     "Il mazzo è mostrato solo a chi l'ha già giocato.", "Balíček uvidí jen ti, kdo ho už hráli.",
     "デッキはプレイした人にだけ表示されます。", "덱은 플레이한 사람에게만 보입니다."}};
constinit const TWordRow kWordDailyYesterday{
    {"Yesterday", "Вчера", "Gestern", "Hier", "Ayer", "昨天", "Ieri", "Včera", "昨日", "어제"}};
constinit const TWordRow kWordDailyToday{
    {"Today", "Сегодня", "Heute", "Aujourd'hui", "Hoy", "今天", "Oggi", "Dnes", "今日", "오늘"}};

namespace {

constexpr TNamedWordRow kRows[] = {
    {"kWordDailyDeal", &kWordDailyDeal},
    {"kWordDailyPlayedAlready", &kWordDailyPlayedAlready},
    {"kWordDailyLogInFirst", &kWordDailyLogInFirst},
    {"kWordDailyNotFiled", &kWordDailyNotFiled},
    {"kWordDailyPar", &kWordDailyPar},
    {"kWordDailyDistance", &kWordDailyDistance},
    {"kWordDailyPlayers", &kWordDailyPlayers},
    {"kWordDailyYourPlace", &kWordDailyYourPlace},
    {"kWordDailyYourScore", &kWordDailyYourScore},
    {"kWordDailyDeckSecret", &kWordDailyDeckSecret},
    {"kWordDailyYesterday", &kWordDailyYesterday},
    {"kWordDailyToday", &kWordDailyToday},
};

}  // namespace

std::span<const TNamedWordRow> words::DailyWordRows() {
  return kRows;
}

}  // namespace zendral

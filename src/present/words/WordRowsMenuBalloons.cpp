// Word table data: the balloons of the main menu's right column of icons.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/MenuBalloonWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordWorldTopTenBalloon{
    {"World Top 10", "Мировая десятка", "Welt-Top-10", "Top 10 mondial", "Top 10 mundial",
     "世界前十名", "Top 10 mondiale", "Světová desítka", "世界トップ10", "세계 톱 10"}};
// The three lists of the window: the best players of the computer edition, of the phone
// edition and of the games played under an account.
constinit const TWordRow kWordWorldTopTenEditions{
    {"Windows / Android / Account", "Компьютер / телефон / аккаунт", "Windows / Android / Konto",
     "Windows / Android / Compte", "Windows / Android / Cuenta", "电脑 / 手机 / 账户",
     "Computer / telefono / account", "Windows / Android / Účet", "パソコン / スマホ / アカウント",
     "컴퓨터 / 휴대폰 / 계정"}};
constinit const TWordRow kWordWorldStatistics{
    {"World-Statistics", "Мировая статистика", "Weltstatistik", "Statistiques mondiales",
     "Estadísticas mundiales", "世界统计", "Statistiche mondiali", "Světové statistiky",
     "世界の統計", "세계 통계"}};
constinit const TWordRow kWordDailyTopTen{{"Top 10", "Лучшие 10", "Beste 10", "Les 10 meilleurs",
                                           "Los 10 mejores", "前十名", "I migliori 10",
                                           "Nejlepších 10", "トップ10", "톱 10"}};

namespace {

constexpr TNamedWordRow kRows[] = {
    {"kWordWorldTopTenBalloon", &kWordWorldTopTenBalloon},
    {"kWordWorldTopTenEditions", &kWordWorldTopTenEditions},
    {"kWordWorldStatistics", &kWordWorldStatistics},
    {"kWordDailyTopTen", &kWordDailyTopTen},
};

}  // namespace

std::span<const TNamedWordRow> words::MenuBalloonWordRows() {
  return kRows;
}

}  // namespace zendral

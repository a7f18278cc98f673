// Word table data: the computer's level, the hint and the review of a kon.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/SolverWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordComputerLevel{
    {"Computer player", "Компьютер", "Computerspieler", "Joueur ordinateur", "Jugador computadora",
     "电脑玩家", "Giocatore computer", "Počítačový hráč", "コンピューター", "컴퓨터 플레이어"}};
constinit const TWordRow kWordLevelClassic{{"Classic", "Классический", "Klassisch", "Classique",
                                            "Clásico", "经典", "Classico", "Klasický", "クラシック",
                                            "클래식"}};
constinit const TWordRow kWordLevelExpert{{"Expert", "Эксперт", "Experte", "Expert", "Experto",
                                           "专家", "Esperto", "Expert", "エキスパート", "전문가"}};
constinit const TWordRow kWordHint{{"Hint", "Подсказка", "Tipp", "Conseil", "Pista", "提示",
                                    "Suggerimento", "Nápověda", "ヒント", "힌트"}};
constinit const TWordRow kWordHintBest{
    {"Best: ", "Лучший ход: ", "Am besten: ", "Meilleur : ", "Mejor: ", "最佳： ",
     "Migliore: ", "Nejlepší: ", "最善： ", "최선: "}};
constinit const TWordRow kWordHintWorth{{", worth ", ", итог ", ", Wert ", ", vaut ", ", vale ",
                                         "，价值 ", ", vale ", ", hodnota ", "、価値 ", ", 가치 "}};
constinit const TWordRow kWordHintThinking{
    {"Thinking...", "Думаю...", "Denke nach...", "Réflexion...", "Pensando...", "思考中...",
     "Sto pensando...", "Přemýšlím...", "考え中...", "생각 중..."}};
constinit const TWordRow kWordHintsUsed{
    {"Hints used:", "Подсказок:", "Tipps genutzt:", "Conseils utilisés :", "Pistas usadas:",
     "已用提示：", "Suggerimenti usati:", "Použité nápovědy:", "使ったヒント：", "사용한 힌트:"}};
constinit const TWordRow kWordReview{{"Review", "Разбор", "Analyse", "Analyse", "Análisis", "复盘",
                                      "Analisi", "Rozbor", "振り返り", "복기"}};
constinit const TWordRow kWordReviewTitle{
    {"Review of the kon", "Разбор кона", "Analyse des Kons", "Analyse du kon", "Análisis del kon",
     "本局复盘", "Analisi del kon", "Rozbor konu", "この局の振り返り", "이번 판 복기"}};
constinit const TWordRow kWordReviewAtDeal{
    {"Value of the deal under perfect play: ", "Цена раздачи при лучшей игре: ",
     "Wert der Verteilung bei bestem Spiel: ", "Valeur de la donne en jeu parfait : ",
     "Valor del reparto con juego perfecto: ", "完美对局下本副牌的价值： ",
     "Valore della mano con gioco perfetto: ", "Hodnota rozdání při dokonalé hře: ",
     "最善手での配札の価値： ", "완벽한 플레이에서 패의 가치: "}};
constinit const TWordRow kWordReviewLost{
    {"Lost by your moves: ", "Потеряно вашими ходами: ", "Durch Ihre Züge verloren: ",
     "Perdu par vos coups : ", "Perdido por sus jugadas: ", "你的出牌损失： ",
     "Perso con le tue mosse: ", "Ztraceno vašimi tahy: ", "あなたの手で失った点： ",
     "내 수로 잃은 점수: "}};
constinit const TWordRow kWordReviewGifted{
    {"Gifted by the opponent: ", "Подарено соперником: ", "Vom Gegner geschenkt: ",
     "Offert par l'adversaire : ", "Regalado por el rival: ", "对手送出： ",
     "Regalato dall'avversario: ", "Darováno soupeřem: ", "相手からの贈り物： ",
     "상대가 준 점수: "}};
constinit const TWordRow kWordReviewResult{
    {"Result: ", "Результат: ", "Ergebnis: ", "Résultat : ", "Resultado: ", "结果： ",
     "Risultato: ", "Výsledek: ", "結果： ", "결과: "}};
constinit const TWordRow kWordReviewBetter{
    {"better: ", "лучше: ", "besser: ", "mieux : ", "mejor: ", "更好： ",
     "meglio: ", "lépe: ", "より良い手： ", "더 나은 수: "}};
constinit const TWordRow kWordReviewYou{
    {"You", "Вы", "Sie", "Vous", "Usted", "你", "Tu", "Vy", "あなた", "나"}};
constinit const TWordRow kWordReviewOpponent{{"Opponent", "Соперник", "Gegner", "Adversaire",
                                              "Rival", "对手", "Avversario", "Soupeř", "相手",
                                              "상대"}};
constinit const TWordRow kWordReviewMove{
    {"Move", "Ход", "Zug", "Coup", "Jugada", "出牌", "Mossa", "Tah", "手", "수"}};
constinit const TWordRow kWordReviewValue{
    {"Value", "Цена", "Wert", "Valeur", "Valor", "价值", "Valore", "Hodnota", "価値", "가치"}};
constinit const TWordRow kWordPerfectPlay{
    {"Perfect play: ", "Лучшая игра: ", "Bestes Spiel: ", "Jeu parfait : ", "Juego perfecto: ",
     "完美对局： ", "Gioco perfetto: ", "Dokonalá hra: ", "最善： ", "완벽한 플레이: "}};
constinit const TWordRow kWordReviewYouShort{
    {"you: ", "вы: ", "Sie: ", "vous : ", "usted: ", "你： ", "tu: ", "vy: ", "あなた： ", "나: "}};

namespace {

constexpr TNamedWordRow kRows[] = {
    {"kWordComputerLevel", &kWordComputerLevel},
    {"kWordLevelClassic", &kWordLevelClassic},
    {"kWordLevelExpert", &kWordLevelExpert},
    {"kWordHint", &kWordHint},
    {"kWordHintBest", &kWordHintBest},
    {"kWordHintWorth", &kWordHintWorth},
    {"kWordHintThinking", &kWordHintThinking},
    {"kWordHintsUsed", &kWordHintsUsed},
    {"kWordReview", &kWordReview},
    {"kWordReviewTitle", &kWordReviewTitle},
    {"kWordReviewAtDeal", &kWordReviewAtDeal},
    {"kWordReviewLost", &kWordReviewLost},
    {"kWordReviewGifted", &kWordReviewGifted},
    {"kWordReviewResult", &kWordReviewResult},
    {"kWordReviewBetter", &kWordReviewBetter},
    {"kWordReviewYou", &kWordReviewYou},
    {"kWordReviewOpponent", &kWordReviewOpponent},
    {"kWordReviewMove", &kWordReviewMove},
    {"kWordReviewValue", &kWordReviewValue},
    {"kWordPerfectPlay", &kWordPerfectPlay},
    {"kWordReviewYouShort", &kWordReviewYouShort},
};

}  // namespace

std::span<const TNamedWordRow> words::SolverWordRows() {
  return kRows;
}

}  // namespace zendral

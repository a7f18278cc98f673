// Word table data: the names of the cards as the card voices speak them, the countries of the
// radio window, and the texts of the radio window and the music player.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean. The Japanese names are written in kana, which the voice reads as written.

#include <array>
#include <string_view>

#include "present/words/MediaWords.h"
#include "present/words/WordLists.h"

namespace zendral {

// Cards, by suit (hearts, diamonds, clubs, spades) and rank (six ... ace)

constinit const TWordRow kWordCardSixOfHearts{
    {"Six of hearts", "Шестёрка червей", "Herz-Sechs", "Six de cœur", "Seis de corazones", "红桃六",
     "Sei di cuori", "Srdcová šestka", "ハートの6", "하트 6"}};
constinit const TWordRow kWordCardSevenOfHearts{
    {"Seven of hearts", "Семёрка червей", "Herz-Sieben", "Sept de cœur", "Siete de corazones",
     "红桃七", "Sette di cuori", "Srdcová sedmička", "ハートの7", "하트 7"}};
constinit const TWordRow kWordCardEightOfHearts{
    {"Eight of hearts", "Восьмёрка червей", "Herz-Acht", "Huit de cœur", "Ocho de corazones",
     "红桃八", "Otto di cuori", "Srdcová osmička", "ハートの8", "하트 8"}};
constinit const TWordRow kWordCardNineOfHearts{
    {"Nine of hearts", "Девятка червей", "Herz-Neun", "Neuf de cœur", "Nueve de corazones",
     "红桃九", "Nove di cuori", "Srdcová devítka", "ハートの9", "하트 9"}};
constinit const TWordRow kWordCardTenOfHearts{
    {"Ten of hearts", "Десятка червей", "Herz-Zehn", "Dix de cœur", "Diez de corazones", "红桃十",
     "Dieci di cuori", "Srdcová desítka", "ハートの10", "하트 10"}};
constinit const TWordRow kWordCardJackOfHearts{
    {"Jack of hearts", "Валет червей", "Herz-Bube", "Valet de cœur", "Jota de corazones",
     "红桃杰克", "Fante di cuori", "Srdcový kluk", "ハートのジャック", "하트 잭"}};
constinit const TWordRow kWordCardQueenOfHearts{
    {"Queen of hearts", "Дама червей", "Herz-Dame", "Dame de cœur", "Reina de corazones",
     "红桃皇后", "Donna di cuori", "Srdcová dáma", "ハートのクイーン", "하트 퀸"}};
constinit const TWordRow kWordCardKingOfHearts{
    {"King of hearts", "Король червей", "Herz-König", "Roi de cœur", "Rey de corazones", "红桃国王",
     "Re di cuori", "Srdcový král", "ハートのキング", "하트 킹"}};
constinit const TWordRow kWordCardAceOfHearts{
    {"Ace of hearts", "Туз червей", "Herz-Ass", "As de cœur", "As de corazones", "红桃A",
     "Asso di cuori", "Srdcové eso", "ハートのエース", "하트 에이스"}};
constinit const TWordRow kWordCardSixOfDiamonds{
    {"Six of diamonds", "Шестёрка бубен", "Karo-Sechs", "Six de carreau", "Seis de diamantes",
     "方块六", "Sei di quadri", "Kárová šestka", "ダイヤの6", "다이아몬드 6"}};
constinit const TWordRow kWordCardSevenOfDiamonds{
    {"Seven of diamonds", "Семёрка бубен", "Karo-Sieben", "Sept de carreau", "Siete de diamantes",
     "方块七", "Sette di quadri", "Kárová sedmička", "ダイヤの7", "다이아몬드 7"}};
constinit const TWordRow kWordCardEightOfDiamonds{
    {"Eight of diamonds", "Восьмёрка бубен", "Karo-Acht", "Huit de carreau", "Ocho de diamantes",
     "方块八", "Otto di quadri", "Kárová osmička", "ダイヤの8", "다이아몬드 8"}};
constinit const TWordRow kWordCardNineOfDiamonds{
    {"Nine of diamonds", "Девятка бубен", "Karo-Neun", "Neuf de carreau", "Nueve de diamantes",
     "方块九", "Nove di quadri", "Kárová devítka", "ダイヤの9", "다이아몬드 9"}};
constinit const TWordRow kWordCardTenOfDiamonds{
    {"Ten of diamonds", "Десятка бубен", "Karo-Zehn", "Dix de carreau", "Diez de diamantes",
     "方块十", "Dieci di quadri", "Kárová desítka", "ダイヤの10", "다이아몬드 10"}};
constinit const TWordRow kWordCardJackOfDiamonds{
    {"Jack of diamonds", "Валет бубен", "Karo-Bube", "Valet de carreau", "Jota de diamantes",
     "方块杰克", "Fante di quadri", "Kárový kluk", "ダイヤのジャック", "다이아몬드 잭"}};
constinit const TWordRow kWordCardQueenOfDiamonds{
    {"Queen of diamonds", "Дама бубен", "Karo-Dame", "Dame de carreau", "Reina de diamantes",
     "方块皇后", "Donna di quadri", "Kárová dáma", "ダイヤのクイーン", "다이아몬드 퀸"}};
constinit const TWordRow kWordCardKingOfDiamonds{
    {"King of diamonds", "Король бубен", "Karo-König", "Roi de carreau", "Rey de diamantes",
     "方块国王", "Re di quadri", "Kárový král", "ダイヤのキング", "다이아몬드 킹"}};
constinit const TWordRow kWordCardAceOfDiamonds{
    {"Ace of diamonds", "Туз бубен", "Karo-Ass", "As de carreau", "As de diamantes", "方块A",
     "Asso di quadri", "Kárové eso", "ダイヤのエース", "다이아몬드 에이스"}};
constinit const TWordRow kWordCardSixOfClubs{
    {"Six of clubs", "Шестёрка треф", "Kreuz-Sechs", "Six de trèfle", "Seis de tréboles", "梅花六",
     "Sei di fiori", "Křížová šestka", "クラブの6", "클로버 6"}};
constinit const TWordRow kWordCardSevenOfClubs{
    {"Seven of clubs", "Семёрка треф", "Kreuz-Sieben", "Sept de trèfle", "Siete de tréboles",
     "梅花七", "Sette di fiori", "Křížová sedmička", "クラブの7", "클로버 7"}};
constinit const TWordRow kWordCardEightOfClubs{
    {"Eight of clubs", "Восьмёрка треф", "Kreuz-Acht", "Huit de trèfle", "Ocho de tréboles",
     "梅花八", "Otto di fiori", "Křížová osmička", "クラブの8", "클로버 8"}};
constinit const TWordRow kWordCardNineOfClubs{
    {"Nine of clubs", "Девятка треф", "Kreuz-Neun", "Neuf de trèfle", "Nueve de tréboles", "梅花九",
     "Nove di fiori", "Křížová devítka", "クラブの9", "클로버 9"}};
constinit const TWordRow kWordCardTenOfClubs{
    {"Ten of clubs", "Десятка треф", "Kreuz-Zehn", "Dix de trèfle", "Diez de tréboles", "梅花十",
     "Dieci di fiori", "Křížová desítka", "クラブの10", "클로버 10"}};
constinit const TWordRow kWordCardJackOfClubs{
    {"Jack of clubs", "Валет треф", "Kreuz-Bube", "Valet de trèfle", "Jota de tréboles", "梅花杰克",
     "Fante di fiori", "Křížový kluk", "クラブのジャック", "클로버 잭"}};
constinit const TWordRow kWordCardQueenOfClubs{
    {"Queen of clubs", "Дама треф", "Kreuz-Dame", "Dame de trèfle", "Reina de tréboles", "梅花皇后",
     "Donna di fiori", "Křížová dáma", "クラブのクイーン", "클로버 퀸"}};
constinit const TWordRow kWordCardKingOfClubs{
    {"King of clubs", "Король треф", "Kreuz-König", "Roi de trèfle", "Rey de tréboles", "梅花国王",
     "Re di fiori", "Křížový král", "クラブのキング", "클로버 킹"}};
constinit const TWordRow kWordCardAceOfClubs{
    {"Ace of clubs", "Туз треф", "Kreuz-Ass", "As de trèfle", "As de tréboles", "梅花A",
     "Asso di fiori", "Křížové eso", "クラブのエース", "클로버 에이스"}};
constinit const TWordRow kWordCardSixOfSpades{
    {"Six of spades", "Шестёрка пик", "Pik-Sechs", "Six de pique", "Seis de picas", "黑桃六",
     "Sei di picche", "Piková šestka", "スペードの6", "스페이드 6"}};
constinit const TWordRow kWordCardSevenOfSpades{
    {"Seven of spades", "Семёрка пик", "Pik-Sieben", "Sept de pique", "Siete de picas", "黑桃七",
     "Sette di picche", "Piková sedmička", "スペードの7", "스페이드 7"}};
constinit const TWordRow kWordCardEightOfSpades{
    {"Eight of spades", "Восьмёрка пик", "Pik-Acht", "Huit de pique", "Ocho de picas", "黑桃八",
     "Otto di picche", "Piková osmička", "スペードの8", "스페이드 8"}};
constinit const TWordRow kWordCardNineOfSpades{
    {"Nine of spades", "Девятка пик", "Pik-Neun", "Neuf de pique", "Nueve de picas", "黑桃九",
     "Nove di picche", "Piková devítka", "スペードの9", "스페이드 9"}};
constinit const TWordRow kWordCardTenOfSpades{
    {"Ten of spades", "Десятка пик", "Pik-Zehn", "Dix de pique", "Diez de picas", "黑桃十",
     "Dieci di picche", "Piková desítka", "スペードの10", "스페이드 10"}};
constinit const TWordRow kWordCardJackOfSpades{
    {"Jack of spades", "Валет пик", "Pik-Bube", "Valet de pique", "Jota de picas", "黑桃杰克",
     "Fante di picche", "Pikový kluk", "スペードのジャック", "스페이드 잭"}};
constinit const TWordRow kWordCardQueenOfSpades{
    {"Queen of spades", "Дама пик", "Pik-Dame", "Dame de pique", "Reina de picas", "黑桃皇后",
     "Donna di picche", "Piková dáma", "スペードのクイーン", "스페이드 퀸"}};
constinit const TWordRow kWordCardKingOfSpades{
    {"King of spades", "Король пик", "Pik-König", "Roi de pique", "Rey de picas", "黑桃国王",
     "Re di picche", "Pikový král", "スペードのキング", "스페이드 킹"}};
constinit const TWordRow kWordCardAceOfSpades{
    {"Ace of spades", "Туз пик", "Pik-Ass", "As de pique", "As de picas", "黑桃A", "Asso di picche",
     "Pikové eso", "スペードのエース", "스페이드 에이스"}};

// Countries of the radio, in the order of the radio window's list

constinit const TWordRow kWordCountryRussianFederation{
    {"Russian Federation", "Российская Федерация", "Russische Föderation", "Fédération de Russie",
     "Federación de Rusia", "俄罗斯联邦", "Federazione Russa", "Ruská federace", "ロシア連邦",
     "러시아 연방"}};
constinit const TWordRow kWordCountryUkraine{{"Ukraine", "Украина", "Ukraine", "Ukraine", "Ucrania",
                                              "乌克兰", "Ucraina", "Ukrajina", "ウクライナ",
                                              "우크라이나"}};
constinit const TWordRow kWordCountryBelarus{{"Belarus", "Беларусь", "Weißrussland", "Biélorussie",
                                              "Bielorrusia", "白俄罗斯", "Bielorussia", "Bělorusko",
                                              "ベラルーシ", "벨라루스"}};
constinit const TWordRow kWordCountryMoldova{{"Moldova", "Молдова", "Moldawien", "Moldavie",
                                              "Moldavia", "摩尔多瓦", "Moldavia", "Moldavsko",
                                              "モルドバ", "몰도바"}};
constinit const TWordRow kWordCountryEstonia{{"Estonia", "Эстония", "Estland", "Estonie", "Estonia",
                                              "爱沙尼亚", "Estonia", "Estonsko", "エストニア",
                                              "에스토니아"}};
constinit const TWordRow kWordCountryLatvia{{"Latvia", "Латвия", "Lettland", "Lettonie", "Letonia",
                                             "拉脱维亚", "Lettonia", "Lotyšsko", "ラトビア",
                                             "라트비아"}};
constinit const TWordRow kWordCountryLithuania{{"Lithuania", "Литва", "Litauen", "Lituanie",
                                                "Lituania", "立陶宛", "Lituania", "Litva",
                                                "リトアニア", "리투아니아"}};
constinit const TWordRow kWordCountryArmenia{{"Armenia", "Армения", "Armenien", "Arménie",
                                              "Armenia", "亚美尼亚", "Armenia", "Arménie",
                                              "アルメニア", "아르메니아"}};
constinit const TWordRow kWordCountryGeorgia{{"Georgia", "Грузия", "Georgien", "Géorgie", "Georgia",
                                              "格鲁吉亚", "Georgia", "Gruzie", "ジョージア",
                                              "조지아"}};
constinit const TWordRow kWordCountryAzerbaijan{
    {"Azerbaijan", "Азербайджан", "Aserbaidschan", "Azerbaïdjan", "Azerbaiyán", "阿塞拜疆",
     "Azerbaigian", "Ázerbájdžán", "アゼルバイジャン", "아제르바이잔"}};
constinit const TWordRow kWordCountryKazakhstan{
    {"Kazakhstan", "Казахстан", "Kasachstan", "Kazakhstan", "Kazajistán", "哈萨克斯坦",
     "Kazakistan", "Kazachstán", "カザフスタン", "카자흐스탄"}};
constinit const TWordRow kWordCountryUzbekistan{
    {"Uzbekistan", "Узбекистан", "Usbekistan", "Ouzbékistan", "Uzbekistán", "乌兹别克斯坦",
     "Uzbekistan", "Uzbekistán", "ウズベキスタン", "우즈베키스탄"}};
constinit const TWordRow kWordCountryUsa{
    {"USA", "США", "USA", "États-Unis", "EE. UU.", "美国", "USA", "USA", "アメリカ", "미국"}};
constinit const TWordRow kWordCountryCanada{{"Canada", "Канада", "Kanada", "Canada", "Canadá",
                                             "加拿大", "Canada", "Kanada", "カナダ", "캐나다"}};
constinit const TWordRow kWordCountryUnitedKingdom{
    {"United Kingdom", "Великобритания", "Vereinigtes Königreich", "Royaume-Uni", "Reino Unido",
     "英国", "Regno Unito", "Spojené království", "イギリス", "영국"}};
constinit const TWordRow kWordCountryAustralia{{"Australia", "Австралия", "Australien", "Australie",
                                                "Australia", "澳大利亚", "Australia", "Austrálie",
                                                "オーストラリア", "호주"}};
constinit const TWordRow kWordCountryDeutschland{{"Deutschland", "Германия", "Deutschland",
                                                  "Allemagne", "Alemania", "德国", "Germania",
                                                  "Německo", "ドイツ", "독일"}};
constinit const TWordRow kWordCountryFrance{{"France", "Франция", "Frankreich", "France", "Francia",
                                             "法国", "Francia", "Francie", "フランス", "프랑스"}};
constinit const TWordRow kWordCountryItaly{{"Italy", "Италия", "Italien", "Italie", "Italia",
                                            "意大利", "Italia", "Itálie", "イタリア", "이탈리아"}};
constinit const TWordRow kWordCountryNetherlands{{"Netherlands", "Нидерланды", "Niederlande",
                                                  "Pays-Bas", "Países Bajos", "荷兰", "Paesi Bassi",
                                                  "Nizozemsko", "オランダ", "네덜란드"}};
constinit const TWordRow kWordCountrySweden{{"Sweden", "Швеция", "Schweden", "Suède", "Suecia",
                                             "瑞典", "Svezia", "Švédsko", "スウェーデン",
                                             "스웨덴"}};
constinit const TWordRow kWordCountryCzechRepublic{
    {"Czech Republic", "Чехия", "Tschechien", "République tchèque", "República Checa", "捷克",
     "Repubblica Ceca", "Česká republika", "チェコ", "체코"}};
constinit const TWordRow kWordCountrySpain{{"Spain", "Испания", "Spanien", "Espagne", "España",
                                            "西班牙", "Spagna", "Španělsko", "スペイン", "스페인"}};
constinit const TWordRow kWordCountryBrazil{{"Brazil", "Бразилия", "Brasilien", "Brésil", "Brasil",
                                             "巴西", "Brasile", "Brazílie", "ブラジル", "브라질"}};
constinit const TWordRow kWordCountryIndia{
    {"India", "Индия", "Indien", "Inde", "India", "印度", "India", "Indie", "インド", "인도"}};
constinit const TWordRow kWordCountryChina{
    {"China", "Китай", "China", "Chine", "China", "中国", "Cina", "Čína", "中国", "중국"}};
constinit const TWordRow kWordCountryJapan{
    {"Japan", "Япония", "Japan", "Japon", "Japón", "日本", "Giappone", "Japonsko", "日本", "일본"}};
constinit const TWordRow kWordCountrySouthKorea{
    {"South Korea", "Южная Корея", "Südkorea", "Corée du Sud", "Corea del Sur", "韩国",
     "Corea del Sud", "Jižní Korea", "韓国", "대한민국"}};

// The radio window and the music player

constinit const TWordRow kWordStationUnavailable{
    {"The station is not available", "Станция недоступна", "Der Sender ist nicht erreichbar",
     "La station n'est pas disponible", "La emisora no está disponible", "电台无法连接",
     "La stazione non è disponibile", "Stanice není dostupná", "放送局に接続できません",
     "방송국에 연결할 수 없습니다"}};
constinit const TWordRow kWordStation{{"Station", "Станция", "Sender", "Station", "Emisora", "电台",
                                       "Stazione", "Stanice", "放送局", "방송국"}};
constinit const TWordRow kWordVolume{{"Volume", "Громкость", "Lautstärke", "Volume", "Volumen",
                                      "音量", "Volume", "Hlasitost", "音量", "음량"}};
constinit const TWordRow kWordNextTrack{{"Next track", "Следующая мелодия", "Nächster Titel",
                                         "Morceau suivant", "Siguiente pista", "下一首",
                                         "Brano successivo", "Další skladba", "次の曲", "다음 곡"}};
constinit const TWordRow kWordRadioOnOff{{"On / Off", "Вкл. / Выкл.", "Ein / Aus", "Marche / Arrêt",
                                          "Encender / Apagar", "开 / 关", "Acceso / Spento",
                                          "Zap. / Vyp.", "オン / オフ", "켜기 / 끄기"}};

namespace {

// By suit row, then rank value.
constexpr std::array<const TWordRow*, 36> kCardNames = {
    &kWordCardSixOfHearts,     &kWordCardSevenOfHearts,   &kWordCardEightOfHearts,
    &kWordCardNineOfHearts,    &kWordCardTenOfHearts,     &kWordCardJackOfHearts,
    &kWordCardQueenOfHearts,   &kWordCardKingOfHearts,    &kWordCardAceOfHearts,
    &kWordCardSixOfDiamonds,   &kWordCardSevenOfDiamonds, &kWordCardEightOfDiamonds,
    &kWordCardNineOfDiamonds,  &kWordCardTenOfDiamonds,   &kWordCardJackOfDiamonds,
    &kWordCardQueenOfDiamonds, &kWordCardKingOfDiamonds,  &kWordCardAceOfDiamonds,
    &kWordCardSixOfClubs,      &kWordCardSevenOfClubs,    &kWordCardEightOfClubs,
    &kWordCardNineOfClubs,     &kWordCardTenOfClubs,      &kWordCardJackOfClubs,
    &kWordCardQueenOfClubs,    &kWordCardKingOfClubs,     &kWordCardAceOfClubs,
    &kWordCardSixOfSpades,     &kWordCardSevenOfSpades,   &kWordCardEightOfSpades,
    &kWordCardNineOfSpades,    &kWordCardTenOfSpades,     &kWordCardJackOfSpades,
    &kWordCardQueenOfSpades,   &kWordCardKingOfSpades,    &kWordCardAceOfSpades};

constexpr std::array<const TWordRow*, kRadioCountryCount> kCountries = {
    &kWordCountryRussianFederation,
    &kWordCountryUkraine,
    &kWordCountryBelarus,
    &kWordCountryMoldova,
    &kWordCountryEstonia,
    &kWordCountryLatvia,
    &kWordCountryLithuania,
    &kWordCountryArmenia,
    &kWordCountryGeorgia,
    &kWordCountryAzerbaijan,
    &kWordCountryKazakhstan,
    &kWordCountryUzbekistan,
    &kWordCountryUsa,
    &kWordCountryCanada,
    &kWordCountryUnitedKingdom,
    &kWordCountryAustralia,
    &kWordCountryDeutschland,
    &kWordCountryFrance,
    &kWordCountryItaly,
    &kWordCountryNetherlands,
    &kWordCountrySweden,
    &kWordCountryCzechRepublic,
    &kWordCountrySpain,
    &kWordCountryBrazil,
    &kWordCountryIndia,
    &kWordCountryChina,
    &kWordCountryJapan,
    &kWordCountrySouthKorea};

constinit const TNamedWordRow kRows[] = {
    {"kWordCardSixOfHearts", &kWordCardSixOfHearts},
    {"kWordCardSevenOfHearts", &kWordCardSevenOfHearts},
    {"kWordCardEightOfHearts", &kWordCardEightOfHearts},
    {"kWordCardNineOfHearts", &kWordCardNineOfHearts},
    {"kWordCardTenOfHearts", &kWordCardTenOfHearts},
    {"kWordCardJackOfHearts", &kWordCardJackOfHearts},
    {"kWordCardQueenOfHearts", &kWordCardQueenOfHearts},
    {"kWordCardKingOfHearts", &kWordCardKingOfHearts},
    {"kWordCardAceOfHearts", &kWordCardAceOfHearts},
    {"kWordCardSixOfDiamonds", &kWordCardSixOfDiamonds},
    {"kWordCardSevenOfDiamonds", &kWordCardSevenOfDiamonds},
    {"kWordCardEightOfDiamonds", &kWordCardEightOfDiamonds},
    {"kWordCardNineOfDiamonds", &kWordCardNineOfDiamonds},
    {"kWordCardTenOfDiamonds", &kWordCardTenOfDiamonds},
    {"kWordCardJackOfDiamonds", &kWordCardJackOfDiamonds},
    {"kWordCardQueenOfDiamonds", &kWordCardQueenOfDiamonds},
    {"kWordCardKingOfDiamonds", &kWordCardKingOfDiamonds},
    {"kWordCardAceOfDiamonds", &kWordCardAceOfDiamonds},
    {"kWordCardSixOfClubs", &kWordCardSixOfClubs},
    {"kWordCardSevenOfClubs", &kWordCardSevenOfClubs},
    {"kWordCardEightOfClubs", &kWordCardEightOfClubs},
    {"kWordCardNineOfClubs", &kWordCardNineOfClubs},
    {"kWordCardTenOfClubs", &kWordCardTenOfClubs},
    {"kWordCardJackOfClubs", &kWordCardJackOfClubs},
    {"kWordCardQueenOfClubs", &kWordCardQueenOfClubs},
    {"kWordCardKingOfClubs", &kWordCardKingOfClubs},
    {"kWordCardAceOfClubs", &kWordCardAceOfClubs},
    {"kWordCardSixOfSpades", &kWordCardSixOfSpades},
    {"kWordCardSevenOfSpades", &kWordCardSevenOfSpades},
    {"kWordCardEightOfSpades", &kWordCardEightOfSpades},
    {"kWordCardNineOfSpades", &kWordCardNineOfSpades},
    {"kWordCardTenOfSpades", &kWordCardTenOfSpades},
    {"kWordCardJackOfSpades", &kWordCardJackOfSpades},
    {"kWordCardQueenOfSpades", &kWordCardQueenOfSpades},
    {"kWordCardKingOfSpades", &kWordCardKingOfSpades},
    {"kWordCardAceOfSpades", &kWordCardAceOfSpades},
    {"kWordCountryRussianFederation", &kWordCountryRussianFederation},
    {"kWordCountryUkraine", &kWordCountryUkraine},
    {"kWordCountryBelarus", &kWordCountryBelarus},
    {"kWordCountryMoldova", &kWordCountryMoldova},
    {"kWordCountryEstonia", &kWordCountryEstonia},
    {"kWordCountryLatvia", &kWordCountryLatvia},
    {"kWordCountryLithuania", &kWordCountryLithuania},
    {"kWordCountryArmenia", &kWordCountryArmenia},
    {"kWordCountryGeorgia", &kWordCountryGeorgia},
    {"kWordCountryAzerbaijan", &kWordCountryAzerbaijan},
    {"kWordCountryKazakhstan", &kWordCountryKazakhstan},
    {"kWordCountryUzbekistan", &kWordCountryUzbekistan},
    {"kWordCountryUsa", &kWordCountryUsa},
    {"kWordCountryCanada", &kWordCountryCanada},
    {"kWordCountryUnitedKingdom", &kWordCountryUnitedKingdom},
    {"kWordCountryAustralia", &kWordCountryAustralia},
    {"kWordCountryDeutschland", &kWordCountryDeutschland},
    {"kWordCountryFrance", &kWordCountryFrance},
    {"kWordCountryItaly", &kWordCountryItaly},
    {"kWordCountryNetherlands", &kWordCountryNetherlands},
    {"kWordCountrySweden", &kWordCountrySweden},
    {"kWordCountryCzechRepublic", &kWordCountryCzechRepublic},
    {"kWordCountrySpain", &kWordCountrySpain},
    {"kWordCountryBrazil", &kWordCountryBrazil},
    {"kWordCountryIndia", &kWordCountryIndia},
    {"kWordCountryChina", &kWordCountryChina},
    {"kWordCountryJapan", &kWordCountryJapan},
    {"kWordCountrySouthKorea", &kWordCountrySouthKorea},
    {"kWordStationUnavailable", &kWordStationUnavailable},
    {"kWordStation", &kWordStation},
    {"kWordVolume", &kWordVolume},
    {"kWordNextTrack", &kWordNextTrack},
    {"kWordRadioOnOff", &kWordRadioOnOff},
};

}  // namespace

const TWordRow* CardNameRow(int suitRow, int rankValue) {
  if (suitRow < 1 || suitRow > 4 || rankValue < 1 || rankValue > 9) return nullptr;
  return kCardNames[static_cast<std::size_t>((suitRow - 1) * 9 + rankValue - 1)];
}

const TWordRow* RadioCountryRow(int position) {
  if (position < 0 || position >= kRadioCountryCount) return nullptr;
  return kCountries[static_cast<std::size_t>(position)];
}

std::span<const TNamedWordRow> words::MediaWordRows() {
  return kRows;
}

}  // namespace zendral

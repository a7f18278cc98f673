// Word table data: the texts of the holiday calendar on the main menu (months, signs of the
// zodiac, animals of the year, holiday kinds, the anniversary word and the holiday names).
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include <array>
#include <cstddef>
#include <string_view>

#include "present/words/CalendarWords.h"
#include "present/words/WordLists.h"

namespace zendral {

// Months, in the form a date needs

constinit const TWordRow kWordJanuary{
    {"January", "Января", "Januar", "Janvier", "Enero", "一月", "Gennaio", "Ledna", "1月", "1월"}};

constinit const TWordRow kWordFebruary{{"February", "Февраля", "Februar", "Février", "Febrero",
                                        "二月", "Febbraio", "Února", "2月", "2월"}};

constinit const TWordRow kWordMarch{
    {"March", "Марта", "März", "Mars", "Marzo", "三月", "Marzo", "Března", "3月", "3월"}};

constinit const TWordRow kWordApril{
    {"April", "Апреля", "April", "Avril", "Abril", "四月", "Aprile", "Dubna", "4月", "4월"}};

constinit const TWordRow kWordMay{
    {"May", "Мая", "Mai", "Mai", "Mayo", "五月", "Maggio", "Května", "5月", "5월"}};

constinit const TWordRow kWordJune{
    {"June", "Июня", "Juni", "Juin", "Junio", "六月", "Giugno", "Června", "6月", "6월"}};

constinit const TWordRow kWordJuly{
    {"July", "Июля", "Juli", "Juillet", "Julio", "七月", "Luglio", "Července", "7月", "7월"}};

constinit const TWordRow kWordAugust{
    {"August", "Августа", "August", "Août", "Agosto", "八月", "Agosto", "Srpna", "8月", "8월"}};

constinit const TWordRow kWordSeptember{{"September", "Сентября", "September", "Septembre",
                                         "Septiembre", "九月", "Settembre", "Září", "9月", "9월"}};

constinit const TWordRow kWordOctober{{"October", "Октября", "Oktober", "Octobre", "Octubre",
                                       "十月", "Ottobre", "Října", "10月", "10월"}};

constinit const TWordRow kWordNovember{{"November", "Ноября", "November", "Novembre", "Noviembre",
                                        "十一月", "Novembre", "Listopadu", "11月", "11월"}};

constinit const TWordRow kWordDecember{{"December", "Декабря", "Dezember", "Décembre", "Diciembre",
                                        "十二月", "Dicembre", "Prosince", "12月", "12월"}};

// Signs of the zodiac, Aries first

constinit const TWordRow kWordAries{{"Aries", "Овен", "Widder", "Bélier", "Aries", "白羊座",
                                     "Ariete", "Beran", "牡羊座", "양자리"}};

constinit const TWordRow kWordTaurus{{"Taurus", "Телец", "Stier", "Taureau", "Tauro", "金牛座",
                                      "Toro", "Býk", "牡牛座", "황소자리"}};

constinit const TWordRow kWordGemini{{"Gemini", "Близнецы", "Zwillinge", "Gémeaux", "Géminis",
                                      "双子座", "Gemelli", "Blíženci", "双子座", "쌍둥이자리"}};

constinit const TWordRow kWordCancer{
    {"Cancer", "Рак", "Krebs", "Cancer", "Cáncer", "巨蟹座", "Cancro", "Rak", "蟹座", "게자리"}};

constinit const TWordRow kWordLeo{
    {"Leo", "Лев", "Löwe", "Lion", "Leo", "狮子座", "Leone", "Lev", "獅子座", "사자자리"}};

constinit const TWordRow kWordVirgo{{"Virgo", "Дева", "Jungfrau", "Vierge", "Virgo", "处女座",
                                     "Vergine", "Panna", "乙女座", "처녀자리"}};

constinit const TWordRow kWordLibra{{"Libra", "Весы", "Waage", "Balance", "Libra", "天秤座",
                                     "Bilancia", "Váhy", "天秤座", "천칭자리"}};

constinit const TWordRow kWordScorpio{{"Scorpio", "Скорпион", "Skorpion", "Scorpion", "Escorpio",
                                       "天蝎座", "Scorpione", "Štír", "蠍座", "전갈자리"}};

constinit const TWordRow kWordSagittarius{{"Sagittarius", "Стрелец", "Schütze", "Sagittaire",
                                           "Sagitario", "射手座", "Sagittario", "Střelec", "射手座",
                                           "궁수자리"}};

constinit const TWordRow kWordCapricorn{{"Capricorn", "Козерог", "Steinbock", "Capricorne",
                                         "Capricornio", "摩羯座", "Capricorno", "Kozoroh", "山羊座",
                                         "염소자리"}};

constinit const TWordRow kWordAquarius{{"Aquarius", "Водолей", "Wassermann", "Verseau", "Acuario",
                                        "水瓶座", "Acquario", "Vodnář", "水瓶座", "물병자리"}};

constinit const TWordRow kWordPisces{{"Pisces", "Рыбы", "Fische", "Poissons", "Piscis", "双鱼座",
                                      "Pesci", "Ryby", "魚座", "물고기자리"}};

// Animals of the year, by the year modulo 12

constinit const TWordRow kWordYearOfMonkey{
    {"Year Of The Monkey", "Год Обезьяны", "Jahr des Affen", "Année du Singe", "Año del Mono",
     "猴年", "Anno della Scimmia", "Rok opice", "申年", "원숭이의 해"}};

constinit const TWordRow kWordYearOfRooster{{"Year Of The Rooster", "Год Петуха", "Jahr des Hahns",
                                             "Année du Coq", "Año del Gallo", "鸡年",
                                             "Anno del Gallo", "Rok kohouta", "酉年", "닭의 해"}};

constinit const TWordRow kWordYearOfDog{{"Year Of The Dog", "Год Собаки", "Jahr des Hundes",
                                         "Année du Chien", "Año del Perro", "狗年", "Anno del Cane",
                                         "Rok psa", "戌年", "개의 해"}};

constinit const TWordRow kWordYearOfPig{{"Year Of The Pig", "Год Свиньи", "Jahr des Schweins",
                                         "Année du Cochon", "Año del Cerdo", "猪年",
                                         "Anno del Maiale", "Rok vepře", "亥年", "돼지의 해"}};

constinit const TWordRow kWordYearOfRat{{"Year Of The Rat", "Год Крысы", "Jahr der Ratte",
                                         "Année du Rat", "Año de la Rata", "鼠年", "Anno del Topo",
                                         "Rok krysy", "子年", "쥐의 해"}};

constinit const TWordRow kWordYearOfOx{{"Year Of The Ox", "Год Быка", "Jahr des Büffels",
                                        "Année du Buffle", "Año del Buey", "牛年", "Anno del Bue",
                                        "Rok buvola", "丑年", "소의 해"}};

constinit const TWordRow kWordYearOfTiger{{"Year Of The Tiger", "Год Тигра", "Jahr des Tigers",
                                           "Année du Tigre", "Año del Tigre", "虎年",
                                           "Anno della Tigre", "Rok tygra", "寅年", "호랑이의 해"}};

constinit const TWordRow kWordYearOfRabbit{
    {"Year Of The Rabbit", "Год Кролика", "Jahr des Hasen", "Année du Lapin", "Año del Conejo",
     "兔年", "Anno del Coniglio", "Rok králíka", "卯年", "토끼의 해"}};

constinit const TWordRow kWordYearOfDragon{{"Year Of The Dragon", "Год Дракона", "Jahr des Drachen",
                                            "Année du Dragon", "Año del Dragón", "龙年",
                                            "Anno del Drago", "Rok draka", "辰年", "용의 해"}};

constinit const TWordRow kWordYearOfSnake{{"Year Of The Snake", "Год Змеи", "Jahr der Schlange",
                                           "Année du Serpent", "Año de la Serpiente", "蛇年",
                                           "Anno del Serpente", "Rok hada", "巳年", "뱀의 해"}};

constinit const TWordRow kWordYearOfHorse{{"Year Of The Horse", "Год Лошади", "Jahr des Pferdes",
                                           "Année du Cheval", "Año del Caballo", "马年",
                                           "Anno del Cavallo", "Rok koně", "午年", "말의 해"}};

constinit const TWordRow kWordYearOfGoat{{"Year Of The Goat", "Год Козы", "Jahr der Ziege",
                                          "Année de la Chèvre", "Año de la Cabra", "羊年",
                                          "Anno della Capra", "Rok kozy", "未年", "양의 해"}};

// Holiday kinds, by the mark of the entry, and the anniversary word

constinit const TWordRow kWordHolidayKindUk{
    {"Holiday UK", "Праздник Великобритании", "Feiertag im Vereinigten Königreich",
     "Fête au Royaume-Uni", "Fiesta del Reino Unido", "英国节日", "Festa nel Regno Unito",
     "Svátek ve Velké Británii", "イギリスの祝日", "영국 기념일"}};

constinit const TWordRow kWordHolidayKindRussia{
    {"Russian Festival", "Российский праздник", "Russischer Feiertag", "Fête russe", "Fiesta rusa",
     "俄罗斯节日", "Festa russa", "Ruský svátek", "ロシアの祝日", "러시아 기념일"}};

constinit const TWordRow kWordHolidayKindGermany{{"German holiday", "Немецкий праздник",
                                                  "Deutscher Feiertag", "Fête allemande",
                                                  "Fiesta alemana", "德国节日", "Festa tedesca",
                                                  "Německý svátek", "ドイツの祝日", "독일 기념일"}};

constinit const TWordRow kWordHolidayKindFrance{
    {"French holiday", "Французский праздник", "Französischer Feiertag", "Fête française",
     "Fiesta francesa", "法国节日", "Festa francese", "Francouzský svátek", "フランスの祝日",
     "프랑스 기념일"}};

constinit const TWordRow kWordHolidayKindSpain{
    {"Spanish holiday", "Испанский праздник", "Spanischer Feiertag", "Fête espagnole",
     "Fiesta española", "西班牙节日", "Festa spagnola", "Španělský svátek", "スペインの祝日",
     "스페인 기념일"}};

constinit const TWordRow kWordHolidayKindUsa{
    {"Holiday United States", "Праздник США", "Feiertag in den USA", "Fête aux États-Unis",
     "Fiesta de Estados Unidos", "美国节日", "Festa negli Stati Uniti", "Svátek v USA",
     "アメリカの祝日", "미국 기념일"}};

constinit const TWordRow kWordHolidayKindOrthodox{
    {"The Orthodox holiday", "Православный праздник", "Orthodoxer Feiertag", "Fête orthodoxe",
     "Fiesta ortodoxa", "东正教节日", "Festa ortodossa", "Pravoslavný svátek", "正教会の祝日",
     "정교회 축일"}};

constinit const TWordRow kWordHolidayKindCatholic{
    {"Catholic feast", "Католический праздник", "Katholischer Feiertag", "Fête catholique",
     "Fiesta católica", "天主教节日", "Festa cattolica", "Katolický svátek", "カトリックの祝日",
     "가톨릭 축일"}};

constinit const TWordRow kWordAnniversary{{"-th anniversary", "-я годовщина", ". Jahrestag",
                                           "e anniversaire", ".º aniversario", "周年",
                                           "º anniversario", ". výročí", "周年", "주년"}};

// Holiday names, by the number of the entry in the holiday table

constinit const TWordRow kWordHolidayNewYear{{"New Year", "Новый год", "Neujahr", "Nouvel An",
                                              "Año Nuevo", "新年", "Capodanno", "Nový rok", "元日",
                                              "새해 첫날"}};

constinit const TWordRow kWordHolidayInauguration{
    {"Inauguration day", "День инаугурации", "Tag der Amtseinführung", "Jour de l'investiture",
     "Día de la Investidura", "总统就职日", "Giorno dell'insediamento", "Den inaugurace",
     "大統領就任式の日", "대통령 취임일"}};

constinit const TWordRow kWordHolidayTatyana{
    {"Tatyana`s day, the day of Russian students", "Татьянин день, День российского студенчества",
     "Tatjanatag, Tag der russischen Studenten", "Jour de Tatiana, fête des étudiants russes",
     "Día de Tatiana, día de los estudiantes rusos", "塔季扬娜节，俄罗斯大学生节",
     "Giorno di Tatiana, festa degli studenti russi", "Den Taťány, den ruských studentů",
     "タチアナの日、ロシア学生の日", "타티야나의 날, 러시아 대학생의 날"}};

constinit const TWordRow kWordHolidayLeningrad{
    {"Day of the lifting of the siege of Leningrad",
     "День полного освобождения Ленинграда от блокады",
     "Tag der Aufhebung der Leningrader Blockade", "Jour de la levée du siège de Léningrad",
     "Día del levantamiento del sitio de Leningrado", "列宁格勒解围日",
     "Giorno della fine dell'assedio di Leningrado", "Den prolomení blokády Leningradu",
     "レニングラード包囲解放の日", "레닌그라드 포위 해제의 날"}};

constinit const TWordRow kWordHolidayMartinLutherKing{
    {"Martin Luther King Day", "День Мартина Лютера Кинга", "Martin-Luther-King-Tag",
     "Jour de Martin Luther King", "Día de Martin Luther King", "马丁·路德·金纪念日",
     "Giorno di Martin Luther King", "Den Martina Luthera Kinga", "キング牧師記念日",
     "마틴 루서 킹의 날"}};

constinit const TWordRow kWordHolidayStalingrad{
    {"The day of the victory of Soviet forces in the battle of Stalingrad",
     "День победы в Сталинградской битве",
     "Tag des Sieges der sowjetischen Truppen in der Schlacht von Stalingrad",
     "Jour de la victoire des troupes soviétiques à la bataille de Stalingrad",
     "Día de la victoria de las tropas soviéticas en la batalla de Stalingrado",
     "斯大林格勒战役苏军胜利日",
     "Giorno della vittoria delle truppe sovietiche nella battaglia di Stalingrado",
     "Den vítězství sovětských vojsk v bitvě u Stalingradu",
     "スターリングラード攻防戦ソ連軍勝利の日", "스탈린그라드 전투 소련군 승전 기념일"}};

constinit const TWordRow kWordHolidayRussianScience{
    {"The day of Russian Science", "День российской науки", "Tag der russischen Wissenschaft",
     "Journée de la science russe", "Día de la Ciencia Rusa", "俄罗斯科学日",
     "Giornata della scienza russa", "Den ruské vědy", "ロシア科学の日", "러시아 과학의 날"}};

constinit const TWordRow kWordHolidayValentine{
    {"Valentine`s day", "День святого Валентина", "Valentinstag", "Saint-Valentin",
     "Día de San Valentín", "情人节", "San Valentino", "Svatý Valentýn", "バレンタインデー",
     "밸런타인데이"}};

constinit const TWordRow kWordHolidayFatherlandDefender{
    {"Defender of the fatherland day", "День защитника Отечества", "Tag des Vaterlandsverteidigers",
     "Jour du défenseur de la patrie", "Día del Defensor de la Patria", "祖国保卫者日",
     "Giorno del difensore della patria", "Den obránců vlasti", "祖国防衛者の日",
     "조국 수호자의 날"}};

constinit const TWordRow kWordHolidayWomensDay{
    {"International women`s day", "Международный женский день", "Internationaler Frauentag",
     "Journée internationale des femmes", "Día Internacional de la Mujer", "国际妇女节",
     "Festa della donna", "Mezinárodní den žen", "国際女性デー", "세계 여성의 날"}};

constinit const TWordRow kWordHolidayStPatrick{
    {"St. Patrick`s day", "День святого Патрика", "St.-Patricks-Tag", "Saint-Patrick",
     "Día de San Patricio", "圣帕特里克节", "San Patrizio", "Den svatého Patrika",
     "聖パトリックの日", "성 패트릭의 날"}};

constinit const TWordRow kWordHolidayAprilFool{{"April Fool`s day", "День смеха", "Aprilscherztag",
                                                "Poisson d'avril", "Día de las bromas de abril",
                                                "愚人节", "Pesce d'aprile", "Apríl",
                                                "エイプリルフール", "만우절"}};

constinit const TWordRow kWordHolidayUnityOfPeoples{
    {"Unity day", "День единения народов", "Tag der Einheit der Völker",
     "Jour de l'unité des peuples", "Día de la Unidad de los Pueblos", "人民团结日",
     "Giorno dell'unità dei popoli", "Den jednoty národů", "諸民族統一の日", "민족 단결의 날"}};

constinit const TWordRow kWordHolidayCosmonautics{
    {"Day of cosmonautics", "День космонавтики", "Tag der Raumfahrt", "Journée de la cosmonautique",
     "Día de la Cosmonáutica", "航天日", "Giornata della cosmonautica", "Den kosmonautiky",
     "宇宙飛行士の日", "우주 비행의 날"}};

constinit const TWordRow kWordHolidayBattleOnTheIce{
    {"The day of the victory of the Russian army in the battle on the ice",
     "День победы русских воинов на Чудском озере",
     "Tag des Sieges der russischen Krieger in der Schlacht auf dem Eise",
     "Jour de la victoire russe à la bataille du lac Peïpous",
     "Día de la victoria rusa en la batalla del lago Peipus", "冰湖之战俄军胜利日",
     "Giorno della vittoria russa nella battaglia del ghiaccio",
     "Den vítězství ruských vojsk v bitvě na ledu", "氷上の戦いロシア軍勝利の日",
     "얼음 위의 전투 러시아군 승전 기념일"}};

constinit const TWordRow kWordHolidayLaborDay{
    {"Labor Day", "Праздник Весны и Труда", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo",
     "劳动节", "Festa dei lavoratori", "Svátek práce", "メーデー", "노동절"}};

constinit const TWordRow kWordHolidayMadrid{
    {"Day Of Madrid", "День Мадрида", "Tag der Gemeinschaft Madrid", "Fête de Madrid",
     "Día de la Comunidad de Madrid", "马德里日", "Festa di Madrid", "Den Madridu",
     "マドリード州の日", "마드리드의 날"}};

constinit const TWordRow kWordHolidayRadio{
    {"Radio day", "День радио", "Tag des Radios", "Jour de la radio", "Día de la Radio", "无线电日",
     "Giornata della radio", "Den rádia", "ラジオの日", "라디오의 날"}};

constinit const TWordRow kWordHolidayVictoryFrance{
    {"Victory day", "День Победы", "Tag des Sieges", "Fête de la Victoire", "Día de la Victoria",
     "胜利日", "Giorno della Vittoria", "Den vítězství", "戦勝記念日", "전승 기념일"}};

constinit const TWordRow kWordHolidayVictoryPatrioticWar{
    {"Victory day in Great Patriotic war", "День Победы в Великой Отечественной войне",
     "Tag des Sieges im Großen Vaterländischen Krieg",
     "Jour de la Victoire dans la Grande Guerre patriotique",
     "Día de la Victoria en la Gran Guerra Patria", "伟大卫国战争胜利日",
     "Giorno della Vittoria nella Grande guerra patriottica",
     "Den vítězství ve Velké vlastenecké válce", "大祖国戦争戦勝記念日", "대조국전쟁 승전 기념일"}};

constinit const TWordRow kWordHolidaySlavonicLiterature{
    {"The day of Slavonic Literature and culture", "День славянской письменности и культуры",
     "Tag der slawischen Schrift und Kultur", "Jour de l'écriture et de la culture slaves",
     "Día de la Escritura y la Cultura Eslavas", "斯拉夫文字与文化日",
     "Giorno della scrittura e della cultura slave", "Den slovanského písemnictví a kultury",
     "スラブ文字と文化の日", "슬라브 문자와 문화의 날"}};

constinit const TWordRow kWordHolidayChemist{
    {"Chemist`s day", "День химика", "Tag des Chemikers", "Jour du chimiste", "Día del Químico",
     "化学家节", "Giornata del chimico", "Den chemiků", "化学者の日", "화학자의 날"}};

constinit const TWordRow kWordHolidayChildrensDay{
    {"International children`s day", "Международный день защиты детей", "Internationaler Kindertag",
     "Journée internationale de l'enfance", "Día Internacional del Niño", "国际儿童节",
     "Giornata internazionale dei bambini", "Mezinárodní den dětí", "国際子どもの日",
     "국제 어린이날"}};

constinit const TWordRow kWordHolidayRussiaDay{
    {"Russia Day", "День России", "Tag Russlands", "Jour de la Russie", "Día de Rusia", "俄罗斯日",
     "Giorno della Russia", "Den Ruska", "ロシアの日", "러시아의 날"}};

constinit const TWordRow kWordHolidayAmericanFlag{
    {"American flag day", "День флага США", "Tag der amerikanischen Flagge",
     "Jour du drapeau américain", "Día de la Bandera de EE. UU.", "美国国旗日",
     "Giorno della bandiera americana", "Den americké vlajky", "アメリカ国旗制定記念日",
     "미국 국기의 날"}};

constinit const TWordRow kWordHolidayMusic{
    {"Music day", "Праздник музыки", "Fest der Musik", "Fête de la musique", "Fiesta de la Música",
     "音乐节", "Festa della musica", "Svátek hudby", "音楽の日", "음악 축제의 날"}};

constinit const TWordRow kWordHolidayRemembrance{
    {"Day of remembrance and mourning", "День памяти и скорби", "Tag der Erinnerung und Trauer",
     "Jour du souvenir et du deuil", "Día del Recuerdo y el Luto", "纪念与哀悼日",
     "Giorno della memoria e del lutto", "Den vzpomínky a smutku", "追悼と哀悼の日",
     "추모와 애도의 날"}};

constinit const TWordRow kWordHolidayYouth{
    {"Youth day", "День молодёжи", "Tag der Jugend", "Journée de la jeunesse", "Día de la Juventud",
     "青年节", "Giornata della gioventù", "Den mládeže", "青年の日", "청년의 날"}};

constinit const TWordRow kWordHolidayIndependence{
    {"Independence day", "День независимости США", "Unabhängigkeitstag", "Jour de l'Indépendance",
     "Día de la Independencia", "独立日", "Giorno dell'Indipendenza", "Den nezávislosti",
     "独立記念日", "독립기념일"}};

constinit const TWordRow kWordHolidayFamilyLoveFidelity{
    {"Day of family, love and fidelity", "День семьи, любви и верности",
     "Tag der Familie, Liebe und Treue", "Jour de la famille, de l'amour et de la fidélité",
     "Día de la Familia, el Amor y la Fidelidad", "家庭、爱情与忠诚日",
     "Giorno della famiglia, dell'amore e della fedeltà", "Den rodiny, lásky a věrnosti",
     "家族と愛と貞節の日", "가족, 사랑, 정절의 날"}};

constinit const TWordRow kWordHolidayPoltava{
    {"The day of the victory of the Russian army in the battle of Poltava",
     "День победы русской армии в Полтавском сражении",
     "Tag des Sieges der russischen Armee in der Schlacht bei Poltawa",
     "Jour de la victoire de l'armée russe à la bataille de Poltava",
     "Día de la victoria del ejército ruso en la batalla de Poltava", "波尔塔瓦战役俄军胜利日",
     "Giorno della vittoria dell'esercito russo nella battaglia di Poltava",
     "Den vítězství ruské armády v bitvě u Poltavy", "ポルタヴァの戦いロシア軍勝利の日",
     "폴타바 전투 러시아군 승전 기념일"}};

constinit const TWordRow kWordHolidayBastille{
    {"Bastille Day", "День взятия Бастилии", "Tag der Erstürmung der Bastille", "Fête nationale",
     "Día de la Toma de la Bastilla", "巴士底日", "Presa della Bastiglia", "Den dobytí Bastily",
     "パリ祭", "바스티유의 날"}};

constinit const TWordRow kWordHolidayHotDog{
    {"National hot dog day", "Национальный день хот-дога", "Nationaler Hotdog-Tag",
     "Journée nationale du hot-dog", "Día Nacional del Perrito Caliente", "全国热狗日",
     "Giornata nazionale dell'hot dog", "Národní den hotdogu", "全米ホットドッグの日",
     "전미 핫도그의 날"}};

constinit const TWordRow kWordHolidayBaptismOfRus{
    {"The day of the baptism of RUS`", "День Крещения Руси", "Tag der Taufe der Rus",
     "Jour du baptême de la Rus'", "Día del Bautismo de la Rus", "罗斯受洗日",
     "Giorno del battesimo della Rus'", "Den křtu Rusi", "ルーシの洗礼の日", "루스 세례의 날"}};

constinit const TWordRow kWordHolidayElvis{
    {"Elvis Presley Memorial Day", "День памяти Элвиса Пресли", "Elvis-Presley-Gedenktag",
     "Jour du souvenir d'Elvis Presley", "Día en memoria de Elvis Presley",
     "埃尔维斯·普雷斯利纪念日", "Giorno in memoria di Elvis Presley",
     "Den památky Elvise Presleyho", "エルヴィス・プレスリー追悼の日", "엘비스 프레슬리 추모일"}};

constinit const TWordRow kWordHolidayRussianFlag{
    {"The day of the national flag of Russia", "День Государственного флага России",
     "Tag der Staatsflagge Russlands", "Jour du drapeau national de la Russie",
     "Día de la Bandera Nacional de Rusia", "俄罗斯国旗日", "Giorno della bandiera nazionale russa",
     "Den státní vlajky Ruska", "ロシア国旗の日", "러시아 국기의 날"}};

constinit const TWordRow kWordHolidayKursk{
    {"The day of the victory of Soviet forces in the battle of Kursk",
     "День победы в Курской битве",
     "Tag des Sieges der sowjetischen Truppen in der Schlacht am Kursker Bogen",
     "Jour de la victoire des troupes soviétiques à la bataille de Koursk",
     "Día de la victoria de las tropas soviéticas en la batalla de Kursk", "库尔斯克战役苏军胜利日",
     "Giorno della vittoria delle truppe sovietiche nella battaglia di Kursk",
     "Den vítězství sovětských vojsk v bitvě u Kurska", "クルスクの戦いソ連軍勝利の日",
     "쿠르스크 전투 소련군 승전 기념일"}};

constinit const TWordRow kWordHolidayKnowledge{
    {"The day of knowledge", "День знаний", "Tag des Wissens", "Jour de la connaissance",
     "Día del Conocimiento", "知识日", "Giorno della conoscenza", "Den znalostí", "知識の日",
     "지식의 날"}};

constinit const TWordRow kWordHolidayEndOfWorldWar2{
    {"Day of the end of World War II", "День окончания Второй мировой войны",
     "Tag des Endes des Zweiten Weltkriegs", "Jour de la fin de la Seconde Guerre mondiale",
     "Día del fin de la Segunda Guerra Mundial", "第二次世界大战结束纪念日",
     "Giorno della fine della Seconda guerra mondiale", "Den konce druhé světové války",
     "第二次世界大戦終結の日", "제2차 세계대전 종전일"}};

constinit const TWordRow kWordHolidayBorodino{
    {"Borodino day", "День Бородинского сражения", "Tag der Schlacht von Borodino",
     "Jour de la bataille de la Moskova", "Día de la batalla de Borodinó", "博罗季诺战役纪念日",
     "Giorno della battaglia di Borodino", "Den bitvy u Borodina", "ボロジノの戦いの日",
     "보로디노 전투 기념일"}};

constinit const TWordRow kWordHolidayProgrammer{
    {"Programmer`s day", "День программиста", "Tag des Programmierers", "Journée du programmeur",
     "Día del Programador", "程序员节", "Giornata del programmatore", "Den programátorů",
     "プログラマーの日", "프로그래머의 날"}};

constinit const TWordRow kWordHolidayKulikovo{
    {"The day of the victory of Russian regiments in the battle of Kulikovo",
     "День победы русских полков в Куликовской битве",
     "Tag des Sieges der russischen Regimenter in der Schlacht auf dem Kulikowo-Feld",
     "Jour de la victoire des régiments russes à la bataille de Koulikovo",
     "Día de la victoria de los regimientos rusos en la batalla de Kulikovo",
     "库利科沃战役俄军胜利日",
     "Giorno della vittoria dei reggimenti russi nella battaglia di Kulikovo",
     "Den vítězství ruských pluků v bitvě na Kulikově poli", "クリコヴォの戦いロシア軍勝利の日",
     "쿨리코보 전투 러시아군 승전 기념일"}};

constinit const TWordRow kWordHolidayOlderPersons{
    {"Day of older persons", "День пожилых людей", "Tag der älteren Menschen",
     "Journée des personnes âgées", "Día de las Personas Mayores", "国际老年人日",
     "Giornata degli anziani", "Den seniorů", "国際高齢者デー", "노인의 날"}};

constinit const TWordRow kWordHolidayGermanUnity{
    {"Day of German unity", "День германского единства", "Tag der Deutschen Einheit",
     "Jour de l'unité allemande", "Día de la Unidad Alemana", "德国统一日",
     "Giorno dell'unità tedesca", "Den německé jednoty", "ドイツ統一の日", "독일 통일의 날"}};

constinit const TWordRow kWordHolidayTeacher{{"Teacher`s day", "День учителя", "Tag des Lehrers",
                                              "Journée des enseignants", "Día del Maestro",
                                              "教师节", "Giornata degli insegnanti", "Den učitelů",
                                              "教師の日", "교사의 날"}};

constinit const TWordRow kWordHolidaySpainNational{
    {"National day of Spain", "Национальный праздник Испании", "Spanischer Nationalfeiertag",
     "Fête nationale espagnole", "Fiesta Nacional de España", "西班牙国庆日",
     "Festa nazionale spagnola", "Státní svátek Španělska", "スペイン建国記念日", "스페인 국경일"}};

constinit const TWordRow kWordHolidayApple{
    {"Apple day", "День яблока", "Tag des Apfels", "Jour de la pomme", "Día de la Manzana",
     "苹果节", "Giornata della mela", "Den jablek", "リンゴの日", "사과의 날"}};

constinit const TWordRow kWordHolidayHalloween{{"Halloween", "Хэллоуин", "Halloween", "Halloween",
                                                "Halloween", "万圣节前夜", "Halloween", "Halloween",
                                                "ハロウィン", "핼러윈"}};

constinit const TWordRow kWordHolidayGuyFawkes{
    {"Guy Fawkes night or Night campfires", "Ночь Гая Фокса, или Ночь костров",
     "Guy-Fawkes-Nacht oder Nacht der Feuer", "Nuit de Guy Fawkes ou nuit des feux de joie",
     "Noche de Guy Fawkes o Noche de las hogueras", "盖伊·福克斯之夜，又称篝火之夜",
     "Notte di Guy Fawkes o Notte dei falò", "Noc Guye Fawkese neboli Noc ohňů",
     "ガイ・フォークス・ナイト、焚き火の夜", "가이 포크스의 밤, 모닥불의 밤"}};

constinit const TWordRow kWordHolidayEndOfWorldWar1{
    {"The end of the first world war", "Окончание Первой мировой войны",
     "Ende des Ersten Weltkriegs", "Armistice de 1918", "Fin de la Primera Guerra Mundial",
     "第一次世界大战停战日", "Fine della Prima guerra mondiale", "Konec první světové války",
     "第一次世界大戦休戦記念日", "제1차 세계대전 종전일"}};

constinit const TWordRow kWordHolidayThanksgiving{
    {"Thanksgiving", "День благодарения", "Erntedankfest", "Action de grâce",
     "Día de Acción de Gracias", "感恩节", "Giorno del Ringraziamento", "Díkůvzdání", "感謝祭",
     "추수감사절"}};

constinit const TWordRow kWordHolidayMoscowCounterattack{
    {"The first day of the Soviet troops counterattack near Moscow",
     "День начала контрнаступления советских войск под Москвой",
     "Beginn der sowjetischen Gegenoffensive vor Moskau",
     "Début de la contre-offensive soviétique devant Moscou",
     "Inicio de la contraofensiva soviética cerca de Moscú", "莫斯科城下苏军反攻开始日",
     "Inizio della controffensiva sovietica presso Mosca",
     "Začátek sovětské protiofenzívy u Moskvy", "モスクワ近郊ソ連軍反攻開始の日",
     "모스크바 근교 소련군 반격 개시일"}};

constinit const TWordRow kWordHolidaySpainConstitution{
    {"Constitution Day in Spain", "День Конституции Испании", "Tag der spanischen Verfassung",
     "Jour de la Constitution espagnole", "Día de la Constitución Española", "西班牙宪法日",
     "Giorno della Costituzione spagnola", "Den španělské ústavy", "スペイン憲法記念日",
     "스페인 제헌절"}};

constinit const TWordRow kWordHolidayRussiaConstitution{
    {"Constitution Day Of Russia", "День Конституции Российской Федерации",
     "Tag der Verfassung Russlands", "Jour de la Constitution de la Russie",
     "Día de la Constitución de Rusia", "俄罗斯宪法日", "Giorno della Costituzione russa",
     "Den ústavy Ruska", "ロシア憲法記念日", "러시아 제헌절"}};

constinit const TWordRow kWordHolidayPowerEngineers{
    {"The day of power branch workers", "День энергетика", "Tag der Energiewirtschaft",
     "Journée des travailleurs de l'énergie", "Día de los Trabajadores de la Energía",
     "电力工作者节", "Giornata dei lavoratori dell'energia", "Den energetiků", "電力従事者の日",
     "에너지 산업 종사자의 날"}};

constinit const TWordRow kWordHolidayRescuers{
    {"The rescuer day Russia", "День спасателя Российской Федерации", "Tag der Retter Russlands",
     "Journée des sauveteurs de Russie", "Día del Rescatador de Rusia", "俄罗斯救援人员日",
     "Giornata dei soccorritori russi", "Den záchranářů Ruska", "ロシア救助隊員の日",
     "러시아 구조대원의 날"}};

constinit const TWordRow kWordHolidayEasterOrthodox{{"Easter", "Пасха", "Ostern", "Pâques",
                                                     "Pascua", "复活节", "Pasqua", "Velikonoce",
                                                     "復活大祭", "부활절"}};

constinit const TWordRow kWordHolidayEntryIntoJerusalem{
    {"The entry into Jerusalem", "Вход Господень в Иерусалим", "Einzug des Herrn in Jerusalem",
     "Entrée du Seigneur à Jérusalem", "Entrada de Jesús en Jerusalén", "主进圣城节",
     "Ingresso di Gesù a Gerusalemme", "Vjezd Páně do Jeruzaléma", "主のエルサレム入城祭",
     "주님의 예루살렘 입성"}};

constinit const TWordRow kWordHolidayAscension{
    {"Ascension Of Our Lord", "Вознесение Господне", "Christi Himmelfahrt", "Ascension du Seigneur",
     "Ascensión del Señor", "耶稣升天节", "Ascensione del Signore", "Nanebevstoupení Páně",
     "主の昇天祭", "주님 승천 대축일"}};

constinit const TWordRow kWordHolidayTrinity{
    {"Trinity Sunday", "День Святой Троицы", "Dreifaltigkeitsfest", "Fête de la Sainte-Trinité",
     "Domingo de la Santísima Trinidad", "圣三一主日", "Festa della Santissima Trinità",
     "Svátek Nejsvětější Trojice", "至聖三者祭", "성삼위일체 대축일"}};

constinit const TWordRow kWordHolidayChristmasOrthodox{{"Christmas", "Рождество Христово",
                                                        "Weihnachten", "Noël", "Navidad", "圣诞节",
                                                        "Natale", "Vánoce", "降誕祭", "성탄절"}};

constinit const TWordRow kWordHolidayCircumcision{
    {"Circumcision Of The Lord", "Обрезание Господне", "Beschneidung des Herrn",
     "Circoncision du Seigneur", "Circuncisión del Señor", "主受割礼节",
     "Circoncisione del Signore", "Obřezání Páně", "主の割礼祭", "주님 할례 축일"}};

constinit const TWordRow kWordHolidayEpiphany{{"Epiphany", "Крещение Господне", "Taufe des Herrn",
                                               "Théophanie", "Epifanía", "主显节", "Epifania",
                                               "Křest Páně", "神現祭", "주님 공현 대축일"}};

constinit const TWordRow kWordHolidayCandlemasOrthodox{
    {"Candlemas", "Сретение Господне", "Darstellung des Herrn", "Présentation du Seigneur",
     "Presentación del Señor", "主进堂节", "Presentazione del Signore", "Uvedení Páně do chrámu",
     "主の迎接祭", "주님 봉헌 축일"}};

constinit const TWordRow kWordHolidayAnnunciationOrthodox{
    {"Annunciation to the Most Holy Theotokos", "Благовещение Пресвятой Богородицы",
     "Verkündigung an die Gottesgebärerin", "Annonciation à la Très Sainte Mère de Dieu",
     "Anunciación de la Santísima Madre de Dios", "圣母领报节",
     "Annunciazione alla Santissima Madre di Dio", "Zvěstování přesvaté Bohorodici", "生神女福音祭",
     "성모 영보 대축일"}};

constinit const TWordRow kWordHolidayNativityOfJohn{
    {"The Nativity of John the Baptist (Forerunner)", "Рождество Иоанна Предтечи",
     "Geburt Johannes des Täufers (des Vorläufers)", "Nativité de Jean-Baptiste (le Précurseur)",
     "Natividad de San Juan Bautista (el Precursor)", "施洗约翰（先驱）诞辰",
     "Natività di Giovanni Battista (il Precursore)", "Narození Jana Křtitele (Předchůdce)",
     "前駆授洗イオアン誕生祭", "세례자 요한(선구자) 탄생 축일"}};

constinit const TWordRow kWordHolidayPeterAndPaul{
    {"Day of the Holy Primate Apostles Peter and Paul",
     "День святых первоверховных апостолов Петра и Павла",
     "Fest der heiligen Apostelfürsten Petrus und Paulus", "Fête des saints apôtres Pierre et Paul",
     "Día de los santos apóstoles Pedro y Pablo", "首席使徒圣彼得和圣保罗节",
     "Festa dei santi apostoli Pietro e Paolo", "Svátek svatých apoštolů Petra a Pavla",
     "聖使徒ペトル・パウェル祭", "성 베드로와 성 바오로 사도 대축일"}};

constinit const TWordRow kWordHolidayTransfigurationOrthodox{
    {"Transfiguration", "Преображение Господне", "Verklärung des Herrn",
     "Transfiguration du Seigneur", "Transfiguración del Señor", "主显圣容节",
     "Trasfigurazione del Signore", "Proměnění Páně", "主の変容祭", "주님 거룩한 변모 축일"}};

constinit const TWordRow kWordHolidayDormition{
    {"Dormition of the Virgin", "Успение Пресвятой Богородицы", "Entschlafung der Gottesmutter",
     "Dormition de la Mère de Dieu", "Dormición de la Virgen", "圣母安息节",
     "Dormizione della Madre di Dio", "Zesnutí přesvaté Bohorodice", "生神女就寝祭",
     "성모 안식 축일"}};

constinit const TWordRow kWordHolidayBeheadingOfJohn{
    {"Beheading of John the Baptist", "Усекновение главы Иоанна Предтечи",
     "Enthauptung Johannes des Täufers", "Décollation de saint Jean-Baptiste",
     "Degollación de San Juan Bautista", "施洗约翰被斩首纪念日",
     "Decollazione di San Giovanni Battista", "Stětí Jana Křtitele", "前駆授洗イオアン斬首祭",
     "세례자 요한 참수 기념일"}};

constinit const TWordRow kWordHolidayNativityOfVirginOrthodox{
    {"Nativity Of The Virgin", "Рождество Пресвятой Богородицы", "Geburt der Gottesmutter",
     "Nativité de la Mère de Dieu", "Natividad de la Virgen", "圣母诞辰节",
     "Natività della Madre di Dio", "Narození přesvaté Bohorodice", "生神女誕生祭",
     "성모 탄생 축일"}};

constinit const TWordRow kWordHolidayExaltationOfCross{
    {"Exaltation of the Cross of the Lord", "Воздвижение Креста Господня", "Kreuzerhöhung",
     "Exaltation de la Sainte Croix", "Exaltación de la Santa Cruz", "举荣圣架节",
     "Esaltazione della Santa Croce", "Povýšení svatého Kříže", "十字架挙栄祭",
     "성 십자가 현양 축일"}};

constinit const TWordRow kWordHolidayProtection{
    {"Protection of the Most Holy Theotokos", "Покров Пресвятой Богородицы",
     "Schutzmantelfest der Gottesmutter", "Protection de la Mère de Dieu",
     "Protección de la Santísima Madre de Dios", "圣母帡幪节",
     "Protezione della Santissima Madre di Dio", "Ochrana přesvaté Bohorodice", "生神女庇護祭",
     "성모 보호 축일"}};

constinit const TWordRow kWordHolidayPresentationOfVirgin{
    {"Introduction to the temple of the Most Holy Theotokos",
     "Введение во храм Пресвятой Богородицы", "Einführung der Gottesmutter in den Tempel",
     "Entrée de la Mère de Dieu au Temple", "Presentación de la Virgen en el Templo", "圣母进堂节",
     "Ingresso al Tempio della Madre di Dio", "Uvedení přesvaté Bohorodice do chrámu",
     "生神女進堂祭", "성모 입당 축일"}};

constinit const TWordRow kWordHolidayEasterCatholic{{"Easter", "Пасха", "Ostern", "Pâques",
                                                     "Pascua", "复活节", "Pasqua", "Velikonoce",
                                                     "復活祭", "부활절"}};

constinit const TWordRow kWordHolidayCandlemasCatholic{
    {"Candlemas", "Сретение Господне", "Mariä Lichtmess", "Chandeleur", "Candelaria", "圣烛节",
     "Candelora", "Hromnice", "聖燭祭", "주님 봉헌 축일"}};

constinit const TWordRow kWordHolidayAnnunciationCatholic{
    {"Annunciation to the Most Holy Theotokos", "Благовещение Пресвятой Богородицы",
     "Mariä Verkündigung", "Annonciation", "Anunciación", "天使报喜节", "Annunciazione del Signore",
     "Zvěstování Páně", "神のお告げの祭日", "주님 탄생 예고 대축일"}};

constinit const TWordRow kWordHolidayTransfigurationCatholic{
    {"Transfiguration", "Преображение Господне", "Verklärung des Herrn", "Transfiguration",
     "Transfiguración del Señor", "耶稣显圣容节", "Trasfigurazione del Signore", "Proměnění Páně",
     "主の変容の祝日", "주님의 거룩한 변모 축일"}};

constinit const TWordRow kWordHolidayNativityOfVirginCatholic{
    {"Nativity of the Mother of God", "Рождество Пресвятой Девы Марии", "Mariä Geburt",
     "Nativité de la Vierge Marie", "Natividad de la Virgen María", "圣母诞辰",
     "Natività della Beata Vergine Maria", "Narození Panny Marie", "聖母マリアの誕生",
     "복되신 동정 마리아 탄생 축일"}};

constinit const TWordRow kWordHolidayAllSaints{
    {"All Saints` day", "День всех святых", "Allerheiligen", "Toussaint", "Día de Todos los Santos",
     "诸圣节", "Ognissanti", "Slavnost Všech svatých", "諸聖人の日", "모든 성인 대축일"}};

constinit const TWordRow kWordHolidayChristmasEve{
    {"Christmas Eve", "Сочельник", "Heiligabend", "Réveillon de Noël", "Nochebuena", "平安夜",
     "Vigilia di Natale", "Štědrý den", "クリスマス・イブ", "크리스마스 이브"}};

constinit const TWordRow kWordHolidayChristmasCatholic{
    {"Christmas", "Рождество Христово", "Weihnachten", "Noël", "Navidad", "圣诞节", "Natale",
     "Boží hod vánoční", "クリスマス", "성탄절"}};

namespace {

const std::array<const TWordRow*, 12> kMonths{
    &kWordJanuary, &kWordFebruary, &kWordMarch,     &kWordApril,   &kWordMay,      &kWordJune,
    &kWordJuly,    &kWordAugust,   &kWordSeptember, &kWordOctober, &kWordNovember, &kWordDecember};

const std::array<const TWordRow*, 12> kZodiacSigns{
    &kWordAries, &kWordTaurus,  &kWordGemini,      &kWordCancer,    &kWordLeo,      &kWordVirgo,
    &kWordLibra, &kWordScorpio, &kWordSagittarius, &kWordCapricorn, &kWordAquarius, &kWordPisces};

const std::array<const TWordRow*, 12> kYearAnimals{
    &kWordYearOfMonkey, &kWordYearOfRooster, &kWordYearOfDog,   &kWordYearOfPig,
    &kWordYearOfRat,    &kWordYearOfOx,      &kWordYearOfTiger, &kWordYearOfRabbit,
    &kWordYearOfDragon, &kWordYearOfSnake,   &kWordYearOfHorse, &kWordYearOfGoat};

struct TMarkedRow {
  std::string_view mark;
  const TWordRow* row;
};
const TMarkedRow kHolidayKinds[] = {
    {"ENG", &kWordHolidayKindUk},       {"RUS", &kWordHolidayKindRussia},
    {"DEU", &kWordHolidayKindGermany},  {"FRA", &kWordHolidayKindFrance},
    {"ISP", &kWordHolidayKindSpain},    {"USA", &kWordHolidayKindUsa},
    {"PRA", &kWordHolidayKindOrthodox}, {"KAT", &kWordHolidayKindCatholic}};

struct TNumberedRow {
  int entry;
  const TWordRow* row;
};
const TNumberedRow kHolidays[] = {{1, &kWordHolidayNewYear},
                                  {3, &kWordHolidayInauguration},
                                  {4, &kWordHolidayTatyana},
                                  {5, &kWordHolidayLeningrad},
                                  {6, &kWordHolidayMartinLutherKing},
                                  {7, &kWordHolidayStalingrad},
                                  {8, &kWordHolidayRussianScience},
                                  {9, &kWordHolidayValentine},
                                  {10, &kWordHolidayFatherlandDefender},
                                  {11, &kWordHolidayWomensDay},
                                  {12, &kWordHolidayStPatrick},
                                  {13, &kWordHolidayAprilFool},
                                  {14, &kWordHolidayUnityOfPeoples},
                                  {15, &kWordHolidayCosmonautics},
                                  {16, &kWordHolidayBattleOnTheIce},
                                  {17, &kWordHolidayLaborDay},
                                  {19, &kWordHolidayMadrid},
                                  {20, &kWordHolidayRadio},
                                  {21, &kWordHolidayVictoryFrance},
                                  {22, &kWordHolidayVictoryPatrioticWar},
                                  {23, &kWordHolidaySlavonicLiterature},
                                  {24, &kWordHolidayChemist},
                                  {25, &kWordHolidayChildrensDay},
                                  {26, &kWordHolidayRussiaDay},
                                  {27, &kWordHolidayAmericanFlag},
                                  {28, &kWordHolidayMusic},
                                  {29, &kWordHolidayRemembrance},
                                  {30, &kWordHolidayYouth},
                                  {31, &kWordHolidayIndependence},
                                  {32, &kWordHolidayFamilyLoveFidelity},
                                  {33, &kWordHolidayPoltava},
                                  {34, &kWordHolidayBastille},
                                  {35, &kWordHolidayHotDog},
                                  {36, &kWordHolidayBaptismOfRus},
                                  {37, &kWordHolidayElvis},
                                  {38, &kWordHolidayRussianFlag},
                                  {39, &kWordHolidayKursk},
                                  {40, &kWordHolidayKnowledge},
                                  {41, &kWordHolidayEndOfWorldWar2},
                                  {42, &kWordHolidayBorodino},
                                  {43, &kWordHolidayProgrammer},
                                  {45, &kWordHolidayKulikovo},
                                  {46, &kWordHolidayOlderPersons},
                                  {47, &kWordHolidayGermanUnity},
                                  {48, &kWordHolidayTeacher},
                                  {49, &kWordHolidaySpainNational},
                                  {50, &kWordHolidayApple},
                                  {51, &kWordHolidayHalloween},
                                  {52, &kWordHolidayGuyFawkes},
                                  {53, &kWordHolidayEndOfWorldWar1},
                                  {54, &kWordHolidayThanksgiving},
                                  {55, &kWordHolidayMoscowCounterattack},
                                  {56, &kWordHolidaySpainConstitution},
                                  {57, &kWordHolidayRussiaConstitution},
                                  {59, &kWordHolidayPowerEngineers},
                                  {60, &kWordHolidayRescuers},
                                  {61, &kWordHolidayEasterOrthodox},
                                  {62, &kWordHolidayEntryIntoJerusalem},
                                  {63, &kWordHolidayAscension},
                                  {64, &kWordHolidayTrinity},
                                  {65, &kWordHolidayChristmasOrthodox},
                                  {66, &kWordHolidayCircumcision},
                                  {67, &kWordHolidayEpiphany},
                                  {68, &kWordHolidayCandlemasOrthodox},
                                  {69, &kWordHolidayAnnunciationOrthodox},
                                  {70, &kWordHolidayNativityOfJohn},
                                  {71, &kWordHolidayPeterAndPaul},
                                  {72, &kWordHolidayTransfigurationOrthodox},
                                  {73, &kWordHolidayDormition},
                                  {74, &kWordHolidayBeheadingOfJohn},
                                  {75, &kWordHolidayNativityOfVirginOrthodox},
                                  {76, &kWordHolidayExaltationOfCross},
                                  {77, &kWordHolidayProtection},
                                  {78, &kWordHolidayPresentationOfVirgin},
                                  {79, &kWordHolidayEasterCatholic},
                                  {80, &kWordHolidayCandlemasCatholic},
                                  {81, &kWordHolidayAnnunciationCatholic},
                                  {82, &kWordHolidayTransfigurationCatholic},
                                  {83, &kWordHolidayNativityOfVirginCatholic},
                                  {84, &kWordHolidayAllSaints},
                                  {85, &kWordHolidayChristmasEve},
                                  {86, &kWordHolidayChristmasCatholic}};

const TNamedWordRow kRows[] = {
    {"kWordJanuary", &kWordJanuary},
    {"kWordFebruary", &kWordFebruary},
    {"kWordMarch", &kWordMarch},
    {"kWordApril", &kWordApril},
    {"kWordMay", &kWordMay},
    {"kWordJune", &kWordJune},
    {"kWordJuly", &kWordJuly},
    {"kWordAugust", &kWordAugust},
    {"kWordSeptember", &kWordSeptember},
    {"kWordOctober", &kWordOctober},
    {"kWordNovember", &kWordNovember},
    {"kWordDecember", &kWordDecember},
    {"kWordAries", &kWordAries},
    {"kWordTaurus", &kWordTaurus},
    {"kWordGemini", &kWordGemini},
    {"kWordCancer", &kWordCancer},
    {"kWordLeo", &kWordLeo},
    {"kWordVirgo", &kWordVirgo},
    {"kWordLibra", &kWordLibra},
    {"kWordScorpio", &kWordScorpio},
    {"kWordSagittarius", &kWordSagittarius},
    {"kWordCapricorn", &kWordCapricorn},
    {"kWordAquarius", &kWordAquarius},
    {"kWordPisces", &kWordPisces},
    {"kWordYearOfMonkey", &kWordYearOfMonkey},
    {"kWordYearOfRooster", &kWordYearOfRooster},
    {"kWordYearOfDog", &kWordYearOfDog},
    {"kWordYearOfPig", &kWordYearOfPig},
    {"kWordYearOfRat", &kWordYearOfRat},
    {"kWordYearOfOx", &kWordYearOfOx},
    {"kWordYearOfTiger", &kWordYearOfTiger},
    {"kWordYearOfRabbit", &kWordYearOfRabbit},
    {"kWordYearOfDragon", &kWordYearOfDragon},
    {"kWordYearOfSnake", &kWordYearOfSnake},
    {"kWordYearOfHorse", &kWordYearOfHorse},
    {"kWordYearOfGoat", &kWordYearOfGoat},
    {"kWordHolidayKindUk", &kWordHolidayKindUk},
    {"kWordHolidayKindRussia", &kWordHolidayKindRussia},
    {"kWordHolidayKindGermany", &kWordHolidayKindGermany},
    {"kWordHolidayKindFrance", &kWordHolidayKindFrance},
    {"kWordHolidayKindSpain", &kWordHolidayKindSpain},
    {"kWordHolidayKindUsa", &kWordHolidayKindUsa},
    {"kWordHolidayKindOrthodox", &kWordHolidayKindOrthodox},
    {"kWordHolidayKindCatholic", &kWordHolidayKindCatholic},
    {"kWordAnniversary", &kWordAnniversary},
    {"kWordHolidayNewYear", &kWordHolidayNewYear},
    {"kWordHolidayInauguration", &kWordHolidayInauguration},
    {"kWordHolidayTatyana", &kWordHolidayTatyana},
    {"kWordHolidayLeningrad", &kWordHolidayLeningrad},
    {"kWordHolidayMartinLutherKing", &kWordHolidayMartinLutherKing},
    {"kWordHolidayStalingrad", &kWordHolidayStalingrad},
    {"kWordHolidayRussianScience", &kWordHolidayRussianScience},
    {"kWordHolidayValentine", &kWordHolidayValentine},
    {"kWordHolidayFatherlandDefender", &kWordHolidayFatherlandDefender},
    {"kWordHolidayWomensDay", &kWordHolidayWomensDay},
    {"kWordHolidayStPatrick", &kWordHolidayStPatrick},
    {"kWordHolidayAprilFool", &kWordHolidayAprilFool},
    {"kWordHolidayUnityOfPeoples", &kWordHolidayUnityOfPeoples},
    {"kWordHolidayCosmonautics", &kWordHolidayCosmonautics},
    {"kWordHolidayBattleOnTheIce", &kWordHolidayBattleOnTheIce},
    {"kWordHolidayLaborDay", &kWordHolidayLaborDay},
    {"kWordHolidayMadrid", &kWordHolidayMadrid},
    {"kWordHolidayRadio", &kWordHolidayRadio},
    {"kWordHolidayVictoryFrance", &kWordHolidayVictoryFrance},
    {"kWordHolidayVictoryPatrioticWar", &kWordHolidayVictoryPatrioticWar},
    {"kWordHolidaySlavonicLiterature", &kWordHolidaySlavonicLiterature},
    {"kWordHolidayChemist", &kWordHolidayChemist},
    {"kWordHolidayChildrensDay", &kWordHolidayChildrensDay},
    {"kWordHolidayRussiaDay", &kWordHolidayRussiaDay},
    {"kWordHolidayAmericanFlag", &kWordHolidayAmericanFlag},
    {"kWordHolidayMusic", &kWordHolidayMusic},
    {"kWordHolidayRemembrance", &kWordHolidayRemembrance},
    {"kWordHolidayYouth", &kWordHolidayYouth},
    {"kWordHolidayIndependence", &kWordHolidayIndependence},
    {"kWordHolidayFamilyLoveFidelity", &kWordHolidayFamilyLoveFidelity},
    {"kWordHolidayPoltava", &kWordHolidayPoltava},
    {"kWordHolidayBastille", &kWordHolidayBastille},
    {"kWordHolidayHotDog", &kWordHolidayHotDog},
    {"kWordHolidayBaptismOfRus", &kWordHolidayBaptismOfRus},
    {"kWordHolidayElvis", &kWordHolidayElvis},
    {"kWordHolidayRussianFlag", &kWordHolidayRussianFlag},
    {"kWordHolidayKursk", &kWordHolidayKursk},
    {"kWordHolidayKnowledge", &kWordHolidayKnowledge},
    {"kWordHolidayEndOfWorldWar2", &kWordHolidayEndOfWorldWar2},
    {"kWordHolidayBorodino", &kWordHolidayBorodino},
    {"kWordHolidayProgrammer", &kWordHolidayProgrammer},
    {"kWordHolidayKulikovo", &kWordHolidayKulikovo},
    {"kWordHolidayOlderPersons", &kWordHolidayOlderPersons},
    {"kWordHolidayGermanUnity", &kWordHolidayGermanUnity},
    {"kWordHolidayTeacher", &kWordHolidayTeacher},
    {"kWordHolidaySpainNational", &kWordHolidaySpainNational},
    {"kWordHolidayApple", &kWordHolidayApple},
    {"kWordHolidayHalloween", &kWordHolidayHalloween},
    {"kWordHolidayGuyFawkes", &kWordHolidayGuyFawkes},
    {"kWordHolidayEndOfWorldWar1", &kWordHolidayEndOfWorldWar1},
    {"kWordHolidayThanksgiving", &kWordHolidayThanksgiving},
    {"kWordHolidayMoscowCounterattack", &kWordHolidayMoscowCounterattack},
    {"kWordHolidaySpainConstitution", &kWordHolidaySpainConstitution},
    {"kWordHolidayRussiaConstitution", &kWordHolidayRussiaConstitution},
    {"kWordHolidayPowerEngineers", &kWordHolidayPowerEngineers},
    {"kWordHolidayRescuers", &kWordHolidayRescuers},
    {"kWordHolidayEasterOrthodox", &kWordHolidayEasterOrthodox},
    {"kWordHolidayEntryIntoJerusalem", &kWordHolidayEntryIntoJerusalem},
    {"kWordHolidayAscension", &kWordHolidayAscension},
    {"kWordHolidayTrinity", &kWordHolidayTrinity},
    {"kWordHolidayChristmasOrthodox", &kWordHolidayChristmasOrthodox},
    {"kWordHolidayCircumcision", &kWordHolidayCircumcision},
    {"kWordHolidayEpiphany", &kWordHolidayEpiphany},
    {"kWordHolidayCandlemasOrthodox", &kWordHolidayCandlemasOrthodox},
    {"kWordHolidayAnnunciationOrthodox", &kWordHolidayAnnunciationOrthodox},
    {"kWordHolidayNativityOfJohn", &kWordHolidayNativityOfJohn},
    {"kWordHolidayPeterAndPaul", &kWordHolidayPeterAndPaul},
    {"kWordHolidayTransfigurationOrthodox", &kWordHolidayTransfigurationOrthodox},
    {"kWordHolidayDormition", &kWordHolidayDormition},
    {"kWordHolidayBeheadingOfJohn", &kWordHolidayBeheadingOfJohn},
    {"kWordHolidayNativityOfVirginOrthodox", &kWordHolidayNativityOfVirginOrthodox},
    {"kWordHolidayExaltationOfCross", &kWordHolidayExaltationOfCross},
    {"kWordHolidayProtection", &kWordHolidayProtection},
    {"kWordHolidayPresentationOfVirgin", &kWordHolidayPresentationOfVirgin},
    {"kWordHolidayEasterCatholic", &kWordHolidayEasterCatholic},
    {"kWordHolidayCandlemasCatholic", &kWordHolidayCandlemasCatholic},
    {"kWordHolidayAnnunciationCatholic", &kWordHolidayAnnunciationCatholic},
    {"kWordHolidayTransfigurationCatholic", &kWordHolidayTransfigurationCatholic},
    {"kWordHolidayNativityOfVirginCatholic", &kWordHolidayNativityOfVirginCatholic},
    {"kWordHolidayAllSaints", &kWordHolidayAllSaints},
    {"kWordHolidayChristmasEve", &kWordHolidayChristmasEve},
    {"kWordHolidayChristmasCatholic", &kWordHolidayChristmasCatholic},
};

}  // namespace

const TWordRow* MonthWord(int month) {
  return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : nullptr;
}

const TWordRow* ZodiacWord(int sign) {
  return sign >= 1 && sign <= 12 ? kZodiacSigns[static_cast<std::size_t>(sign - 1)] : nullptr;
}

const TWordRow& YearAnimalWord(int year) {
  const int index = ((year % 12) + 12) % 12;  // years before 0 still count forwards
  return *kYearAnimals[static_cast<std::size_t>(index)];
}

const TWordRow* HolidayKindWord(std::string_view mark) {
  for (const auto& kind : kHolidayKinds) {
    if (kind.mark == mark) return kind.row;
  }
  return nullptr;
}

const TWordRow* HolidayWord(int entry) {
  for (const auto& holiday : kHolidays) {
    if (holiday.entry == entry) return holiday.row;
  }
  return nullptr;
}

std::span<const TNamedWordRow> words::CalendarWordRows() {
  return kRows;
}

}  // namespace zendral

// Word table data: the Options window (its pages and controls, the card designs and the
// backgrounds).
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/WordLists.h"
#include "present/words/WordRows.h"

namespace zendral {

// Options window: pages, groups and controls

constinit const TWordRow kWordGeneral{{"General", "Общие", "Allgemein", "Général", "General",
                                       "常规", "Generale", "Obecné", "全般", "일반"}};

constinit const TWordRow kWordMultimedia{{"Multimedia", "Мультимедиа", "Multimedia", "Multimédia",
                                          "Multimedia", "多媒体", "Multimedia", "Multimédia",
                                          "マルチメディア", "멀티미디어"}};

constinit const TWordRow kWordSound{
    {"Sound", "Звук", "Ton", "Son", "Sonido", "音效", "Suono", "Zvuk", "効果音", "효과음"}};

constinit const TWordRow kWordMusic{
    {"Music", "Музыка", "Musik", "Musique", "Música", "音乐", "Musica", "Hudba", "音楽", "음악"}};

constinit const TWordRow kWordCards{
    {"Cards", "Карты", "Karten", "Cartes", "Cartas", "纸牌", "Carte", "Karty", "カード", "카드"}};

constinit const TWordRow kWordDecks{{"Decks", "Рубашки", "Kartenrücken", "Dos des cartes",
                                     "Reversos", "牌背", "Dorsi", "Rubové strany", "カードの裏",
                                     "카드 뒷면"}};

constinit const TWordRow kWordFonts{{"Fonts", "Шрифты", "Schriften", "Polices", "Fuentes", "字体",
                                     "Caratteri", "Písma", "フォント", "글꼴"}};

constinit const TWordRow kWordMinor{{"Minor", "Второстепенные", "Sonstiges", "Divers", "Varios",
                                     "其他", "Varie", "Ostatní", "その他", "기타"}};

constinit const TWordRow kWordSmallWindow{
    {"Small window", "Маленькое окно", "Kleines Fenster", "Petite fenêtre", "Ventana pequeña",
     "小窗口", "Finestra piccola", "Malé okno", "小ウィンドウ", "작은 창"}};

constinit const TWordRow kWordAverageWindow1{{"Average window 1", "Среднее окно 1",
                                              "Mittleres Fenster 1", "Fenêtre moyenne 1",
                                              "Ventana mediana 1", "中等窗口 1", "Finestra media 1",
                                              "Střední okno 1", "中ウィンドウ 1", "중간 창 1"}};

constinit const TWordRow kWordAverageWindow2{{"Average window 2", "Среднее окно 2",
                                              "Mittleres Fenster 2", "Fenêtre moyenne 2",
                                              "Ventana mediana 2", "中等窗口 2", "Finestra media 2",
                                              "Střední okno 2", "中ウィンドウ 2", "중간 창 2"}};

constinit const TWordRow kWordLargeWindow{
    {"Large window", "Большое окно", "Großes Fenster", "Grande fenêtre", "Ventana grande", "大窗口",
     "Finestra grande", "Velké okno", "大ウィンドウ", "큰 창"}};

constinit const TWordRow kWordFullScreen{{"Full screen", "На весь экран", "Vollbild", "Plein écran",
                                          "Pantalla completa", "全屏", "Schermo intero",
                                          "Celá obrazovka", "全画面", "전체 화면"}};

constinit const TWordRow kWordCantSaveOptions{
    {"Can`t save options!", "Не удалось сохранить настройки!",
     "Einstellungen können nicht gespeichert werden!", "Impossible d'enregistrer les options !",
     "¡No se pueden guardar las opciones!", "无法保存选项！", "Impossibile salvare le opzioni!",
     "Nastavení nelze uložit!", "オプションを保存できません！", "옵션을 저장할 수 없습니다!"}};

constinit const TWordRow kWordMultiplayer{
    {"Multiplayer", "Сетевая игра", "Mehrspieler", "Multijoueur", "Multijugador", "多人游戏",
     "Multigiocatore", "Hra více hráčů", "マルチプレイ", "멀티플레이"}};

constinit const TWordRow kWordDownload{{"Download", "Скачать", "Herunterladen", "Télécharger",
                                        "Descargar", "下载", "Scarica", "Stáhnout", "ダウンロード",
                                        "다운로드"}};

constinit const TWordRow kWordPassport{{"Passport", "Паспорт", "Spielerpass", "Passeport",
                                        "Pasaporte", "护照", "Passaporto", "Pas", "パスポート",
                                        "여권"}};

constinit const TWordRow kWordModification{{"Modification", "Изменение", "Wechsel", "Changement",
                                            "Modificación", "变换", "Modifica", "Změna", "変更",
                                            "변경"}};

constinit const TWordRow kWordChangeDecks{{"To change decks", "Менять рубашки",
                                           "Rückseiten wechseln", "Changer les dos",
                                           "Cambiar reversos", "更换牌背", "Cambia dorsi",
                                           "Měnit rubové strany", "裏面を変更", "뒷면 바꾸기"}};

constinit const TWordRow kWordAlwaysOne{
    {"Always one", "Всегда одна", "Immer dieselbe", "Toujours le même", "Siempre el mismo",
     "始终同一种", "Sempre lo stesso", "Vždy stejná", "常に同じ", "항상 같은 것"}};

constinit const TWordRow kWordRandom{{"Random", "Случайно", "Zufällig", "Aléatoire", "Aleatorio",
                                      "随机", "Casuale", "Náhodně", "ランダム", "무작위"}};

constinit const TWordRow kWordGifAnimation{
    {"Gif-animation", "Gif-анимация", "GIF-Animation", "Animation GIF", "Animación GIF", "GIF 动画",
     "Animazione GIF", "GIF animace", "GIFアニメーション", "GIF 애니메이션"}};

constinit const TWordRow kWordFlyingCards{
    {"\"Fly\" cards", "\"Летающие\" карты", "\"Fliegende\" Karten", "Cartes \"volantes\"",
     "Cartas \"voladoras\"", "\"飞行\"纸牌", "Carte \"volanti\"", "\"Létající\" karty",
     "\"飛ぶ\"カード", "\"날아가는\" 카드"}};

constinit const TWordRow kWordRedMouseCursor{
    {"Red mouse cursor", "Собственный курсор мыши", "Roter Mauszeiger", "Curseur rouge",
     "Cursor rojo", "红色鼠标指针", "Cursore rosso", "Červený kurzor myši", "赤いマウスカーソル",
     "빨간 마우스 커서"}};

constinit const TWordRow kWordNewButtons{
    {"New buttons", "Новые кнопки", "Neue Schaltflächen", "Nouveaux boutons", "Botones nuevos",
     "新按钮", "Nuovi pulsanti", "Nová tlačítka", "新しいボタン", "새 버튼"}};

constinit const TWordRow kWordLargeFont{
    {"Large font", "Крупный шрифт", "Große Schrift", "Grande police", "Fuente grande", "大字体",
     "Carattere grande", "Velké písmo", "大きいフォント", "큰 글꼴"}};

constinit const TWordRow kWordSmallFont{
    {"Small font", "Мелкий шрифт", "Kleine Schrift", "Petite police", "Fuente pequeña", "小字体",
     "Carattere piccolo", "Malé písmo", "小さいフォント", "작은 글꼴"}};

constinit const TWordRow kWordSpecialFont{
    {"Special font", "Особый шрифт", "Spezielle Schrift", "Police spéciale", "Fuente especial",
     "特殊字体", "Carattere speciale", "Zvláštní písmo", "特殊フォント", "특수 글꼴"}};

constinit const TWordRow kWordScalePercent{{"Scale, %", "Масштаб, %", "Skalierung, %", "Échelle, %",
                                            "Escala, %", "缩放, %", "Scala, %", "Měřítko, %",
                                            "倍率, %", "배율, %"}};

constinit const TWordRow kWordDefault{{"Default", "По умолчанию", "Standard", "Par défaut",
                                       "Predeterminado", "默认", "Predefinito", "Výchozí", "既定",
                                       "기본값"}};

constinit const TWordRow kWordFontWarning{
    {"Attention!\n\rThese installations should be changed only in case of incorrect map of fonts!",
     "Внимание!\n\rЭти установки следует изменять только в случае некорректного отображения "
     "шрифтов!",
     "Achtung!\n\rDiese Einstellungen nur ändern, wenn Schriften falsch angezeigt werden!",
     "Attention !\n\rNe modifiez ces réglages que si les polices s'affichent mal !",
     "¡Atención!\n\rCambie estos ajustes solo si las fuentes no se muestran correctamente.",
     "注意！\n\r仅在字体显示不正确时才更改这些设置！",
     "Attenzione!\n\rModifica queste impostazioni solo se i caratteri non vengono visualizzati "
     "correttamente!",
     "Pozor!\n\rTato nastavení měňte jen tehdy, když se písma nezobrazují správně!",
     "注意！\n\rフォントが正しく表示されない場合にのみ、これらの設定を変更してください！",
     "주의!\n\r글꼴이 제대로 표시되지 않을 때만 이 설정을 변경하세요!"}};

constinit const TWordRow kWordSaveGames{
    {"Save games", "Сохранение", "Spiele speichern", "Enregistrement", "Guardar partidas",
     "保存对局", "Salva partite", "Ukládání her", "対局の保存", "게임 저장"}};

constinit const TWordRow kWordSaveGamesAsGif{
    {"Save games as GIFs", "Сохранять игры как GIF-анимацию", "Spiele als GIF speichern",
     "Enregistrer les parties en GIF", "Guardar partidas como GIF", "将对局保存为 GIF",
     "Salva le partite come GIF", "Ukládat hry jako GIF", "対局をGIFで保存", "게임을 GIF로 저장"}};

constinit const TWordRow kWordSaveMainWindowOnly{
    {"Save contents of only the main window", "Сохранять содержимое только главного окна",
     "Nur den Inhalt des Hauptfensters speichern", "Enregistrer seulement la fenêtre principale",
     "Guardar solo la ventana principal", "仅保存主窗口内容", "Salva solo la finestra principale",
     "Ukládat jen obsah hlavního okna", "メインウィンドウのみ保存", "메인 창 내용만 저장"}};

constinit const TWordRow kWordSaveScreen{
    {"Save screen contents", "Сохранять содержимое экрана", "Bildschirminhalt speichern",
     "Enregistrer tout l'écran", "Guardar la pantalla completa", "保存屏幕内容",
     "Salva il contenuto dello schermo", "Ukládat obsah obrazovky", "画面全体を保存",
     "화면 내용 저장"}};

constinit const TWordRow kWordFrameDelay{
    {"Delay between frames, msec.", "Задержка между кадрами, мсек.",
     "Verzögerung zwischen Bildern, ms", "Délai entre les images, ms",
     "Retardo entre fotogramas, ms", "帧间延迟，毫秒", "Ritardo tra i fotogrammi, ms",
     "Prodleva mezi snímky, ms", "フレーム間の遅延, ミリ秒", "프레임 간 지연, ms"}};

constinit const TWordRow kWordReadingRadioList{
    {"Reading the list of radio stations", "Чтение списка радиостанций", "Senderliste laden",
     "Lecture de la liste des radios", "Lectura de la lista de emisoras", "读取电台列表",
     "Lettura dell'elenco delle radio", "Načtení seznamu stanic", "ラジオ局リストの読み込み",
     "라디오 방송국 목록 읽기"}};

constinit const TWordRow kWordFromServer{{"From the server", "С сервера", "Vom Server",
                                          "Depuis le serveur", "Desde el servidor", "从服务器",
                                          "Dal server", "Ze serveru", "サーバーから", "서버에서"}};

constinit const TWordRow kWordFromDisk{{"From disk", "С диска", "Von der Festplatte",
                                        "Depuis le disque", "Desde el disco", "从磁盘", "Dal disco",
                                        "Z disku", "ディスクから", "디스크에서"}};

constinit const TWordRow kWordBg{
    {"BG", "Фон", "HG", "Fond", "Fondo", "背景", "Sfondo", "Pozadí", "背景", "배경"}};

constinit const TWordRow kWordBackground{{"Background", "Фон", "Hintergrund", "Arrière-plan",
                                          "Fondo", "背景", "Sfondo", "Pozadí", "背景", "배경"}};

constinit const TWordRow kWordDesign{{"Design", "Дизайн", "Design", "Design", "Diseño", "外观",
                                      "Design", "Vzhled", "デザイン", "디자인"}};

constinit const TWordRow kWordMainMenuDesign{{"Main Menu Design", "Дизайн Главного Меню",
                                              "Design des Hauptmenüs", "Design du menu principal",
                                              "Diseño del menú principal", "主菜单外观",
                                              "Design del menu principale", "Vzhled hlavního menu",
                                              "メインメニューのデザイン", "메인 메뉴 디자인"}};

constinit const TWordRow kWordGameTableDesign{
    {"Game Table Design", "Дизайн Игрального Стола", "Design des Spieltischs",
     "Design de la table de jeu", "Diseño de la mesa de juego", "牌桌外观",
     "Design del tavolo da gioco", "Vzhled herního stolu", "ゲームテーブルのデザイン",
     "게임 테이블 디자인"}};

constinit const TWordRow kWordAuxWindowDesign{
    {"Auxiliary Window Design", "Дизайн Вспомогательных Окон", "Design der Nebenfenster",
     "Design des fenêtres annexes", "Diseño de ventanas auxiliares", "辅助窗口外观",
     "Design delle finestre ausiliarie", "Vzhled pomocných oken", "補助ウィンドウのデザイン",
     "보조 창 디자인"}};

constinit const TWordRow kWordCustomizable{
    {"Customizable", "Настраиваемый", "Anpassbar", "Personnalisable", "Personalizable", "可自定义",
     "Personalizzabile", "Přizpůsobitelný", "カスタマイズ可能", "사용자 지정"}};

constinit const TWordRow kWordPurple{{"Purple", "Пурпурный", "Lila", "Pourpre", "Púrpura", "紫色",
                                      "Porpora", "Purpurová", "パープル", "자주색"}};

constinit const TWordRow kWordGrayConcise{{"Gray concise", "Серый лаконичный", "Grau schlicht",
                                           "Gris sobre", "Gris sobrio", "简约灰", "Grigio sobrio",
                                           "Šedý střídmý", "グレー シンプル", "회색 간결"}};

constinit const TWordRow kWordGrayAristocratic{
    {"Gray aristocratic", "Серый аристократичный", "Grau edel", "Gris aristocratique",
     "Gris aristocrático", "贵族灰", "Grigio aristocratico", "Šedý aristokratický", "グレー 上品",
     "회색 고풍"}};

constinit const TWordRow kWordGrayRedRibbons{
    {"Gray with red ribbons", "Серый с красными лентами", "Grau mit roten Bändern",
     "Gris à rubans rouges", "Gris con cintas rojas", "灰色配红丝带", "Grigio con nastri rossi",
     "Šedý s červenými stuhami", "グレー 赤いリボン", "회색 빨간 리본"}};

constinit const TWordRow kWordSalute{{"Salute", "Салют", "Feuerwerk", "Feu d'artifice",
                                      "Fuegos artificiales", "烟花", "Fuochi d'artificio",
                                      "Ohňostroj", "花火", "불꽃놀이"}};

constinit const TWordRow kWordButtons{{"Buttons", "Кнопки", "Schaltflächen", "Boutons", "Botones",
                                       "按钮", "Pulsanti", "Tlačítka", "ボタン", "버튼"}};

constinit const TWordRow kWordGame{
    {"Game", "Игра", "Spiel", "Jeu", "Juego", "游戏", "Gioco", "Hra", "ゲーム", "게임"}};

constinit const TWordRow kWordHighlightMoves{
    {"To sellect possible cards for move", "Выделять возможные карты для хода",
     "Spielbare Karten hervorheben", "Mettre en évidence les cartes jouables",
     "Resaltar las cartas jugables", "突出显示可出的牌", "Evidenzia le carte giocabili",
     "Zvýraznit hratelné karty", "出せるカードを強調表示", "낼 수 있는 카드 강조"}};

// Options window: card faces and card backs

constinit const TWordRow kWordDeckClassical1{{"Classical-1", "Классические-1", "Klassisch-1",
                                              "Classique-1", "Clásica-1", "经典-1", "Classico-1",
                                              "Klasické-1", "クラシック-1", "클래식-1"}};

constinit const TWordRow kWordDeckMedieval1{{"Medieval-1", "Средневековые-1", "Mittelalter-1",
                                             "Médiéval-1", "Medieval-1", "中世纪-1", "Medievale-1",
                                             "Středověké-1", "中世-1", "중세-1"}};

constinit const TWordRow kWordDeckModern{{"Modern", "Современные", "Modern", "Moderne", "Moderna",
                                          "现代", "Moderno", "Moderní", "モダン", "모던"}};

constinit const TWordRow kWordDeckAncientEgypt{
    {"Ancient Egypt", "Древний Египет", "Altes Ägypten", "Égypte ancienne", "Antiguo Egipto",
     "古埃及", "Antico Egitto", "Starověký Egypt", "古代エジプト", "고대 이집트"}};

constinit const TWordRow kWordDeckBaronesse{{"Baronesse", "Баронесса", "Baronesse", "Baronne",
                                             "Baronesa", "男爵夫人", "Baronessa", "Baronka",
                                             "男爵夫人", "남작 부인"}};

constinit const TWordRow kWordDeckCeltic{{"Celtic", "Кельтские", "Keltisch", "Celtique", "Celta",
                                          "凯尔特", "Celtico", "Keltské", "ケルト", "켈트"}};

constinit const TWordRow kWordDeckCorona{{"Corona", "Corona", "Corona", "Corona", "Corona",
                                          "科罗娜", "Corona", "Corona", "コロナ", "코로나"}};

constinit const TWordRow kWordDeckCrown{{"Crown", "Корона", "Krone", "Couronne", "Corona", "王冠",
                                         "Corona", "Koruna", "クラウン", "크라운"}};

constinit const TWordRow kWordDeckEnglishPattern{
    {"English Pattern", "Английский рисунок", "Englisches Bild", "Portrait anglais",
     "Patrón inglés", "英式牌面", "Modello inglese", "Anglický vzor", "イングリッシュパターン",
     "잉글리시 패턴"}};

constinit const TWordRow kWordDeckFrankfurt{{"Frankfurt", "Франкфурт", "Frankfurt", "Francfort",
                                             "Fráncfort", "法兰克福", "Francoforte", "Frankfurt",
                                             "フランクフルト", "프랑크푸르트"}};

constinit const TWordRow kWordDeckHistoricalCostumes{
    {"Historical costumes", "Исторические костюмы", "Historische Kostüme", "Costumes historiques",
     "Trajes históricos", "历史服饰", "Costumi storici", "Historické kostýmy", "歴史衣装",
     "역사 의상"}};

constinit const TWordRow kWordDeckNativeAmericans{
    {"Native Americans", "Индейцы", "Indianer", "Amérindiens", "Nativos americanos", "美洲原住民",
     "Nativi americani", "Indiáni", "ネイティブ・アメリカン", "아메리카 원주민"}};

constinit const TWordRow kWordDeckOldGardenRoses{
    {"Old Garden Roses", "Старинные розы", "Alte Gartenrosen", "Roses anciennes", "Rosas antiguas",
     "古典玫瑰", "Rose antiche", "Staré zahradní růže", "オールドローズ", "올드 가든 로즈"}};

constinit const TWordRow kWordDeckParrots{{"Parrots", "Попугаи", "Papageien", "Perroquets", "Loros",
                                           "鹦鹉", "Pappagalli", "Papoušci", "オウム", "앵무새"}};

constinit const TWordRow kWordDeckRoyal{{"Royal", "Королевские", "Königlich", "Royale", "Real",
                                         "皇家", "Reale", "Královské", "ロイヤル", "로열"}};

constinit const TWordRow kWordDeckShakespeare{
    {"Shakespeare", "Шекспир", "Shakespeare", "Shakespeare", "Shakespeare", "莎士比亚",
     "Shakespeare", "Shakespeare", "シェイクスピア", "셰익스피어"}};

constinit const TWordRow kWordDeckBigBen{{"Big Ben", "Биг-Бен", "Big Ben", "Big Ben", "Big Ben",
                                          "大本钟", "Big Ben", "Big Ben", "ビッグ・ベン", "빅벤"}};

constinit const TWordRow kWordDeckFourReigns{
    {"Four Reigns of English History", "Четыре царствования английской истории",
     "Vier Herrscher der englischen Geschichte", "Quatre règnes de l'histoire anglaise",
     "Cuatro reinados de la historia inglesa", "英国历史四朝", "Quattro regni della storia inglese",
     "Čtyři vlády anglických dějin", "イギリス史の四つの治世", "영국 역사의 네 왕조"}};

constinit const TWordRow kWordDeckLargePrintLondon{
    {"Large Print London", "Лондон, крупный шрифт", "London Großdruck", "Londres gros caractères",
     "Londres letra grande", "伦敦大字版", "Londra caratteri grandi", "Londýn velký tisk",
     "ロンドン 大きな文字", "런던 큰 글씨"}};

constinit const TWordRow kWordDeckClassical2{{"Classical-2", "Классические-2", "Klassisch-2",
                                              "Classique-2", "Clásica-2", "经典-2", "Classico-2",
                                              "Klasické-2", "クラシック-2", "클래식-2"}};

constinit const TWordRow kWordDeckHearts{{"Hearts", "Червы", "Herzen", "Cœurs", "Corazones", "红心",
                                          "Cuori", "Srdce", "ハート", "하트"}};

constinit const TWordRow kWordDeckSeasons{{"Seasons", "Времена года", "Jahreszeiten", "Saisons",
                                           "Estaciones", "四季", "Stagioni", "Roční období", "四季",
                                           "사계절"}};

constinit const TWordRow kWordDeckRhineStyle{
    {"Rhine Style", "Рейнский стиль", "Rheinischer Stil", "Style rhénan", "Estilo renano",
     "莱茵风格", "Stile renano", "Rýnský styl", "ライン風", "라인 스타일"}};

constinit const TWordRow kWordDeckMedieval2{{"Medieval-2", "Средневековые-2", "Mittelalter-2",
                                             "Médiéval-2", "Medieval-2", "中世纪-2", "Medievale-2",
                                             "Středověké-2", "中世-2", "중세-2"}};

constinit const TWordRow kWordDeckDoods{
    {"Doods", "Doods", "Doods", "Doods", "Doods", "Doods", "Doods", "Doods", "Doods", "Doods"}};

constinit const TWordRow kWordDeckPlayboy{{"Playboy", "Playboy", "Playboy", "Playboy", "Playboy",
                                           "Playboy", "Playboy", "Playboy", "Playboy", "Playboy"}};

constinit const TWordRow kWordDeckEpic{{"Epic", "Эпические", "Episch", "Épique", "Épica", "史诗",
                                        "Epico", "Epické", "エピック", "에픽"}};

constinit const TWordRow kWordDeckUssr{
    {"USSR", "СССР", "UdSSR", "URSS", "URSS", "苏联", "URSS", "SSSR", "ソ連", "소련"}};

constinit const TWordRow kWordDeckPlastic{{"Plastic", "Пластиковые", "Plastik", "Plastique",
                                           "Plástico", "塑料", "Plastica", "Plastové",
                                           "プラスチック", "플라스틱"}};

constinit const TWordRow kWordDeckSkatGerman{
    {"Skat - German suits", "Скат - немецкие масти", "Skat - deutsches Blatt",
     "Skat - couleurs allemandes", "Skat - palos alemanes", "Skat - 德式花色",
     "Skat - semi tedeschi", "Skat - německé barvy", "Skat - ドイツ式スート",
     "Skat - 독일식 무늬"}};

constinit const TWordRow kWordDeckSkatTournament{
    {"Skat - Tournament suits", "Скат - турнирные масти", "Skat - Turnierblatt",
     "Skat - couleurs de tournoi", "Skat - palos de torneo", "Skat - 比赛花色",
     "Skat - semi da torneo", "Skat - turnajové barvy", "Skat - トーナメント式スート",
     "Skat - 토너먼트식 무늬"}};

constinit const TWordRow kWordDeckSkatFrench{
    {"Skat - French suits", "Скат - французские масти", "Skat - französisches Blatt",
     "Skat - couleurs françaises", "Skat - palos franceses", "Skat - 法式花色",
     "Skat - semi francesi", "Skat - francouzské barvy", "Skat - フランス式スート",
     "Skat - 프랑스식 무늬"}};

constinit const TWordRow kWordDeckWhitePalekh{
    {"White palekh", "Белый палех", "Weißes Palech", "Palekh blanc", "Palej blanco", "白色帕列赫",
     "Palech bianco", "Bílý Palech", "白いパレフ", "하얀 팔레흐"}};

constinit const TWordRow kWordDeckDiana{{"Diana", "Диана", "Diana", "Diane", "Diana", "戴安娜",
                                         "Diana", "Diana", "ダイアナ", "다이애나"}};

constinit const TWordRow kWordDeckPrincely{{"Princely", "Княжеские", "Fürstlich", "Princier",
                                            "Principesca", "王侯", "Principesco", "Knížecí", "王侯",
                                            "왕족"}};

constinit const TWordRow kWordDeckForSolitaires{
    {"For solitaires", "Для пасьянсов", "Für Patiencen", "Pour les réussites", "Para solitarios",
     "接龙专用", "Per solitari", "Pro pasiánsy", "ソリティア用", "솔리테어용"}};

constinit const TWordRow kWordDeckSatin{
    {"Satin", "Атлас", "Satin", "Satin", "Satén", "缎面", "Raso", "Satén", "サテン", "새틴"}};

constinit const TWordRow kWordDeckSlavic{{"Slavic", "Славянские", "Slawisch", "Slave", "Eslava",
                                          "斯拉夫", "Slavo", "Slovanské", "スラブ", "슬라브"}};

constinit const TWordRow kWordDeckMaya{
    {"Maya", "Майя", "Maya", "Maya", "Maya", "玛雅", "Maya", "Mayové", "マヤ", "마야"}};

constinit const TWordRow kWordDeckBast{
    {"Bast", "Лубок", "Lubok", "Loubok", "Lubok", "卢博克", "Lubok", "Lubok", "ルボーク", "루복"}};

constinit const TWordRow kWordDeckFrench{{"French", "Французские", "Französisch", "Françaises",
                                          "Francesas", "法式", "Francesi", "Francouzské",
                                          "フランス式", "프랑스식"}};

constinit const TWordRow kWordDeckSpanish1{
    {"Spanish 1", "Испанские 1", "Spanisch 1", "Espagnoles 1", "Españolas 1", "西班牙式 1",
     "Spagnole 1", "Španělské 1", "スペイン式 1", "스페인식 1"}};

constinit const TWordRow kWordDeckSpanish2{
    {"Spanish 2", "Испанские 2", "Spanisch 2", "Espagnoles 2", "Españolas 2", "西班牙式 2",
     "Spagnole 2", "Španělské 2", "スペイン式 2", "스페인식 2"}};

constinit const TWordRow kWordDeckSpanish3{
    {"Spanish 3", "Испанские 3", "Spanisch 3", "Espagnoles 3", "Españolas 3", "西班牙式 3",
     "Spagnole 3", "Španělské 3", "スペイン式 3", "스페인식 3"}};

constinit const TWordRow kWordDeckSpanish4{
    {"Spanish 4", "Испанские 4", "Spanisch 4", "Espagnoles 4", "Españolas 4", "西班牙式 4",
     "Spagnole 4", "Španělské 4", "スペイン式 4", "스페인식 4"}};

constinit const TWordRow kWordDeckChinese{{"Chinese", "Китайские", "Chinesisch", "Chinoises",
                                           "Chinas", "中式", "Cinesi", "Čínské", "中国式",
                                           "중국식"}};

constinit const TWordRow kWordDeckItalian{{"Italian", "Итальянские", "Italienisch", "Italiennes",
                                           "Italianas", "意式", "Italiane", "Italské", "イタリア式",
                                           "이탈리아식"}};

constinit const TWordRow kWordDeckCzech{{"Czech", "Чешские", "Tschechisch", "Tchèques", "Checas",
                                         "捷克式", "Ceche", "České", "チェコ式", "체코식"}};

constinit const TWordRow kWordDeckRussian{{"Russian", "Русские", "Russisch", "Russes", "Rusas",
                                           "俄式", "Russe", "Ruské", "ロシア式", "러시아식"}};

constinit const TWordRow kWordBackAnimals{{"Animals", "Животные", "Tiere", "Animaux", "Animales",
                                           "动物", "Animali", "Zvířata", "動物", "동물"}};

constinit const TWordRow kWordBackFlowers{
    {"Flowers", "Цветы", "Blumen", "Fleurs", "Flores", "花卉", "Fiori", "Květiny", "花", "꽃"}};

constinit const TWordRow kWordBackOther{{"Other", "Разное", "Sonstige", "Autres", "Otros", "其他",
                                         "Altri", "Ostatní", "その他", "기타"}};

constinit const TWordRow kWordBackPlaces{
    {"Places", "Места", "Orte", "Lieux", "Lugares", "名胜", "Luoghi", "Místa", "名所", "명소"}};

constinit const TWordRow kWordCarpet{{"Carpet", "Ковёр", "Teppich", "Tapis", "Alfombra", "地毯",
                                      "Tappeto", "Koberec", "じゅうたん", "카펫"}};

constinit const TWordRow kWordBackCross{
    {"Cross", "Крест", "Kreuz", "Croix", "Cruz", "十字", "Croce", "Kříž", "十字", "십자"}};

constinit const TWordRow kWordBackChess{{"Chess", "Шахматы", "Schach", "Échecs", "Ajedrez",
                                         "国际象棋", "Scacchi", "Šachy", "チェス", "체스"}};

constinit const TWordRow kWordBackDiamond{{"Diamond", "Ромб", "Raute", "Losange", "Rombo", "菱形",
                                           "Rombo", "Kosočtverec", "ひし形", "마름모"}};

constinit const TWordRow kWordBackKnightly{{"Knightly", "Рыцарские", "Ritterlich", "Chevaleresque",
                                            "Caballeresca", "骑士", "Cavalleresco", "Rytířské",
                                            "騎士", "기사"}};

// Options window: backgrounds and colours

constinit const TWordRow kWordBgSun{
    {"Sun", "Солнце", "Sonne", "Soleil", "Sol", "阳光", "Sole", "Slunce", "太陽", "태양"}};

constinit const TWordRow kWordBgFelt{{"Felt", "Чувственный", "Filz", "Feutre", "Fieltro", "毛毡",
                                      "Feltro", "Plsť", "フェルト", "펠트"}};

constinit const TWordRow kWordBgGradient{{"Gradient", "Градиент", "Farbverlauf", "Dégradé",
                                          "Degradado", "渐变", "Sfumatura", "Přechod",
                                          "グラデーション", "그라데이션"}};

constinit const TWordRow kWordBgCloth{
    {"Cloth", "Ткань", "Stoff", "Tissu", "Tela", "布料", "Stoffa", "Látka", "布", "천"}};

constinit const TWordRow kWordBgTree{
    {"Tree", "Дерево", "Holz", "Bois", "Madera", "木纹", "Legno", "Dřevo", "木目", "나무"}};

constinit const TWordRow kWordBgCasino{{"Casino", "Казино", "Kasino", "Casino", "Casino", "赌场",
                                        "Casinò", "Kasino", "カジノ", "카지노"}};

constinit const TWordRow kWordBgPattern{
    {"Pattern", "Узор", "Muster", "Motif", "Patrón", "图案", "Motivo", "Vzor", "模様", "패턴"}};

constinit const TWordRow kWordBgSilk{
    {"Silk", "Шёлк", "Seide", "Soie", "Seda", "丝绸", "Seta", "Hedvábí", "シルク", "실크"}};

constinit const TWordRow kWordBgOrnament{{"Ornament", "Орнамент", "Ornament", "Ornement",
                                          "Ornamento", "花纹", "Ornamento", "Ornament",
                                          "オーナメント", "장식"}};

constinit const TWordRow kWordColourGreen{
    {"Green", "Зелёный", "Grün", "Vert", "Verde", "绿色", "Verde", "Zelená", "緑", "초록"}};

constinit const TWordRow kWordColourRed{
    {"Red", "Красный", "Rot", "Rouge", "Rojo", "红色", "Rosso", "Červená", "赤", "빨강"}};

constinit const TWordRow kWordColourOrange{{"Orange", "Оранжевый", "Orange", "Orange", "Naranja",
                                            "橙色", "Arancione", "Oranžová", "オレンジ", "주황"}};

constinit const TWordRow kWordColourViolet{{"Violet", "Фиолетовый", "Violett", "Violet", "Violeta",
                                            "紫罗兰色", "Viola", "Fialová", "バイオレット",
                                            "보라"}};

constinit const TWordRow kWordColourYellow{
    {"Yellow", "Жёлтый", "Gelb", "Jaune", "Amarillo", "黄色", "Giallo", "Žlutá", "黄", "노랑"}};

constinit const TWordRow kWordColourLightBlue{{"Light-Blue", "Голубой", "Hellblau", "Bleu clair",
                                               "Azul claro", "浅蓝色", "Azzurro", "Světle modrá",
                                               "水色", "하늘색"}};

constinit const TWordRow kWordColourDarkBlue{{"Dark Blue", "Синий", "Dunkelblau", "Bleu foncé",
                                              "Azul oscuro", "深蓝色", "Blu scuro", "Tmavě modrá",
                                              "紺", "남색"}};

namespace {

const TNamedWordRow kRows[] = {
    {"kWordGeneral", &kWordGeneral},
    {"kWordMultimedia", &kWordMultimedia},
    {"kWordSound", &kWordSound},
    {"kWordMusic", &kWordMusic},
    {"kWordCards", &kWordCards},
    {"kWordDecks", &kWordDecks},
    {"kWordFonts", &kWordFonts},
    {"kWordMinor", &kWordMinor},
    {"kWordSmallWindow", &kWordSmallWindow},
    {"kWordAverageWindow1", &kWordAverageWindow1},
    {"kWordAverageWindow2", &kWordAverageWindow2},
    {"kWordLargeWindow", &kWordLargeWindow},
    {"kWordFullScreen", &kWordFullScreen},
    {"kWordCantSaveOptions", &kWordCantSaveOptions},
    {"kWordMultiplayer", &kWordMultiplayer},
    {"kWordDownload", &kWordDownload},
    {"kWordPassport", &kWordPassport},
    {"kWordModification", &kWordModification},
    {"kWordChangeDecks", &kWordChangeDecks},
    {"kWordAlwaysOne", &kWordAlwaysOne},
    {"kWordRandom", &kWordRandom},
    {"kWordGifAnimation", &kWordGifAnimation},
    {"kWordFlyingCards", &kWordFlyingCards},
    {"kWordRedMouseCursor", &kWordRedMouseCursor},
    {"kWordNewButtons", &kWordNewButtons},
    {"kWordLargeFont", &kWordLargeFont},
    {"kWordSmallFont", &kWordSmallFont},
    {"kWordSpecialFont", &kWordSpecialFont},
    {"kWordScalePercent", &kWordScalePercent},
    {"kWordDefault", &kWordDefault},
    {"kWordFontWarning", &kWordFontWarning},
    {"kWordSaveGames", &kWordSaveGames},
    {"kWordSaveGamesAsGif", &kWordSaveGamesAsGif},
    {"kWordSaveMainWindowOnly", &kWordSaveMainWindowOnly},
    {"kWordSaveScreen", &kWordSaveScreen},
    {"kWordFrameDelay", &kWordFrameDelay},
    {"kWordReadingRadioList", &kWordReadingRadioList},
    {"kWordFromServer", &kWordFromServer},
    {"kWordFromDisk", &kWordFromDisk},
    {"kWordBg", &kWordBg},
    {"kWordBackground", &kWordBackground},
    {"kWordDesign", &kWordDesign},
    {"kWordMainMenuDesign", &kWordMainMenuDesign},
    {"kWordGameTableDesign", &kWordGameTableDesign},
    {"kWordAuxWindowDesign", &kWordAuxWindowDesign},
    {"kWordCustomizable", &kWordCustomizable},
    {"kWordPurple", &kWordPurple},
    {"kWordGrayConcise", &kWordGrayConcise},
    {"kWordGrayAristocratic", &kWordGrayAristocratic},
    {"kWordGrayRedRibbons", &kWordGrayRedRibbons},
    {"kWordSalute", &kWordSalute},
    {"kWordButtons", &kWordButtons},
    {"kWordGame", &kWordGame},
    {"kWordHighlightMoves", &kWordHighlightMoves},
    {"kWordDeckClassical1", &kWordDeckClassical1},
    {"kWordDeckMedieval1", &kWordDeckMedieval1},
    {"kWordDeckModern", &kWordDeckModern},
    {"kWordDeckAncientEgypt", &kWordDeckAncientEgypt},
    {"kWordDeckBaronesse", &kWordDeckBaronesse},
    {"kWordDeckCeltic", &kWordDeckCeltic},
    {"kWordDeckCorona", &kWordDeckCorona},
    {"kWordDeckCrown", &kWordDeckCrown},
    {"kWordDeckEnglishPattern", &kWordDeckEnglishPattern},
    {"kWordDeckFrankfurt", &kWordDeckFrankfurt},
    {"kWordDeckHistoricalCostumes", &kWordDeckHistoricalCostumes},
    {"kWordDeckNativeAmericans", &kWordDeckNativeAmericans},
    {"kWordDeckOldGardenRoses", &kWordDeckOldGardenRoses},
    {"kWordDeckParrots", &kWordDeckParrots},
    {"kWordDeckRoyal", &kWordDeckRoyal},
    {"kWordDeckShakespeare", &kWordDeckShakespeare},
    {"kWordDeckBigBen", &kWordDeckBigBen},
    {"kWordDeckFourReigns", &kWordDeckFourReigns},
    {"kWordDeckLargePrintLondon", &kWordDeckLargePrintLondon},
    {"kWordDeckClassical2", &kWordDeckClassical2},
    {"kWordDeckHearts", &kWordDeckHearts},
    {"kWordDeckSeasons", &kWordDeckSeasons},
    {"kWordDeckRhineStyle", &kWordDeckRhineStyle},
    {"kWordDeckMedieval2", &kWordDeckMedieval2},
    {"kWordDeckDoods", &kWordDeckDoods},
    {"kWordDeckPlayboy", &kWordDeckPlayboy},
    {"kWordDeckEpic", &kWordDeckEpic},
    {"kWordDeckUssr", &kWordDeckUssr},
    {"kWordDeckPlastic", &kWordDeckPlastic},
    {"kWordDeckSkatGerman", &kWordDeckSkatGerman},
    {"kWordDeckSkatTournament", &kWordDeckSkatTournament},
    {"kWordDeckSkatFrench", &kWordDeckSkatFrench},
    {"kWordDeckWhitePalekh", &kWordDeckWhitePalekh},
    {"kWordDeckDiana", &kWordDeckDiana},
    {"kWordDeckPrincely", &kWordDeckPrincely},
    {"kWordDeckForSolitaires", &kWordDeckForSolitaires},
    {"kWordDeckSatin", &kWordDeckSatin},
    {"kWordDeckSlavic", &kWordDeckSlavic},
    {"kWordDeckMaya", &kWordDeckMaya},
    {"kWordDeckBast", &kWordDeckBast},
    {"kWordDeckFrench", &kWordDeckFrench},
    {"kWordDeckSpanish1", &kWordDeckSpanish1},
    {"kWordDeckSpanish2", &kWordDeckSpanish2},
    {"kWordDeckSpanish3", &kWordDeckSpanish3},
    {"kWordDeckSpanish4", &kWordDeckSpanish4},
    {"kWordDeckChinese", &kWordDeckChinese},
    {"kWordDeckItalian", &kWordDeckItalian},
    {"kWordDeckCzech", &kWordDeckCzech},
    {"kWordDeckRussian", &kWordDeckRussian},
    {"kWordBackAnimals", &kWordBackAnimals},
    {"kWordBackFlowers", &kWordBackFlowers},
    {"kWordBackOther", &kWordBackOther},
    {"kWordBackPlaces", &kWordBackPlaces},
    {"kWordCarpet", &kWordCarpet},
    {"kWordBackCross", &kWordBackCross},
    {"kWordBackChess", &kWordBackChess},
    {"kWordBackDiamond", &kWordBackDiamond},
    {"kWordBackKnightly", &kWordBackKnightly},
    {"kWordBgSun", &kWordBgSun},
    {"kWordBgFelt", &kWordBgFelt},
    {"kWordBgGradient", &kWordBgGradient},
    {"kWordBgCloth", &kWordBgCloth},
    {"kWordBgTree", &kWordBgTree},
    {"kWordBgCasino", &kWordBgCasino},
    {"kWordBgPattern", &kWordBgPattern},
    {"kWordBgSilk", &kWordBgSilk},
    {"kWordBgOrnament", &kWordBgOrnament},
    {"kWordColourGreen", &kWordColourGreen},
    {"kWordColourRed", &kWordColourRed},
    {"kWordColourOrange", &kWordColourOrange},
    {"kWordColourViolet", &kWordColourViolet},
    {"kWordColourYellow", &kWordColourYellow},
    {"kWordColourLightBlue", &kWordColourLightBlue},
    {"kWordColourDarkBlue", &kWordColourDarkBlue},
};

}  // namespace

std::span<const TNamedWordRow> words::OptionsWordRows() {
  return kRows;
}

}  // namespace zendral

// Word table data: the main window and its menu, the game table, the start and waiting dialogs,
// the speed, about, top ten, end-of-game, history, game information and advertising windows.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/WordLists.h"
#include "present/words/WordRows.h"

namespace zendral {

// Main window and its menu

constinit const TWordRow kWordTitle{{"Zendral", "Zendral", "Zendral", "Zendral", "Zendral",
                                     "Zendral", "Zendral", "Zendral", "Zendral", "Zendral"}};

constinit const TWordRow kWordNewPlayer{
    {"New Player", "Новый Игрок", "Neuer Spieler", "Nouveau joueur", "Nuevo jugador", "新玩家",
     "Nuovo giocatore", "Nový hráč", "新規プレイヤー", "새 플레이어"}};

constinit const TWordRow kWordOptions{{"Options", "Опции", "Optionen", "Options", "Opciones",
                                       "选项", "Opzioni", "Možnosti", "オプション", "옵션"}};

constinit const TWordRow kWordTopTen{{"Top Ten", "Чемпионы", "Bestenliste", "Champions",
                                      "Campeones", "冠军榜", "Campioni", "Šampioni", "チャンピオン",
                                      "챔피언"}};

constinit const TWordRow kWordExit{
    {"Exit", "Выход", "Beenden", "Quitter", "Salir", "退出", "Esci", "Konec", "終了", "종료"}};

constinit const TWordRow kWordHistory{{"History", "История", "Verlauf", "Historique", "Historial",
                                       "历史", "Storico", "Historie", "履歴", "기록"}};

constinit const TWordRow kWordMode{
    {"Mode", "Режим", "Modus", "Mode", "Modo", "模式", "Modalità", "Režim", "モード", "모드"}};

// Both variants keep the columns of the list below them: 39 character cells, a CJK character
// taking two.
constinit const TWordRow2 kWordClubListHeader{
    {{{" The members of club    Games    Score ", "     Члены клуба         Коны    Счёт  ",
       " Clubmitglieder        Runden   Punkte ", " Membres du club      Manches   Points ",
       " Miembros del club      Manos   Puntos ", " 俱乐部成员              局数     得分 ",
       " Membri del club         Mani    Punti ", " Členové klubu           Kola    Skóre ",
       " クラブメンバー          局数   スコア ", " 클럽 회원              판 수     점수 "}},
     {{" The members of club    Games   Rating ", "     Члены клуба         Коны  Рейтинг ",
       " Clubmitglieder        Runden  Wertung ", " Membres du club      Manches     Cote ",
       " Miembros del club      Manos    Nivel ", " 俱乐部成员              局数   等级分 ",
       " Membri del club         Mani  Livello ", " Členové klubu           Kola  Hodnoc. ",
       " クラブメンバー          局数   レート ", " 클럽 회원              판 수   레이팅 "}}}};

constinit const TWordRow kWordExitToMenu{
    {"Exit to menu", "Выход в меню", "Zum Menü", "Retour au menu", "Salir al menú", "返回菜单",
     "Torna al menu", "Zpět do menu", "メニューへ戻る", "메뉴로 나가기"}};

constinit const TWordRow kWordLeaveToMenuQuestion{
    {"Do you want to go back to the main menu?", "Вы хотите выйти в главное меню?",
     "Möchten Sie zum Hauptmenü zurückkehren?", "Voulez-vous revenir au menu principal ?",
     "¿Quiere volver al menú principal?", "您要返回主菜单吗？", "Vuoi tornare al menu principale?",
     "Chcete se vrátit do hlavního menu?", "メインメニューに戻りますか？",
     "메인 메뉴로 나가시겠습니까?"}};

constinit const TWordRow kWordDataWillBeLost{
    {"All data of the game will be lost!", "Все данные при этом будут утеряны!",
     "Alle Daten gehen dabei verloren!", "Toutes les données seront perdues !",
     "¡Se perderán todos los datos!", "所有数据都将丢失！", "Tutti i dati andranno persi!",
     "Všechna data budou ztracena!", "すべてのデータが失われます！", "모든 데이터가 사라집니다!"}};

constinit const TWordRow kWordLeaveGameQuestion{
    {"Do you want to leave the game?", "Вы хотите выйти из игры?", "Möchten Sie das Spiel beenden?",
     "Voulez-vous quitter le jeu ?", "¿Quiere salir del juego?", "您要退出游戏吗？",
     "Vuoi uscire dal gioco?", "Chcete ukončit hru?", "ゲームを終了しますか？",
     "게임을 종료하시겠습니까?"}};

constinit const TWordRow kWordGeneralScore{
    {"General score", "Общий счёт", "Gesamtstand", "Score général", "Puntuación total", "总比分",
     "Punteggio totale", "Celkové skóre", "総合スコア", "총점"}};

constinit const TWordRow kWordChangeName{
    {"To change a name", "Изменить имя", "Namen ändern", "Changer de nom", "Cambiar nombre",
     "更改名字", "Cambia nome", "Změnit jméno", "名前を変更", "이름 변경"}};

constinit const TWordRow kWordHelp{
    {"Help", "Помощь", "Hilfe", "Aide", "Ayuda", "帮助", "Aiuto", "Nápověda", "ヘルプ", "도움말"}};

constinit const TWordRow kWordAbout{{"About", "О программе", "Über", "À propos", "Acerca de",
                                     "关于", "Informazioni", "O programu", "バージョン情報",
                                     "정보"}};

constinit const TWordRow kWordNameChanged{
    {"Your name and/or the password were successfully changed!\n\rNew name: ",
     "Ваше имя и/или пароль были успешно изменены!\n\rНовое имя: ",
     "Ihr Name und/oder Passwort wurden erfolgreich geändert!\n\rNeuer Name: ",
     "Votre nom et/ou votre mot de passe ont été modifiés !\n\rNouveau nom : ",
     "¡Su nombre y/o contraseña se han cambiado correctamente!\n\rNuevo nombre: ",
     "您的名字和/或密码已成功更改！\n\r新名字: ",
     "Il tuo nome e/o la password sono stati modificati!\n\rNuovo nome: ",
     "Vaše jméno a/nebo heslo bylo úspěšně změněno!\n\rNové jméno: ",
     "名前またはパスワードを変更しました！\n\r新しい名前: ",
     "이름 및/또는 비밀번호가 변경되었습니다!\n\r새 이름: "}};

constinit const TWordRow kWordGamesInCycle{
    {"Games in cycle", "Конов в цикле", "Runden im Zyklus", "Manches par cycle", "Manos por ciclo",
     "每轮局数", "Mani per ciclo", "Kol v cyklu", "1サイクルの局数", "사이클당 판 수"}};

constinit const TWordRow kWordClient{{"Client", "Клиент", "Client", "Client", "Cliente", "客户端",
                                      "Client", "Klient", "クライアント", "클라이언트"}};

constinit const TWordRow kWordServer{{"Server", "Сервер", "Server", "Serveur", "Servidor", "服务器",
                                      "Server", "Server", "サーバー", "서버"}};

constinit const TWordRow kWordHasInterruptedGame{
    {"has interrupted game!", "прервал игру!", "hat das Spiel abgebrochen!",
     "a interrompu la partie !", "ha interrumpido la partida!", "中断了游戏！",
     "ha interrotto la partita!", "přerušil hru!", "がゲームを中断しました！",
     "측에서 게임을 중단했습니다!"}};

constinit const TWordRow kWordPressOkToExit{
    {"Press OK for exit to the main menu...", "Нажмите OK для выхода в главное меню...",
     "Drücken Sie OK, um zum Hauptmenü zurückzukehren...",
     "Appuyez sur OK pour revenir au menu principal...",
     "Pulse OK para volver al menú principal...", "按 OK 返回主菜单...",
     "Premi OK per tornare al menu principale...", "Stiskněte OK pro návrat do hlavního menu...",
     "OKを押すとメインメニューに戻ります...", "OK를 누르면 메인 메뉴로 돌아갑니다..."}};

constinit const TWordRow kWordThankYouForSupport{
    {"Thank you for Your support!", "Спасибо за Вашу поддержку!", "Danke für Ihre Unterstützung!",
     "Merci pour votre soutien !", "¡Gracias por su apoyo!", "感谢您的支持！",
     "Grazie per il tuo sostegno!", "Děkujeme za vaši podporu!", "ご支援ありがとうございます！",
     "후원해 주셔서 감사합니다!"}};

constinit const TWordRow kWordPlayOtherGames{
    {"Play our other games", "Играйте в наши другие игры", "Spielen Sie unsere anderen Spiele",
     "Jouez à nos autres jeux", "Juegue a nuestros otros juegos", "来玩我们的其他游戏",
     "Gioca ai nostri altri giochi", "Zahrajte si naše další hry", "他のゲームもお楽しみください",
     "다른 게임도 즐겨 보세요"}};

constinit const TWordRow kWordMoreGames{
    {"More games!", "Больше игр!", "Mehr Spiele!", "Plus de jeux !", "¡Más juegos!", "更多游戏！",
     "Altri giochi!", "Další hry!", "もっとゲームを！", "더 많은 게임!"}};

constinit const TWordRow kWordOnGooglePlay{
    {"on Google Play!", "в Google Play!", "bei Google Play!", "sur Google Play !", "en Google Play",
     "已登陆 Google Play！", "su Google Play!", "na Google Play!", "Google Playで配信中！",
     "Google Play에서 만나보세요!"}};

constinit const TWordRow kWordPleaseWait{
    {"Please, wait...", "Пожалуйста, подождите...", "Bitte warten...", "Veuillez patienter...",
     "Espere, por favor...", "请稍候...", "Attendere prego...", "Čekejte prosím...",
     "お待ちください...", "잠시 기다려 주세요..."}};

constinit const TWordRow kWordChat{
    {"Chat", "Чат", "Chat", "Chat", "Chat", "聊天", "Chat", "Chat", "チャット", "채팅"}};

constinit const TWordRow kWordStatistics{{"Statistics", "Статистика", "Statistik", "Statistiques",
                                          "Estadísticas", "统计", "Statistiche", "Statistiky",
                                          "統計", "통계"}};

constinit const TWordRow kWordCouldNotConnect{
    {"Could not connect to server!", "Не удалось установить связь с сервером!",
     "Verbindung zum Server fehlgeschlagen!", "Impossible de se connecter au serveur !",
     "¡No se pudo conectar con el servidor!", "无法连接到服务器！",
     "Impossibile connettersi al server!", "Nelze se připojit k serveru!",
     "サーバーに接続できませんでした！", "서버에 연결할 수 없습니다!"}};

constinit const TWordRow kWordRepeatQuestion{{"Repeat?", "Повторить?", "Wiederholen?",
                                              "Réessayer ?", "¿Reintentar?", "重试？", "Riprovare?",
                                              "Opakovat?", "再試行しますか？", "다시 시도할까요?"}};

constinit const TWordRow kWordRatedGamePending{
    {"There is a game on the rating!", "Идёт игра на рейтинг!",
     "Es läuft ein Spiel um die Wertung!", "Une partie classée est en cours !",
     "¡Hay una partida por el nivel en curso!", "正在进行等级分对局！",
     "È in corso una partita per il livello!", "Probíhá hra o hodnocení!",
     "レーティング戦が進行中です！", "레이팅 게임이 진행 중입니다!"}};

constinit const TWordRow kWordNotLoggedIn{
    {"You are not logged in to your account!", "Вы не вошли в свой аккаунт!",
     "Sie sind nicht in Ihrem Konto angemeldet!", "Vous n'êtes pas connecté à votre compte !",
     "¡No ha iniciado sesión en su cuenta!", "您尚未登录账户！",
     "Non hai effettuato l'accesso al tuo account!", "Nejste přihlášeni ke svému účtu!",
     "アカウントにログインしていません！", "계정에 로그인하지 않았습니다!"}};

constinit const TWordRow kWordLoggedIn{
    {"You are logged in to your account!", "Вы вошли в свой аккаунт!",
     "Sie sind in Ihrem Konto angemeldet!", "Vous êtes connecté à votre compte !",
     "¡Ha iniciado sesión en su cuenta!", "您已登录账户！",
     "Hai effettuato l'accesso al tuo account!", "Jste přihlášeni ke svému účtu!",
     "アカウントにログインしています！", "계정에 로그인했습니다!"}};

constinit const TWordRow kWordCreatingGif{
    {"Creating a GIF...", "Создаю GIF...", "GIF wird erstellt...", "Création du GIF...",
     "Creando GIF...", "正在生成 GIF...", "Creazione GIF...", "Vytvářím GIF...", "GIFを作成中...",
     "GIF 만드는 중..."}};

constinit const TWordRow kWordSpeed{{"Speed", "Скорость", "Tempo", "Vitesse", "Velocidad", "速度",
                                     "Velocità", "Rychlost", "速度", "속도"}};

constinit const TWordRow kWordPass{
    {"Pass", "Пас", "Passen", "Passe", "Paso", "过", "Passo", "Pas", "パス", "패스"}};

constinit const TWordRow kWordRadio{
    {"Radio", "Радио", "Radio", "Radio", "Radio", "电台", "Radio", "Rádio", "ラジオ", "라디오"}};

constinit const TWordRow kWordDynamicIq{
    {"Dynamic IQ for Windows (percent)",
     "Динамический коэффициент интеллекта для Windows (в процентах)",
     "Dynamischer IQ für Windows (Prozent)", "QI dynamique pour Windows (pourcentage)",
     "CI dinámico para Windows (porcentaje)", "Windows 动态智商（百分比）",
     "QI dinamico per Windows (percentuale)", "Dynamické IQ pro Windows (procenta)",
     "Windows の動的IQ（パーセント）", "Windows 동적 IQ (퍼센트)"}};

constinit const TWordRow kWordGamesPlayedWithPc{
    {"Games played with PC", "Сыграно конов с PC", "Runden gegen den PC",
     "Manches jouées contre le PC", "Manos jugadas contra el PC", "与电脑对战局数",
     "Mani giocate contro il PC", "Odehraná kola s PC", "PC との対局数", "PC와 한 판 수"}};

constinit const TWordRow kWordBestWindowsPlayer{
    {"Best Windows Player: ", "Лучший игрок Windows: ", "Bester Windows-Spieler: ",
     "Meilleur joueur Windows : ", "Mejor jugador de Windows: ", "最佳 Windows 玩家: ",
     "Miglior giocatore Windows: ", "Nejlepší hráč Windows: ", "Windows 最優秀プレイヤー: ",
     "최고의 Windows 플레이어: "}};

constinit const TWordRow kWordBestAndroidPlayer{
    {"Best Android Player: ", "Лучший игрок Android: ", "Bester Android-Spieler: ",
     "Meilleur joueur Android : ", "Mejor jugador de Android: ", "最佳 Android 玩家: ",
     "Miglior giocatore Android: ", "Nejlepší hráč Android: ", "Android 最優秀プレイヤー: ",
     "최고의 Android 플레이어: "}};

constinit const TWordRow kWordBestAccountPlayer{
    {"The best player of games from under the account: ", "Лучший игрок игр из-под аккаунта: ",
     "Bester Spieler der Kontospiele: ", "Meilleur joueur des parties avec compte : ",
     "Mejor jugador de partidas con cuenta: ", "账户对局最佳玩家: ",
     "Miglior giocatore delle partite con account: ", "Nejlepší hráč her s účtem: ",
     "アカウント対局の最優秀プレイヤー: ", "계정 게임 최고의 플레이어: "}};

constinit const TWordRow kWordNo{
    {"No", "Нет", "Nein", "Non", "No", "否", "No", "Ne", "いいえ", "아니요"}};

constinit const TWordRow kWordYes{
    {"Yes", "Да", "Ja", "Oui", "Sí", "是", "Sì", "Ano", "はい", "예"}};

constinit const TWordRow kWordOk{
    {"Ok", "Ок", "OK", "OK", "Aceptar", "确定", "OK", "OK", "OK", "확인"}};

constinit const TWordRow kWordAttention{{"Attention", "Внимание", "Achtung", "Attention",
                                         "Atención", "注意", "Attenzione", "Pozor", "注意",
                                         "주의"}};

constinit const TWordRow kWordLostConnection{
    {"Lost connection with the server!", "Пропала связь с сервером!",
     "Verbindung zum Server verloren!", "Connexion au serveur perdue !",
     "¡Se perdió la conexión con el servidor!", "与服务器的连接已断开！",
     "Connessione al server persa!", "Spojení se serverem bylo ztraceno!",
     "サーバーとの接続が切れました！", "서버와의 연결이 끊어졌습니다!"}};

constinit const TWordRow kWordPlayer{{"Player", "Игрок", "Spieler", "Joueur", "Jugador", "玩家",
                                      "Giocatore", "Hráč", "プレイヤー", "플레이어"}};

constinit const TWordRow kWordInterruptedGame{
    {"interrupted the game!", "прервал игру!", "hat das Spiel abgebrochen!",
     "a interrompu la partie !", "ha interrumpido la partida!", "中断了游戏！",
     "ha interrotto la partita!", "přerušil hru!", "がゲームを中断しました！",
     "님이 게임을 중단했습니다!"}};

constinit const TWordRow kWordYouWon{{"You won!", "Вы выиграли!", "Sie haben gewonnen!",
                                      "Vous avez gagné !", "¡Ha ganado!", "你赢了！", "Hai vinto!",
                                      "Vyhráli jste!", "あなたの勝ちです！", "승리했습니다!"}};

constinit const TWordRow kWordYouLose{
    {"You lose!", "Вы проиграли!", "Sie haben verloren!", "Vous avez perdu !", "¡Ha perdido!",
     "你输了！", "Hai perso!", "Prohráli jste!", "あなたの負けです！", "패배했습니다!"}};

constinit const TWordRow kWordPlayerTimeUp{{"Player", "У игрока", "Spieler", "Le joueur",
                                            "¡Al jugador", "玩家", "Il giocatore", "Hráči",
                                            "プレイヤー", "플레이어"}};

constinit const TWordRow kWordTimeIsUp{{"time is up!", "закончилось время!", "hat keine Zeit mehr!",
                                        "n'a plus de temps !", "se le acabó el tiempo!",
                                        "时间到了！", "ha esaurito il tempo!", "vypršel čas!",
                                        "の持ち時間が切れました！", "님의 시간이 다 되었습니다!"}};

constinit const TWordRow kWordLogInToAccount{
    {"Log in to your account!", "Войдите в свой аккаунт!", "Melden Sie sich in Ihrem Konto an!",
     "Connectez-vous à votre compte !", "¡Inicie sesión en su cuenta!", "请登录您的账户！",
     "Accedi al tuo account!", "Přihlaste se ke svému účtu!", "アカウントにログインしてください！",
     "계정에 로그인하세요!"}};

constinit const TWordRow kWordYourTimeIsUp{{"Your time is up!", "Ваше время истекло!",
                                            "Ihre Zeit ist abgelaufen!", "Votre temps est écoulé !",
                                            "¡Se le acabó el tiempo!", "您的时间到了！",
                                            "Il tuo tempo è scaduto!", "Váš čas vypršel!",
                                            "持ち時間が切れました！", "시간이 다 되었습니다!"}};

constinit const TWordRow kWordOnlineTournament{
    {"Online-Tournament", "Онлайн-турнир", "Online-Turnier", "Tournoi en ligne", "Torneo en línea",
     "在线锦标赛", "Torneo online", "Online turnaj", "オンライン大会", "온라인 토너먼트"}};

constinit const TWordRow kWordHelpNotTranslated{
    {"Excuse!\n\rThe file of the help is not translated to the English language.",
     "Извините!\n\rФайл справки не переведён на английский язык.",
     "Entschuldigung!\n\rDie Hilfedatei ist nicht ins Englische übersetzt.",
     "Désolé !\n\rLe fichier d'aide n'est pas traduit en anglais.",
     "¡Disculpe!\n\rEl archivo de ayuda no está traducido al inglés.",
     "抱歉！\n\r帮助文件尚未翻译成英文。",
     "Ci scusiamo!\n\rIl file della guida non è tradotto in inglese.",
     "Omlouváme se!\n\rSoubor nápovědy není přeložen do angličtiny.",
     "申し訳ありません！\n\rヘルプファイルは英語に翻訳されていません。",
     "죄송합니다!\n\r도움말 파일은 영어로 번역되어 있지 않습니다."}};

constinit const TWordRow kWordNoConnect{
    {"No Connect", "Нет связи", "Keine Verbindung", "Pas de connexion", "Sin conexión", "无连接",
     "Nessuna connessione", "Bez spojení", "接続なし", "연결 없음"}};

constinit const TWordRow kWordNoConnectMessage{
    {"No Connect!", "Нет связи!", "Keine Verbindung!", "Pas de connexion !", "¡Sin conexión!",
     "无法连接！", "Nessuna connessione!", "Bez spojení!", "接続できません！",
     "연결할 수 없습니다!"}};

constinit const TWordRow kWordNoConnectUpper{
    {"NO CONNECT", "НЕТ СВЯЗИ", "KEINE VERBINDUNG", "PAS DE CONNEXION", "SIN CONEXIÓN", "无连接",
     "NESSUNA CONNESSIONE", "BEZ SPOJENÍ", "接続なし", "연결 없음"}};

constinit const TWordRow kWordKovNews{
    {"Kov News!", "Новости Kov!", "Kov-Neuigkeiten!", "Nouvelles de Kov !", "¡Noticias de Kov!",
     "Kov 新闻！", "Novità Kov!", "Novinky Kov!", "Kov ニュース！", "Kov 뉴스!"}};

constinit const TWordRow kWordKovChat{{"Kov Chat!", "Чат Kov!", "Kov-Chat!", "Chat Kov !",
                                       "¡Chat de Kov!", "Kov 聊天！", "Chat Kov!", "Chat Kov!",
                                       "Kov チャット！", "Kov 채팅!"}};

constinit const TWordRow kWordApkUnavailable{
    {"in Apk is temporarily unavailable!", "в формате Apk временно недоступна!",
     "ist als APK vorübergehend nicht verfügbar!", "en APK est temporairement indisponible !",
     "en APK no está disponible temporalmente", "的 APK 版本暂时无法下载！",
     "in APK è temporaneamente non disponibile!", "ve formátu APK je dočasně nedostupná!",
     "のAPK版は一時的に利用できません！", "APK 버전은 일시적으로 이용할 수 없습니다!"}};

// Game table

constinit const TWordRow kWordWaitingForServer{
    {"Expectation of the server...", "Ожидание сервера...", "Warten auf den Server...",
     "En attente du serveur...", "Esperando al servidor...", "正在等待服务器...",
     "In attesa del server...", "Čekání na server...", "サーバーを待っています...",
     "서버를 기다리는 중..."}};

constinit const TWordRow kWordNextGame{{"Next game", "Следующий кон", "Nächste Runde",
                                        "Manche suivante", "Siguiente mano", "下一局",
                                        "Prossima mano", "Další kolo", "次の局", "다음 판"}};

constinit const TWordRow kWordKon{
    {"Game", "Кон", "Runde", "Manche", "Mano", "局", "Mano", "Kolo", "局", "판"}};

constinit const TWordRow kWordToBegin{{"To Begin", "Начало Кона", "Runde starten", "Commencer",
                                       "Empezar", "开始本局", "Inizia", "Začít kolo", "対局開始",
                                       "시작"}};

constinit const TWordRow kWordBank{{"Bank:", "Банк:", "Kasse:", "Banque :", "Banca:", "奖池:",
                                    "Banco:", "Bank:", "ポット:", "판돈:"}};

constinit const TWordRow kWordTotalOfGame{
    {"Total of game", "Итог кона", "Rundenergebnis", "Bilan de la manche", "Resultado de la mano",
     "本局结算", "Esito della mano", "Výsledek kola", "局の結果", "판 결과"}};

// Start dialog (name, password, server/client)

constinit const TWordRow kWordIncorrectName{
    {"Incorrect name!", "Неверное имя!", "Ungültiger Name!", "Nom incorrect !",
     "¡Nombre incorrecto!", "名字无效！", "Nome non valido!", "Neplatné jméno!",
     "名前が正しくありません！", "이름이 올바르지 않습니다!"}};

constinit const TWordRow kWordPasswordsDiffer{
    {"The passwords do not coincide!", "Пароли не совпадают!",
     "Die Passwörter stimmen nicht überein!", "Les mots de passe ne correspondent pas !",
     "¡Las contraseñas no coinciden!", "两次输入的密码不一致！", "Le password non coincidono!",
     "Hesla se neshodují!", "パスワードが一致しません！", "비밀번호가 일치하지 않습니다!"}};

constinit const TWordRow kWordIncorrectPassword{
    {"The incorrect password!", "Неверный пароль!", "Falsches Passwort!",
     "Mot de passe incorrect !", "¡Contraseña incorrecta!", "密码错误！", "Password errata!",
     "Nesprávné heslo!", "パスワードが違います！", "비밀번호가 틀렸습니다!"}};

constinit const TWordRow kWordWelcome{{"Welcome!", "Добро пожаловать!", "Willkommen!",
                                       "Bienvenue !", "¡Bienvenido!", "欢迎！", "Benvenuto!",
                                       "Vítejte!", "ようこそ！", "환영합니다!"}};

constinit const TWordRow kWordEnterName{
    {"Enter Your name:", "Введите Ваше имя:", "Geben Sie Ihren Namen ein:", "Entrez votre nom :",
     "Introduzca su nombre:", "请输入您的名字:", "Inserisci il tuo nome:", "Zadejte své jméno:",
     "名前を入力してください:", "이름을 입력하세요:"}};

constinit const TWordRow kWordEnterPassword{
    {"Enter Your password:", "Введите Ваш пароль:", "Geben Sie Ihr Passwort ein:",
     "Entrez votre mot de passe :", "Introduzca su contraseña:", "请输入您的密码:",
     "Inserisci la tua password:", "Zadejte své heslo:", "パスワードを入力してください:",
     "비밀번호를 입력하세요:"}};

constinit const TWordRow kWordPasswordAgain{
    {"And once again for check...", "И ещё раз для проверки...", "Und zur Kontrolle noch einmal...",
     "Et encore une fois pour vérifier...", "Y otra vez para comprobar...", "再输入一次以确认...",
     "E ancora una volta per conferma...", "A ještě jednou pro kontrolu...",
     "確認のためもう一度...", "확인을 위해 한 번 더..."}};

constinit const TWordRow kWordMrX{
    {"Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X"}};

constinit const TWordRow kWordCancel{{"Cancel", "Отмена", "Abbrechen", "Annuler", "Cancelar",
                                      "取消", "Annulla", "Zrušit", "キャンセル", "취소"}};

constinit const TWordRow kWordIncorrectIp{
    {"Incorrect IP-address!", "Неверный IP-адрес!", "Ungültige IP-Adresse!",
     "Adresse IP incorrecte !", "¡Dirección IP incorrecta!", "IP 地址无效！",
     "Indirizzo IP non valido!", "Neplatná IP adresa!", "IPアドレスが正しくありません！",
     "IP 주소가 올바르지 않습니다!"}};

constinit const TWordRow kWordIncorrectPort{
    {"Incorrect Port!", "Неверный порт!", "Ungültiger Port!", "Port incorrect !",
     "¡Puerto incorrecto!", "端口无效！", "Porta non valida!", "Neplatný port!",
     "ポートが正しくありません！", "포트가 올바르지 않습니다!"}};

constinit const TWordRow kWordEnterServerIp{
    {"Enter IP of server:", "Введите IP сервера:", "IP des Servers eingeben:",
     "Entrez l'IP du serveur :", "Introduzca la IP del servidor:", "输入服务器 IP:",
     "Inserisci l'IP del server:", "Zadejte IP serveru:", "サーバーのIPを入力:", "서버 IP 입력:"}};

constinit const TWordRow kWordEnterServerPort{
    {"Enter Port of server:", "Введите порт сервера:", "Port des Servers eingeben:",
     "Entrez le port du serveur :", "Introduzca el puerto del servidor:", "输入服务器端口:",
     "Inserisci la porta del server:", "Zadejte port serveru:", "サーバーのポートを入力:",
     "서버 포트 입력:"}};

constinit const TWordRow kWordNumberGames{
    {"Number games:", "Количество конов:", "Anzahl Runden:", "Nombre de manches :",
     "Número de manos:", "局数:", "Numero di mani:", "Počet kol:", "局数:", "판 수:"}};

constinit const TWordRow kWordServerClient{{"Server / Client", "Сервер / Клиент", "Server / Client",
                                            "Serveur / Client", "Servidor / Cliente",
                                            "服务器 / 客户端", "Server / Client", "Server / Klient",
                                            "サーバー / クライアント", "서버 / 클라이언트"}};

constinit const TWordRow kWordServerCreatesGame{
    {"Server create the game", "Сервер создает игру", "Server erstellt das Spiel",
     "Le serveur crée la partie", "El servidor crea la partida", "服务器创建游戏",
     "Il server crea la partita", "Server vytvoří hru", "サーバーがゲームを作成",
     "서버가 게임 생성"}};

constinit const TWordRow kWordClientJoinsGame{
    {"Client enters to game", "Клиент вступает в игру", "Client tritt dem Spiel bei",
     "Le client rejoint la partie", "El cliente se une a la partida", "客户端加入游戏",
     "Il client entra nella partita", "Klient se připojí ke hře", "クライアントがゲームに参加",
     "클라이언트가 게임 참가"}};

constinit const TWordRow kWordGetIpAddresses{
    {"To receive the IP-addresses", "Получить свои IP-адреса", "Eigene IP-Adressen anzeigen",
     "Obtenir mes adresses IP", "Obtener mis direcciones IP", "获取本机 IP 地址",
     "Ottieni i miei indirizzi IP", "Zjistit své IP adresy", "自分のIPアドレスを取得",
     "내 IP 주소 가져오기"}};

constinit const TWordRow kWordLoopback{{"Loop", "Петля", "Loopback", "Boucle locale", "Bucle local",
                                        "本地回环", "Loopback", "Smyčka", "ループバック",
                                        "루프백"}};

constinit const TWordRow kWordWaitingForPlayers{
    {"Expectation of connection of other players...", "Ожидание подключения других игроков...",
     "Warten auf andere Spieler...", "En attente des autres joueurs...",
     "Esperando a los demás jugadores...", "正在等待其他玩家连接...",
     "In attesa degli altri giocatori...", "Čekání na připojení dalších hráčů...",
     "他のプレイヤーの接続を待っています...", "다른 플레이어의 접속을 기다리는 중..."}};

constinit const TWordRow kWordWaitingForGame{
    {"Expectation of game...", "Ожидание игры...", "Warten auf das Spiel...",
     "En attente de la partie...", "Esperando la partida...", "正在等待游戏...",
     "In attesa della partita...", "Čekání na hru...", "ゲームを待っています...",
     "게임을 기다리는 중..."}};

// Waiting for network players

constinit const TWordRow kWordSecondPlayerConnected{
    {"The second player was connected...", "Подключился второй игрок...",
     "Der zweite Spieler ist verbunden...", "Le deuxième joueur s'est connecté...",
     "El segundo jugador se ha conectado...", "第二位玩家已连接...",
     "Il secondo giocatore si è connesso...", "Připojil se druhý hráč...",
     "2人目のプレイヤーが接続しました...", "두 번째 플레이어가 접속했습니다..."}};

constinit const TWordRow kWordThirdPlayerConnected{
    {"The third player was connected...", "Подключился третий игрок...",
     "Der dritte Spieler ist verbunden...", "Le troisième joueur s'est connecté...",
     "El tercer jugador se ha conectado...", "第三位玩家已连接...",
     "Il terzo giocatore si è connesso...", "Připojil se třetí hráč...",
     "3人目のプレイヤーが接続しました...", "세 번째 플레이어가 접속했습니다..."}};

constinit const TWordRow kWordFourthPlayerConnected{
    {"The fourth player was connected...", "Подключился четвёртый игрок...",
     "Der vierte Spieler ist verbunden...", "Le quatrième joueur s'est connecté...",
     "El cuarto jugador se ha conectado...", "第四位玩家已连接...",
     "Il quarto giocatore si è connesso...", "Připojil se čtvrtý hráč...",
     "4人目のプレイヤーが接続しました...", "네 번째 플레이어가 접속했습니다..."}};

constinit const TWordRow kWordNoAccessibleGames{
    {"There are no accessible games", "Нет доступных игр", "Keine verfügbaren Spiele",
     "Aucune partie disponible", "No hay partidas disponibles", "没有可加入的游戏",
     "Nessuna partita disponibile", "Žádné dostupné hry", "参加できるゲームがありません",
     "참가할 수 있는 게임이 없습니다"}};

// Card flight speed window

constinit const TWordRow kWordChoiceOfSpeed{
    {"Choice of speed", "Выбор скорости", "Geschwindigkeit wählen", "Choix de la vitesse",
     "Elección de velocidad", "选择速度", "Scelta della velocità", "Volba rychlosti", "速度の選択",
     "속도 선택"}};

constinit const TWordRow kWordSelectFlightSpeed{
    {"Select a flight speed of cards:", "Выберете скорость полёта карт:",
     "Fluggeschwindigkeit der Karten wählen:", "Choisissez la vitesse de vol des cartes :",
     "Elija la velocidad de vuelo de las cartas:", "选择纸牌飞行速度:",
     "Scegli la velocità di volo delle carte:", "Zvolte rychlost letu karet:",
     "カードの飛ぶ速度を選択:", "카드 이동 속도 선택:"}};

// About window

constinit const TWordRow kWordAboutCredits{
    {"In the program many graphic, sound and musical fragments were used.\n\rThank you to their "
     "authors.",
     "В программе использовано много графических, звуковых и музыкальных фрагментов.\n\rСпасибо их "
     "авторам.",
     "Im Programm wurden viele Grafik-, Klang- und Musikfragmente verwendet.\n\rDanke an ihre "
     "Autoren.",
     "Le programme utilise de nombreux éléments graphiques, sonores et musicaux.\n\rMerci à leurs "
     "auteurs.",
     "El programa utiliza muchos fragmentos gráficos, sonoros y musicales.\n\rGracias a sus "
     "autores.",
     "本程序使用了许多图形、音效和音乐素材。\n\r感谢它们的作者。",
     "Nel programma sono stati usati molti elementi grafici, sonori e musicali.\n\rGrazie ai loro "
     "autori.",
     "V programu bylo použito mnoho grafických, zvukových a hudebních prvků.\n\rDěkujeme jejich "
     "autorům.",
     "このプログラムでは多くのグラフィック、サウンド、音楽素材を使用しています。\n\r作者の皆様に感"
     "謝します。",
     "이 프로그램에는 많은 그래픽, 사운드, 음악 자료가 사용되었습니다.\n\r제작자분들께 "
     "감사드립니다."}};

constinit const TWordRow kWordMoreInHelp{
    {"More in detail in the help", "Подробнее в справке", "Mehr dazu in der Hilfe",
     "Plus de détails dans l'aide", "Más detalles en la ayuda", "详情请参阅帮助",
     "Maggiori dettagli nella guida", "Podrobnosti v nápovědě", "詳しくはヘルプをご覧ください",
     "자세한 내용은 도움말 참조"}};

constinit const TWordRow kWordOfficialSite{
    {"Official site:", "Официальный сайт:", "Offizielle Website:", "Site officiel :",
     "Sitio oficial:", "官方网站:", "Sito ufficiale:", "Oficiální stránky:", "公式サイト:",
     "공식 사이트:"}};

constinit const TWordRow kWordEmail{{"E-mail:", "Эл. почта:", "E-Mail:", "E-mail :", "Correo:",
                                     "电子邮件:", "E-mail:", "E-mail:", "メール:", "이메일:"}};

constinit const TWordRow kWordCreditsProgramming{
    {"Programming", "Программирование", "Programmierung", "Programmation", "Programación",
     "程序设计", "Programmazione", "Programování", "プログラミング", "프로그래밍"}};

constinit const TWordRow kWordCreditsGraphics{{"Graphics", "Графика", "Grafik", "Graphismes",
                                               "Gráficos", "美术", "Grafica", "Grafika",
                                               "グラフィック", "그래픽"}};

constinit const TWordRow kWordCreditsSoundsMusic{
    {"Sounds and music", "Звуки и музыка", "Klänge und Musik", "Sons et musique",
     "Sonidos y música", "音效与音乐", "Suoni e musica", "Zvuky a hudba", "サウンドと音楽",
     "사운드 및 음악"}};

constinit const TWordRow kWordCreditsTranslation{{"Translation", "Перевод", "Übersetzung",
                                                  "Traduction", "Traducción", "翻译", "Traduzione",
                                                  "Překlad", "翻訳", "번역"}};

// Local top ten

constinit const TWordRow kWordScoreTopTen{
    {"Score", "Счет", "Punkte", "Points", "Puntos", "得分", "Punti", "Skóre", "得点", "점수"}};

constinit const TWordRow kWordWindowsLocalGames{
    {"WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC",
     "WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC",
     "WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. LOCAL GAMES WITH PC",
     "WINDOWS. LOCAL GAMES WITH PC"}};

constinit const TWordRow kWordWindowsNetGames{
    {"WINDOWS. NET GAMES", "WINDOWS. NET GAMES", "WINDOWS. NET GAMES", "WINDOWS. NET GAMES",
     "WINDOWS. NET GAMES", "WINDOWS. NET GAMES", "WINDOWS. NET GAMES", "WINDOWS. NET GAMES",
     "WINDOWS. NET GAMES", "WINDOWS. NET GAMES"}};

// End of game

constinit const TWordRow kWordCompletionOfGame{
    {"The completion of game", "Окончание игры", "Spielende", "Fin de la partie",
     "Fin de la partida", "游戏结束", "Fine della partita", "Konec hry", "ゲーム終了",
     "게임 종료"}};

constinit const TWordRow kWordCongratulations{
    {"CONGRATULATIONS!!!", "ПОЗДРАВЛЯЕМ!!!", "HERZLICHEN GLÜCKWUNSCH!!!", "FÉLICITATIONS !!!",
     "¡¡¡ENHORABUENA!!!", "恭喜！！！", "CONGRATULAZIONI!!!", "GRATULUJEME!!!",
     "おめでとうございます！！！", "축하합니다!!!"}};

constinit const TWordRow kWordBestResult{
    {"Your result - the best!", "Ваш результат лучший!", "Ihr Ergebnis ist das beste!",
     "Votre résultat est le meilleur !", "¡Su resultado es el mejor!", "您的成绩是最好的！",
     "Il tuo risultato è il migliore!", "Váš výsledek je nejlepší!", "あなたの成績が最高です！",
     "최고의 기록입니다!"}};

constinit const TWordRow kWordGoodResult{
    {"Good result!", "Хороший результат!", "Gutes Ergebnis!", "Bon résultat !", "¡Buen resultado!",
     "成绩不错！", "Buon risultato!", "Dobrý výsledek!", "良い成績です！", "좋은 기록입니다!"}};

constinit const TWordRow kWordInTopTen{
    {"You have hitted in top ten players!", "Вы попали в десятку лучших игроков!",
     "Sie sind unter den zehn besten Spielern!", "Vous êtes parmi les dix meilleurs joueurs !",
     "¡Está entre los diez mejores jugadores!", "您进入了前十名！",
     "Sei tra i dieci migliori giocatori!", "Jste mezi deseti nejlepšími hráči!",
     "トップ10入りしました！", "상위 10위 안에 들었습니다!"}};

constinit const TWordRow kWordOurRegrets{{"Our regrets...", "Наши сожаления...", "Schade...",
                                          "Dommage...", "Lo sentimos...", "很遗憾...", "Peccato...",
                                          "Je nám líto...", "残念でした...", "아쉽습니다..."}};

constinit const TWordRow kWordResultWantsBetter{
    {"Your result keeps to wish best", "Ваш результат оставляет желать лучшего",
     "Ihr Ergebnis lässt zu wünschen übrig", "Votre résultat laisse à désirer",
     "Su resultado deja mucho que desear", "您的成绩还有待提高",
     "Il tuo risultato lascia a desiderare", "Váš výsledek má daleko k dokonalosti",
     "成績はまだまだです", "기록이 아쉽습니다"}};

constinit const TWordRow kWordNotInTopTen{
    {"You have not hitted in ten best players...", "Вы не попали в десятку лучших игроков...",
     "Sie sind nicht unter den zehn besten Spielern...",
     "Vous n'êtes pas parmi les dix meilleurs joueurs...",
     "No está entre los diez mejores jugadores...", "您未能进入前十名...",
     "Non sei tra i dieci migliori giocatori...", "Nejste mezi deseti nejlepšími hráči...",
     "トップ10には入れませんでした...", "상위 10위 안에 들지 못했습니다..."}};

constinit const TWordRow kWordResult{
    {"Result: ", "Результат: ", "Ergebnis: ", "Résultat : ", "Resultado: ", "成绩: ", "Risultato: ",
     "Výsledek: ", "成績: ", "기록: "}};

constinit const TWordRow kWordPlace{{"Place: ", "Место: ", "Platz: ", "Place : ", "Puesto: ",
                                     "名次: ", "Posizione: ", "Místo: ", "順位: ", "순위: "}};

constinit const TWordRow kWordVicePresident{
    {"You become the Vice-President of the order!", "Вы становитесь Вице-Президентом ордена!",
     "Sie werden Vizepräsident des Ordens!", "Vous devenez vice-président de l'Ordre !",
     "¡Se convierte en vicepresidente de la Orden!", "您成为了骑士团副会长！",
     "Diventi vicepresidente dell'Ordine!", "Stáváte se viceprezidentem řádu!",
     "騎士団の副会長になりました！", "기사단의 부회장이 되었습니다!"}};

constinit const TWordRow kWordMaster{
    {"You become a Master of the Order!", "Вы становитесь Магистром ордена!",
     "Sie werden Magister des Ordens!", "Vous devenez Maître de l'Ordre !",
     "¡Se convierte en Maestre de la Orden!", "您成为了骑士团大师！",
     "Diventi Maestro dell'Ordine!", "Stáváte se mistrem řádu!", "騎士団の総長になりました！",
     "기사단의 마스터가 되었습니다!"}};

constinit const TWordRow kWordBachelor{
    {"You become a Bachelor of the Order!", "Вы становитесь Бакалавром ордена!",
     "Sie werden Bakkalaureus des Ordens!", "Vous devenez Bachelier de l'Ordre !",
     "¡Se convierte en Bachiller de la Orden!", "您成为了骑士团学士！",
     "Diventi Baccelliere dell'Ordine!", "Stáváte se bakalářem řádu!", "騎士団の学士になりました！",
     "기사단의 학사가 되었습니다!"}};

constinit const TWordRow kWordKovs{
    {"Kovs", "Ковов", "Kovs", "Kovs", "Kovs", "Kov 币", "Kovs", "Kovů", "Kov", "Kov"}};

constinit const TWordRow kWordKovsTitle{
    {"Kovs", "Ковы", "Kovs", "Kovs", "Kovs", "Kov 币", "Kovs", "Kovy", "Kov", "Kov"}};

constinit const TWordRow kWordYouGet{{"You get", "Вы заработали", "Sie erhalten", "Vous gagnez",
                                      "Gana", "您获得", "Ottieni", "Získáváte", "獲得", "획득"}};

// Game history window

constinit const TWordRow kWordHistoryOfGames{{"History of games", "История игр", "Spielverlauf",
                                              "Historique des parties", "Historial de partidas",
                                              "对局历史", "Storico delle partite", "Historie her",
                                              "対局履歴", "게임 기록"}};

constinit const TWordRow kWordTime{
    {"Time", "Время", "Zeit", "Heure", "Hora", "时间", "Ora", "Čas", "時刻", "시간"}};

constinit const TWordRow kWordDate{
    {"Date", "Дата", "Datum", "Date", "Fecha", "日期", "Data", "Datum", "日付", "날짜"}};

constinit const TWordRow kWordGames{
    {"Games", "Коны", "Runden", "Manches", "Manos", "局数", "Mani", "Kola", "局数", "판 수"}};

constinit const TWordRow kWordResultColumn{{"Result", "Итог", "Ergebnis", "Résultat", "Resultado",
                                            "结果", "Risultato", "Výsledek", "結果", "결과"}};

constinit const TWordRow kWordRating{{"Rating", "Рейтинг", "Wertung", "Cote", "Nivel", "等级分",
                                      "Livello", "Hodnocení", "レーティング", "레이팅"}};

constinit const TWordRow kWordType{
    {"Type", "Тип игр", "Typ", "Type", "Tipo", "类型", "Tipo", "Typ", "種類", "유형"}};

constinit const TWordRow kWordCantSaveHistory{
    {"Cann`t save history!", "Не удалось сохранить историю!",
     "Verlauf kann nicht gespeichert werden!", "Impossible d'enregistrer l'historique !",
     "¡No se puede guardar el historial!", "无法保存历史记录！", "Impossibile salvare lo storico!",
     "Historii nelze uložit!", "履歴を保存できません！", "기록을 저장할 수 없습니다!"}};

constinit const TWordRow kWordFile{{"File ", "Файл ", "Datei ", "Fichier ", "Archivo ", "文件 ",
                                    "File ", "Soubor ", "ファイル ", "파일 "}};

constinit const TWordRow kWordNoHistoryFiles{{"No History Files", "Нет файлов истории",
                                              "Keine Verlaufsdateien", "Aucun fichier d'historique",
                                              "No hay archivos de historial", "没有历史文件",
                                              "Nessun file di storico", "Žádné soubory historie",
                                              "履歴ファイルがありません", "기록 파일 없음"}};

constinit const TWordRow kWordTypeLocal{{"Local", "Локальная", "Lokal", "Locale", "Local", "本地",
                                         "Locale", "Místní", "ローカル", "로컬"}};

constinit const TWordRow kWordTypeNet{
    {"Net", "Сеть", "Netzwerk", "Réseau", "Red", "局域网", "Rete", "Síť", "ネット", "네트워크"}};

constinit const TWordRow kWordTypeAccount{{"Account", "Аккаунт", "Konto", "Compte", "Cuenta",
                                           "账户", "Account", "Účet", "アカウント", "계정"}};

constinit const TWordRow kWordTypeTourney{{"Tourney", "Турнир", "Turnier", "Tournoi", "Torneo",
                                           "锦标赛", "Torneo", "Turnaj", "大会", "토너먼트"}};

// Game information window

constinit const TWordRow kWordGameInformation{
    {"Information about game", "Информация об игре", "Spielinformationen",
     "Informations sur la partie", "Información de la partida", "游戏信息",
     "Informazioni sulla partita", "Informace o hře", "ゲーム情報", "게임 정보"}};

constinit const TWordRow kWordCurrentScore{
    {"The current score:", "Текущий счёт:", "Aktueller Stand:", "Score actuel :",
     "Puntuación actual:", "当前得分:", "Punteggio attuale:", "Aktuální skóre:", "現在のスコア:",
     "현재 점수:"}};

constinit const TWordRow kWordInitialScore{
    {"The initial score:", "Начальный счёт:", "Anfangsstand:", "Score initial :",
     "Puntuación inicial:", "初始得分:", "Punteggio iniziale:", "Počáteční skóre:", "初期スコア:",
     "시작 점수:"}};

constinit const TWordRow kWordTotalScore{
    {"The general score:", "Общий счёт:", "Gesamtstand:", "Score total :", "Puntuación total:",
     "总得分:", "Punteggio totale:", "Celkové skóre:", "総合スコア:", "총점:"}};

constinit const TWordRow kWordKonNumberTotal{
    {"General number of game:", "Общий номер кона:", "Rundennummer gesamt:",
     "Numéro de manche global :", "Número total de mano:", "总局号:", "Numero totale della mano:",
     "Celkové číslo kola:", "通算局番号:", "전체 판 번호:"}};

constinit const TWordRow kWordKonNumberInCycle{
    {"Number of round in a current cycle:", "Номер кона в текущем цикле:",
     "Runde im aktuellen Zyklus:", "Manche dans le cycle en cours :", "Mano en el ciclo actual:",
     "本轮中的局号:", "Mano nel ciclo attuale:", "Kolo v aktuálním cyklu:",
     "現在のサイクルの局番号:", "현재 사이클의 판 번호:"}};

constinit const TWordRow kWordKonNumberInSession{
    {"Number of round in a current session:", "Номер кона в текущей сессии:",
     "Runde in der aktuellen Sitzung:", "Manche dans la session en cours :",
     "Mano en la sesión actual:", "本次会话中的局号:", "Mano nella sessione attuale:",
     "Kolo v aktuální relaci:", "現在のセッションの局番号:", "현재 세션의 판 번호:"}};

constinit const TWordRow kWordInitialRating{
    {"The initial rating:", "Начальный рейтинг:", "Anfangswertung:", "Cote initiale :",
     "Nivel inicial:", "初始等级分:", "Livello iniziale:", "Počáteční hodnocení:",
     "初期レーティング:", "시작 레이팅:"}};

constinit const TWordRow kWordCurrentRating{
    {"The current rating:", "Текущий рейтинг:", "Aktuelle Wertung:", "Cote actuelle :",
     "Nivel actual:", "当前等级分:", "Livello attuale:", "Aktuální hodnocení:",
     "現在のレーティング:", "현재 레이팅:"}};

constinit const TWordRow kWordCurrentGame{{"Current game", "Текущий кон", "Aktuelle Runde",
                                           "Manche en cours", "Mano actual", "当前局",
                                           "Mano attuale", "Aktuální kolo", "現在の局", "현재 판"}};

// Advertising and support windows

constinit const TWordRow kWordSupport{{"Support", "Поддержка", "Unterstützung", "Soutien", "Apoyo",
                                       "支持", "Sostegno", "Podpora", "サポート", "후원"}};

constinit const TWordRow kWordWorkingLongTime{
    {"We have been working on this game for a long time", "Мы долго работали над этой игрой",
     "Wir haben lange an diesem Spiel gearbeitet", "Nous avons longtemps travaillé sur ce jeu",
     "Hemos trabajado mucho tiempo en este juego", "我们为这款游戏付出了很长时间的努力",
     "Abbiamo lavorato a lungo a questo gioco", "Na této hře jsme dlouho pracovali",
     "私たちはこのゲームに長い時間をかけてきました", "저희는 오랫동안 이 게임을 만들어 왔습니다"}};

constinit const TWordRow kWordGladOfSupport{
    {"and we will be happy to get the financial support!", "и будем рады финансовой поддержке!",
     "und freuen uns über finanzielle Unterstützung!",
     "et nous serons heureux de recevoir un soutien financier !",
     "¡y agradeceremos su apoyo económico!", "如能获得您的资金支持，我们将不胜感激！",
     "e saremo felici di ricevere un sostegno economico!", "a budeme rádi za finanční podporu!",
     "ご支援いただければ幸いです！", "후원해 주시면 큰 힘이 됩니다!"}};

constinit const TWordRow kWordAdvertising{{"Advertising", "Реклама", "Werbung", "Publicité",
                                           "Publicidad", "广告", "Pubblicità", "Reklama", "広告",
                                           "광고"}};

constinit const TWordRow kWordSupportUs{
    {"Support us!", "Поддержите нас!", "Unterstützen Sie uns!", "Soutenez-nous !", "¡Apóyenos!",
     "支持我们！", "Sostienici!", "Podpořte nás!", "応援してください！", "후원해 주세요!"}};

constinit const TWordRow kWordOurGames{{"Our games", "Наши игры", "Unsere Spiele", "Nos jeux",
                                        "Nuestros juegos", "我们的游戏", "I nostri giochi",
                                        "Naše hry", "私たちのゲーム", "저희 게임"}};

namespace {

const TNamedWordRow kRows[] = {
    {"kWordTitle", &kWordTitle},
    {"kWordNewPlayer", &kWordNewPlayer},
    {"kWordOptions", &kWordOptions},
    {"kWordTopTen", &kWordTopTen},
    {"kWordExit", &kWordExit},
    {"kWordHistory", &kWordHistory},
    {"kWordMode", &kWordMode},
    {"kWordClubListHeader/1", &kWordClubListHeader[0]},
    {"kWordClubListHeader/2", &kWordClubListHeader[1]},
    {"kWordExitToMenu", &kWordExitToMenu},
    {"kWordLeaveToMenuQuestion", &kWordLeaveToMenuQuestion},
    {"kWordDataWillBeLost", &kWordDataWillBeLost},
    {"kWordLeaveGameQuestion", &kWordLeaveGameQuestion},
    {"kWordGeneralScore", &kWordGeneralScore},
    {"kWordChangeName", &kWordChangeName},
    {"kWordHelp", &kWordHelp},
    {"kWordAbout", &kWordAbout},
    {"kWordNameChanged", &kWordNameChanged},
    {"kWordGamesInCycle", &kWordGamesInCycle},
    {"kWordClient", &kWordClient},
    {"kWordServer", &kWordServer},
    {"kWordHasInterruptedGame", &kWordHasInterruptedGame},
    {"kWordPressOkToExit", &kWordPressOkToExit},
    {"kWordThankYouForSupport", &kWordThankYouForSupport},
    {"kWordPlayOtherGames", &kWordPlayOtherGames},
    {"kWordMoreGames", &kWordMoreGames},
    {"kWordOnGooglePlay", &kWordOnGooglePlay},
    {"kWordPleaseWait", &kWordPleaseWait},
    {"kWordChat", &kWordChat},
    {"kWordStatistics", &kWordStatistics},
    {"kWordCouldNotConnect", &kWordCouldNotConnect},
    {"kWordRepeatQuestion", &kWordRepeatQuestion},
    {"kWordRatedGamePending", &kWordRatedGamePending},
    {"kWordNotLoggedIn", &kWordNotLoggedIn},
    {"kWordLoggedIn", &kWordLoggedIn},
    {"kWordCreatingGif", &kWordCreatingGif},
    {"kWordSpeed", &kWordSpeed},
    {"kWordPass", &kWordPass},
    {"kWordRadio", &kWordRadio},
    {"kWordDynamicIq", &kWordDynamicIq},
    {"kWordGamesPlayedWithPc", &kWordGamesPlayedWithPc},
    {"kWordBestWindowsPlayer", &kWordBestWindowsPlayer},
    {"kWordBestAndroidPlayer", &kWordBestAndroidPlayer},
    {"kWordBestAccountPlayer", &kWordBestAccountPlayer},
    {"kWordNo", &kWordNo},
    {"kWordYes", &kWordYes},
    {"kWordOk", &kWordOk},
    {"kWordAttention", &kWordAttention},
    {"kWordLostConnection", &kWordLostConnection},
    {"kWordPlayer", &kWordPlayer},
    {"kWordInterruptedGame", &kWordInterruptedGame},
    {"kWordYouWon", &kWordYouWon},
    {"kWordYouLose", &kWordYouLose},
    {"kWordPlayerTimeUp", &kWordPlayerTimeUp},
    {"kWordTimeIsUp", &kWordTimeIsUp},
    {"kWordLogInToAccount", &kWordLogInToAccount},
    {"kWordYourTimeIsUp", &kWordYourTimeIsUp},
    {"kWordOnlineTournament", &kWordOnlineTournament},
    {"kWordHelpNotTranslated", &kWordHelpNotTranslated},
    {"kWordNoConnect", &kWordNoConnect},
    {"kWordNoConnectMessage", &kWordNoConnectMessage},
    {"kWordNoConnectUpper", &kWordNoConnectUpper},
    {"kWordKovNews", &kWordKovNews},
    {"kWordKovChat", &kWordKovChat},
    {"kWordApkUnavailable", &kWordApkUnavailable},
    {"kWordWaitingForServer", &kWordWaitingForServer},
    {"kWordNextGame", &kWordNextGame},
    {"kWordKon", &kWordKon},
    {"kWordToBegin", &kWordToBegin},
    {"kWordBank", &kWordBank},
    {"kWordTotalOfGame", &kWordTotalOfGame},
    {"kWordIncorrectName", &kWordIncorrectName},
    {"kWordPasswordsDiffer", &kWordPasswordsDiffer},
    {"kWordIncorrectPassword", &kWordIncorrectPassword},
    {"kWordWelcome", &kWordWelcome},
    {"kWordEnterName", &kWordEnterName},
    {"kWordEnterPassword", &kWordEnterPassword},
    {"kWordPasswordAgain", &kWordPasswordAgain},
    {"kWordMrX", &kWordMrX},
    {"kWordCancel", &kWordCancel},
    {"kWordIncorrectIp", &kWordIncorrectIp},
    {"kWordIncorrectPort", &kWordIncorrectPort},
    {"kWordEnterServerIp", &kWordEnterServerIp},
    {"kWordEnterServerPort", &kWordEnterServerPort},
    {"kWordNumberGames", &kWordNumberGames},
    {"kWordServerClient", &kWordServerClient},
    {"kWordServerCreatesGame", &kWordServerCreatesGame},
    {"kWordClientJoinsGame", &kWordClientJoinsGame},
    {"kWordGetIpAddresses", &kWordGetIpAddresses},
    {"kWordLoopback", &kWordLoopback},
    {"kWordWaitingForPlayers", &kWordWaitingForPlayers},
    {"kWordWaitingForGame", &kWordWaitingForGame},
    {"kWordSecondPlayerConnected", &kWordSecondPlayerConnected},
    {"kWordThirdPlayerConnected", &kWordThirdPlayerConnected},
    {"kWordFourthPlayerConnected", &kWordFourthPlayerConnected},
    {"kWordNoAccessibleGames", &kWordNoAccessibleGames},
    {"kWordChoiceOfSpeed", &kWordChoiceOfSpeed},
    {"kWordSelectFlightSpeed", &kWordSelectFlightSpeed},
    {"kWordAboutCredits", &kWordAboutCredits},
    {"kWordMoreInHelp", &kWordMoreInHelp},
    {"kWordOfficialSite", &kWordOfficialSite},
    {"kWordEmail", &kWordEmail},
    {"kWordCreditsProgramming", &kWordCreditsProgramming},
    {"kWordCreditsGraphics", &kWordCreditsGraphics},
    {"kWordCreditsSoundsMusic", &kWordCreditsSoundsMusic},
    {"kWordCreditsTranslation", &kWordCreditsTranslation},
    {"kWordScoreTopTen", &kWordScoreTopTen},
    {"kWordWindowsLocalGames", &kWordWindowsLocalGames},
    {"kWordWindowsNetGames", &kWordWindowsNetGames},
    {"kWordCompletionOfGame", &kWordCompletionOfGame},
    {"kWordCongratulations", &kWordCongratulations},
    {"kWordBestResult", &kWordBestResult},
    {"kWordGoodResult", &kWordGoodResult},
    {"kWordInTopTen", &kWordInTopTen},
    {"kWordOurRegrets", &kWordOurRegrets},
    {"kWordResultWantsBetter", &kWordResultWantsBetter},
    {"kWordNotInTopTen", &kWordNotInTopTen},
    {"kWordResult", &kWordResult},
    {"kWordPlace", &kWordPlace},
    {"kWordVicePresident", &kWordVicePresident},
    {"kWordMaster", &kWordMaster},
    {"kWordBachelor", &kWordBachelor},
    {"kWordKovs", &kWordKovs},
    {"kWordKovsTitle", &kWordKovsTitle},
    {"kWordYouGet", &kWordYouGet},
    {"kWordHistoryOfGames", &kWordHistoryOfGames},
    {"kWordTime", &kWordTime},
    {"kWordDate", &kWordDate},
    {"kWordGames", &kWordGames},
    {"kWordResultColumn", &kWordResultColumn},
    {"kWordRating", &kWordRating},
    {"kWordType", &kWordType},
    {"kWordCantSaveHistory", &kWordCantSaveHistory},
    {"kWordFile", &kWordFile},
    {"kWordNoHistoryFiles", &kWordNoHistoryFiles},
    {"kWordTypeLocal", &kWordTypeLocal},
    {"kWordTypeNet", &kWordTypeNet},
    {"kWordTypeAccount", &kWordTypeAccount},
    {"kWordTypeTourney", &kWordTypeTourney},
    {"kWordGameInformation", &kWordGameInformation},
    {"kWordCurrentScore", &kWordCurrentScore},
    {"kWordInitialScore", &kWordInitialScore},
    {"kWordTotalScore", &kWordTotalScore},
    {"kWordKonNumberTotal", &kWordKonNumberTotal},
    {"kWordKonNumberInCycle", &kWordKonNumberInCycle},
    {"kWordKonNumberInSession", &kWordKonNumberInSession},
    {"kWordInitialRating", &kWordInitialRating},
    {"kWordCurrentRating", &kWordCurrentRating},
    {"kWordCurrentGame", &kWordCurrentGame},
    {"kWordSupport", &kWordSupport},
    {"kWordWorkingLongTime", &kWordWorkingLongTime},
    {"kWordGladOfSupport", &kWordGladOfSupport},
    {"kWordAdvertising", &kWordAdvertising},
    {"kWordSupportUs", &kWordSupportUs},
    {"kWordOurGames", &kWordOurGames},
};

}  // namespace

std::span<const TNamedWordRow> words::MenuWordRows() {
  return kRows;
}

}  // namespace zendral

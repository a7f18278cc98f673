// Word table data: the passport, the account windows, the world top ten, chat, statistics, the
// online tournament, file and resource errors and the radio.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/WordLists.h"
#include "present/words/WordRows.h"

namespace zendral {

// Player passport and continents

constinit const TWordRow kWordNick{{"Nick", "Ник", "Nick", "Pseudo", "Apodo", "昵称", "Nick",
                                    "Přezdívka", "ニックネーム", "닉네임"}};

constinit const TWordRow kWordCountry{
    {"Country", "Страна", "Land", "Pays", "País", "国家", "Paese", "Země", "国", "국가"}};

constinit const TWordRow kWordCity{
    {"City", "Город", "Stadt", "Ville", "Ciudad", "城市", "Città", "Město", "都市", "도시"}};

constinit const TWordRow kWordSex{
    {"Sex", "Пол", "Geschlecht", "Sexe", "Sexo", "性别", "Sesso", "Pohlaví", "性別", "성별"}};

constinit const TWordRow kWordEurope{{"Europe", "Европа", "Europa", "Europe", "Europa", "欧洲",
                                      "Europa", "Evropa", "ヨーロッパ", "유럽"}};

constinit const TWordRow kWordAsia{
    {"Asia", "Азия", "Asien", "Asie", "Asia", "亚洲", "Asia", "Asie", "アジア", "아시아"}};

constinit const TWordRow kWordNorthAmerica{
    {"North America", "Северная Америка", "Nordamerika", "Amérique du Nord", "América del Norte",
     "北美洲", "America del Nord", "Severní Amerika", "北アメリカ", "북아메리카"}};

constinit const TWordRow kWordSouthAmerica{
    {"South America", "Южная Америка", "Südamerika", "Amérique du Sud", "América del Sur", "南美洲",
     "America del Sud", "Jižní Amerika", "南アメリカ", "남아메리카"}};

constinit const TWordRow kWordOceania{{"Oceania", "Океания", "Ozeanien", "Océanie", "Oceanía",
                                       "大洋洲", "Oceania", "Oceánie", "オセアニア", "오세아니아"}};

constinit const TWordRow kWordAfrica{{"Africa", "Африка", "Afrika", "Afrique", "África", "非洲",
                                      "Africa", "Afrika", "アフリカ", "아프리카"}};

constinit const TWordRow kWordMale{
    {"Male", "Мужской", "Männlich", "Homme", "Hombre", "男", "Maschio", "Muž", "男性", "남성"}};

constinit const TWordRow kWordFemale{
    {"Female", "Женский", "Weiblich", "Femme", "Mujer", "女", "Femmina", "Žena", "女性", "여성"}};

constinit const TWordRow kWordMyPassport{
    {"My Passport", "Мой паспорт", "Mein Spielerpass", "Mon passeport", "Mi pasaporte", "我的护照",
     "Il mio passaporto", "Můj pas", "マイパスポート", "내 여권"}};

constinit const TWordRow kWordMan{
    {"Man", "Мужчина", "Mann", "Homme", "Hombre", "男", "Uomo", "Muž", "男性", "남성"}};

constinit const TWordRow kWordWoman{
    {"Woman", "Женщина", "Frau", "Femme", "Mujer", "女", "Donna", "Žena", "女性", "여성"}};

// Account windows

constinit const TWordRow kWordClubQuillmark{
    {"CLUB \"QUILLMARK\"", "КЛУБ \"QUILLMARK\"", "KLUB \"QUILLMARK\"", "CLUB \"QUILLMARK\"",
     "CLUB \"QUILLMARK\"", "\"QUILLMARK\" 俱乐部", "CLUB \"QUILLMARK\"", "KLUB \"QUILLMARK\"",
     "クラブ \"QUILLMARK\"", "\"QUILLMARK\" 클럽"}};

constinit const TWordRow kWordMyAccount{{"My account", "Мой аккаунт", "Mein Konto", "Mon compte",
                                         "Mi cuenta", "我的账户", "Il mio account", "Můj účet",
                                         "マイアカウント", "내 계정"}};

constinit const TWordRow kWordMyResults{
    {"My results", "Мои результаты", "Meine Ergebnisse", "Mes résultats", "Mis resultados",
     "我的成绩", "I miei risultati", "Moje výsledky", "マイ成績", "내 기록"}};

constinit const TWordRow kWordLoginToAccount{{"Login to account", "Войти в аккаунт", "Anmelden",
                                              "Se connecter", "Iniciar sesión", "登录账户",
                                              "Accedi", "Přihlásit se", "ログイン", "로그인"}};

constinit const TWordRow kWordSignOut{{"Sign out", "Выйти", "Abmelden", "Se déconnecter",
                                       "Cerrar sesión", "退出登录", "Esci", "Odhlásit se",
                                       "ログアウト", "로그아웃"}};

constinit const TWordRow kWordAccountInformation{
    {"Your account information", "Информация о Вашем аккаунте", "Ihre Kontodaten",
     "Informations sur votre compte", "Información de su cuenta", "您的账户信息",
     "Dati del tuo account", "Údaje vašeho účtu", "アカウント情報", "계정 정보"}};

constinit const TWordRow kWordPassword{{"Password", "Пароль", "Passwort", "Mot de passe",
                                        "Contraseña", "密码", "Password", "Heslo", "パスワード",
                                        "비밀번호"}};

constinit const TWordRow kWordRegistration{{"Registration", "Регистрация", "Registrierung",
                                            "Inscription", "Registro", "注册日期", "Registrazione",
                                            "Registrace", "登録日", "가입일"}};

constinit const TWordRow kWordHidePassword{{"Hide password", "Скрыть пароль", "Passwort verbergen",
                                            "Masquer le mot de passe", "Ocultar contraseña",
                                            "隐藏密码", "Nascondi password", "Skrýt heslo",
                                            "パスワードを隠す", "비밀번호 숨기기"}};

constinit const TWordRow kWordPlayGlobalRating{
    {"Play global rating", "Играть на глобальный рейтинг", "Um die globale Wertung spielen",
     "Jouer pour la cote mondiale", "Jugar por el nivel global", "参加全球等级分对局",
     "Gioca per il livello globale", "Hrát o globální hodnocení",
     "グローバルレーティング戦をプレイ", "글로벌 레이팅 게임 하기"}};

constinit const TWordRow kWordClubMembers{
    {"Club members: ", "Членов клуба: ", "Clubmitglieder: ", "Membres du club : ",
     "Miembros del club: ", "俱乐部成员: ", "Membri del club: ", "Členové klubu: ",
     "クラブメンバー: ", "클럽 회원: "}};

constinit const TWordRow kWordAccountCreated{
    {"Your account has been successfully created!", "Ваш аккаунт успешно создан!",
     "Ihr Konto wurde erfolgreich erstellt!", "Votre compte a été créé !",
     "¡Su cuenta se ha creado correctamente!", "您的账户已成功创建！",
     "Il tuo account è stato creato!", "Váš účet byl úspěšně vytvořen!",
     "アカウントが作成されました！", "계정이 생성되었습니다!"}};

constinit const TWordRow kWordNickTaken{
    {"The club already has a player with the same Nick!",
     "В клубе уже есть игрок с таким же Ником!",
     "Im Club gibt es bereits einen Spieler mit diesem Nick!",
     "Le club a déjà un joueur avec ce pseudo !", "¡El club ya tiene un jugador con ese apodo!",
     "俱乐部中已有同名玩家！", "Nel club c'è già un giocatore con questo nick!",
     "V klubu už je hráč se stejnou přezdívkou!",
     "クラブには同じニックネームのプレイヤーがすでにいます！",
     "클럽에 같은 닉네임의 플레이어가 이미 있습니다!"}};

constinit const TWordRow kWordCouldNotCreateAccount{
    {"Could not create account!", "Не удалось создать аккаунт!",
     "Konto konnte nicht erstellt werden!", "Impossible de créer le compte !",
     "¡No se pudo crear la cuenta!", "无法创建账户！", "Impossibile creare l'account!",
     "Účet se nepodařilo vytvořit!", "アカウントを作成できませんでした！",
     "계정을 만들 수 없습니다!"}};

constinit const TWordRow kWordLoginFailed{
    {"Login failed!", "Не удалось войти в аккаунт!", "Anmeldung fehlgeschlagen!",
     "Échec de la connexion !", "¡Error al iniciar sesión!", "登录失败！", "Accesso non riuscito!",
     "Přihlášení se nezdařilo!", "ログインに失敗しました！", "로그인에 실패했습니다!"}};

constinit const TWordRow kWordInfoAboutYourGames{
    {"Information about your games", "Информация о Ваших играх", "Informationen zu Ihren Spielen",
     "Informations sur vos parties", "Información sobre sus partidas", "您的对局信息",
     "Informazioni sulle tue partite", "Informace o vašich hrách", "あなたの対局情報",
     "내 게임 정보"}};

constinit const TWordRow kWordPlaceLabel{
    {"Place", "Место", "Platz", "Rang", "Puesto", "名次", "Posizione", "Místo", "順位", "순위"}};

constinit const TWordRow kWordPlayedGames{
    {"Played games", "Сыграно конов", "Gespielte Runden", "Manches jouées", "Manos jugadas",
     "已玩局数", "Mani giocate", "Odehraná kola", "対局数", "플레이한 판 수"}};

constinit const TWordRow kWordMyBestScore{
    {"My best score", "Мой лучший результат", "Mein bestes Ergebnis", "Mon meilleur score",
     "Mi mejor puntuación", "我的最佳成绩", "Il mio miglior punteggio", "Můj nejlepší výsledek",
     "自己ベスト", "내 최고 기록"}};

constinit const TWordRow kWordTop10{{"Top 10", "Top 10", "Top 10", "Top 10", "Top 10", "前十名",
                                     "Top 10", "Top 10", "トップ10", "톱 10"}};

constinit const TWordRow kWordTop10BestRated{
    {"Top 10 best rated players", "Top 10 лучших игроков по рейтингу",
     "Top 10 der bestbewerteten Spieler", "Top 10 des joueurs les mieux cotés",
     "Top 10 de los jugadores de mayor nivel", "等级分前十名玩家",
     "Top 10 dei giocatori di livello più alto", "Top 10 nejlépe hodnocených hráčů",
     "レーティング上位10人", "레이팅 상위 10명"}};

constinit const TWordRow kWordCreateAccount{{"Create an account", "Создать аккаунт",
                                             "Konto erstellen", "Créer un compte",
                                             "Crear una cuenta", "创建账户", "Crea un account",
                                             "Vytvořit účet", "アカウント作成", "계정 만들기"}};

constinit const TWordRow kWordSave{{"Save", "Сохранить", "Speichern", "Enregistrer", "Guardar",
                                    "保存", "Salva", "Uložit", "保存", "저장"}};

constinit const TWordRow kWordDelete{{"Delete", "Удалить", "Löschen", "Supprimer", "Eliminar",
                                      "删除", "Elimina", "Smazat", "削除", "삭제"}};

constinit const TWordRow kWordPlayedCycles{
    {"Played cycles", "Сыграно циклов", "Gespielte Zyklen", "Cycles joués", "Ciclos jugados",
     "已玩轮数", "Cicli giocati", "Odehrané cykly", "サイクル数", "플레이한 사이클"}};

constinit const TWordRow kWordCurrentDeal{{"Current Deal", "Текущий кон", "Aktuelle Runde",
                                           "Manche en cours", "Mano actual", "当前局",
                                           "Mano attuale", "Aktuální kolo", "現在の局", "현재 판"}};

constinit const TWordRow kWordCurrentScoreLabel{
    {"Current Score", "Текущий счёт", "Aktueller Stand", "Score actuel", "Puntuación actual",
     "当前得分", "Punteggio attuale", "Aktuální skóre", "現在のスコア", "현재 점수"}};

constinit const TWordRow kWordTransfer{{"Transfer", "Перевод", "Überweisung", "Virement",
                                        "Transferencia", "转账", "Trasferimento", "Převod", "送金",
                                        "송금"}};

constinit const TWordRow kWordTransferQuestion{
    {"Do you really want to transfer to a club member",
     "Вы действительно хотите перевести члену клуба", "Wirklich überweisen an Clubmitglied",
     "Voulez-vous vraiment virer au membre du club",
     "¿Realmente desea transferir al miembro del club", "您确定要转账给俱乐部成员",
     "Vuoi davvero trasferire al membro del club", "Opravdu chcete převést členovi klubu",
     "クラブメンバーへの送金を確認します:", "다음 클럽 회원에게 송금하시겠습니까:"}};

constinit const TWordRow kWordTransferSuccessful{
    {"Transfer is successful!", "Перевод успешен!", "Überweisung erfolgreich!", "Virement réussi !",
     "¡Transferencia realizada!", "转账成功！", "Trasferimento riuscito!",
     "Převod proběhl úspěšně!", "送金が完了しました！", "송금이 완료되었습니다!"}};

constinit const TWordRow kWordNotEnoughKovs{
    {"You do not have enough Kovs to transfer!", "У Вас недостаточно Ковов для перевода!",
     "Sie haben nicht genug Kovs für die Überweisung!",
     "Vous n'avez pas assez de Kovs pour ce virement !",
     "¡No tiene suficientes Kovs para transferir!", "您的 Kov 币不足，无法转账！",
     "Non hai abbastanza Kovs per il trasferimento!", "Nemáte dost Kovů k převodu!",
     "送金するKovが足りません！", "송금할 Kov가 부족합니다!"}};

constinit const TWordRow kWordEmptyTransfer{
    {"I can not make an empty transfer!", "Не могу совершить пустой перевод!",
     "Eine leere Überweisung ist nicht möglich!", "Impossible d'effectuer un virement vide !",
     "¡No se puede hacer una transferencia vacía!", "无法进行零金额转账！",
     "Impossibile effettuare un trasferimento vuoto!", "Nelze provést prázdný převod!",
     "0の送金はできません！", "0 송금은 할 수 없습니다!"}};

constinit const TWordRow kWordNoSuchMember{
    {"There is no club member with that nick!", "Не существует члена клуба с таким ником!",
     "Es gibt kein Clubmitglied mit diesem Nick!", "Aucun membre du club n'a ce pseudo !",
     "¡No hay ningún miembro del club con ese apodo!", "没有使用该昵称的俱乐部成员！",
     "Non esiste un membro del club con questo nick!", "Člen klubu s touto přezdívkou neexistuje!",
     "そのニックネームのクラブメンバーはいません！", "해당 닉네임의 클럽 회원이 없습니다!"}};

constinit const TWordRow kWordTransferKovs{
    {"Transfer Kovs", "Перевести Ковы", "Kovs überweisen", "Virer des Kovs", "Transferir Kovs",
     "转账 Kov 币", "Trasferisci Kovs", "Převést Kovy", "Kovを送金", "Kov 송금"}};

constinit const TWordRow kWordTransferAmount{
    {"Transfer amount", "Сумма перевода", "Betrag", "Montant du virement", "Importe a transferir",
     "转账金额", "Importo", "Částka převodu", "送金額", "송금액"}};

constinit const TWordRow kWordTransferRecipient{
    {"Nick of the club member you want to transfer to",
     "Ник члена клуба, которому Вы хотите перевести",
     "Nick des Clubmitglieds, an das Sie überweisen möchten",
     "Pseudo du membre du club destinataire", "Apodo del miembro del club destinatario",
     "收款俱乐部成员的昵称", "Nick del membro del club a cui trasferire",
     "Přezdívka člena klubu, kterému chcete převést", "送金先のクラブメンバーのニックネーム",
     "송금받을 클럽 회원의 닉네임"}};

constinit const TWordRow kWordAboutMe{{"About me", "Обо мне", "Über mich", "À propos de moi",
                                       "Sobre mí", "关于我", "Su di me", "O mně", "自己紹介",
                                       "내 소개"}};

constinit const TWordRow kWordPresident{{"President", "Президент", "Präsident", "Président",
                                         "Presidente", "会长", "Presidente", "Prezident", "会長",
                                         "회장"}};

constinit const TWordRow kWordRefresh{{"Refresh", "Обновить", "Aktualisieren", "Actualiser",
                                       "Actualizar", "刷新", "Aggiorna", "Obnovit", "更新",
                                       "새로 고침"}};

constinit const TWordRow kWordCopiedToClipboard{
    {"Copied to clipboard!", "Скопировано в буфер обмена!", "In die Zwischenablage kopiert!",
     "Copié dans le presse-papiers !", "¡Copiado al portapapeles!", "已复制到剪贴板！",
     "Copiato negli appunti!", "Zkopírováno do schránky!", "クリップボードにコピーしました！",
     "클립보드에 복사했습니다!"}};

constinit const TWordRow kWordPresidentOfOrder{
    {"President of the Order", "Президент Ордена", "Präsident des Ordens", "Président de l'Ordre",
     "Presidente de la Orden", "骑士团会长", "Presidente dell'Ordine", "Prezident řádu",
     "騎士団の会長", "기사단 회장"}};

constinit const TWordRow kWordYourName{{"Your name", "Ваше имя", "Ihr Vorname", "Votre prénom",
                                        "Su nombre", "您的名字", "Il tuo nome", "Vaše jméno", "名",
                                        "이름"}};

constinit const TWordRow kWordYourLastName{{"Your last name", "Ваша фамилия", "Ihr Nachname",
                                            "Votre nom", "Sus apellidos", "您的姓氏",
                                            "Il tuo cognome", "Vaše příjmení", "姓", "성"}};

constinit const TWordRow kWordBriefInfo{
    {"Brief information about you", "Коротко о себе", "Kurz über Sie", "Quelques mots sur vous",
     "Breve información sobre usted", "个人简介", "Breve descrizione di te", "Stručně o vás",
     "簡単な自己紹介", "간단한 자기소개"}};

constinit const TWordRow kWordYourPhone{
    {"Your phone number", "Ваш номер телефона", "Ihre Telefonnummer", "Votre numéro de téléphone",
     "Su número de teléfono", "您的电话号码", "Il tuo numero di telefono", "Vaše telefonní číslo",
     "電話番号", "전화번호"}};

constinit const TWordRow kWordYourEmail{{"Your e-mail", "Ваш e-mail", "Ihre E-Mail", "Votre e-mail",
                                         "Su correo electrónico", "您的电子邮件", "La tua e-mail",
                                         "Váš e-mail", "メールアドレス", "이메일"}};

constinit const TWordRow kWordYourWebSite{
    {"Your web site", "Ваш сайт", "Ihre Website", "Votre site web", "Su sitio web", "您的网站",
     "Il tuo sito web", "Váš web", "ウェブサイト", "웹사이트"}};

constinit const TWordRow kWordYourSkype{{"Your skype", "Ваш skype", "Ihr Skype", "Votre Skype",
                                         "Su Skype", "您的 Skype", "Il tuo Skype", "Váš Skype",
                                         "Skype", "Skype"}};

constinit const TWordRow kWordYourOk{{"Your OK", "Ваш страничка в одноклассниках", "Ihr OK-Profil",
                                      "Votre page OK", "Su página de OK", "您的 OK 主页",
                                      "La tua pagina OK", "Vaše stránka OK", "OKのページ",
                                      "OK 페이지"}};

constinit const TWordRow kWordYourVk{
    {"Your VK", "Ваш страничка в контакте", "Ihr VK-Profil", "Votre page VK", "Su página de VK",
     "您的 VK 主页", "La tua pagina VK", "Vaše stránka VK", "VKのページ", "VK 페이지"}};

constinit const TWordRow kWordYourTelegram{
    {"Your Telegram", "Ваш Telegram", "Ihr Telegram", "Votre Telegram", "Su Telegram",
     "您的 Telegram", "Il tuo Telegram", "Váš Telegram", "Telegram", "Telegram"}};

constinit const TWordRow kWordYourFacebook{
    {"Your Facebook", "Ваш Facebook", "Ihr Facebook", "Votre Facebook", "Su Facebook",
     "您的 Facebook", "Il tuo Facebook", "Váš Facebook", "Facebook", "Facebook"}};

constinit const TWordRow kWordYourTwitter{{"Your Twitter", "Ваш Twitter", "Ihr Twitter",
                                           "Votre Twitter", "Su Twitter", "您的 Twitter",
                                           "Il tuo Twitter", "Váš Twitter", "Twitter", "Twitter"}};

constinit const TWordRow kWordYourInstagram{
    {"Your Instagram", "Ваш Instagram", "Ihr Instagram", "Votre Instagram", "Su Instagram",
     "您的 Instagram", "Il tuo Instagram", "Váš Instagram", "Instagram", "Instagram"}};

constinit const TWordRow kWordYourYouTube{{"Your YouTube", "Ваш YouTube", "Ihr YouTube",
                                           "Votre YouTube", "Su YouTube", "您的 YouTube",
                                           "Il tuo YouTube", "Váš YouTube", "YouTube", "YouTube"}};

constinit const TWordRow kWordPhotoFormat{
    {"The photo must be in jpg format 200x250 pixels in size!",
     "Фотография должна быть в формате jpg размером 200x250 пикселей!",
     "Das Foto muss im JPG-Format mit 200x250 Pixeln sein!",
     "La photo doit être au format jpg de 200x250 pixels !",
     "¡La foto debe estar en formato jpg de 200x250 píxeles!",
     "照片必须是 200x250 像素的 jpg 格式！", "La foto deve essere in formato jpg da 200x250 pixel!",
     "Fotografie musí být ve formátu jpg o velikosti 200x250 pixelů!",
     "写真は200x250ピクセルのjpg形式にしてください！",
     "사진은 200x250 픽셀 크기의 jpg 형식이어야 합니다!"}};

constinit const TWordRow kWordPhotoUploadFailed{
    {"Failed to upload photo to server!", "Не удалось загрузить фото на сервер!",
     "Das Foto konnte nicht hochgeladen werden!", "Échec de l'envoi de la photo au serveur !",
     "¡No se pudo subir la foto al servidor!", "照片上传到服务器失败！",
     "Impossibile caricare la foto sul server!", "Fotografii se nepodařilo nahrát na server!",
     "写真をサーバーにアップロードできませんでした！", "사진을 서버에 업로드하지 못했습니다!"}};

constinit const TWordRow kWordInfoVisible{
    {"This information may be visible to other club members.",
     "Эта информация может быть видна другим членам клуба.",
     "Diese Angaben können für andere Clubmitglieder sichtbar sein.",
     "Ces informations peuvent être visibles par les autres membres du club.",
     "Esta información puede ser visible para otros miembros del club.",
     "其他俱乐部成员可能会看到这些信息。",
     "Queste informazioni possono essere visibili agli altri membri del club.",
     "Tyto údaje mohou vidět ostatní členové klubu.",
     "この情報は他のクラブメンバーに表示されることがあります。",
     "이 정보는 다른 클럽 회원에게 보일 수 있습니다."}};

constinit const TWordRow kWordUpdateInfo{
    {"Update info", "Обновить данные", "Daten aktualisieren", "Mettre à jour", "Actualizar datos",
     "更新信息", "Aggiorna dati", "Aktualizovat údaje", "情報を更新", "정보 업데이트"}};

constinit const TWordRow kWordRefreshPhoto{
    {"Refresh photo", "Обновить фото", "Foto aktualisieren", "Changer la photo", "Actualizar foto",
     "更新照片", "Aggiorna foto", "Aktualizovat fotku", "写真を更新", "사진 업데이트"}};

constinit const TWordRow kWordClose{{"Close", "Закрыть", "Schließen", "Fermer", "Cerrar", "关闭",
                                     "Chiudi", "Zavřít", "閉じる", "닫기"}};

// World top ten and results upload

constinit const TWordRow kWordWorldTopTenUnavailable{
    {"World Top Ten Tournament is temporarily unavailable!",
     "Турнир World Top Ten временно недоступен!",
     "Das Turnier World Top Ten ist vorübergehend nicht verfügbar!",
     "Le tournoi World Top Ten est temporairement indisponible !",
     "¡El torneo World Top Ten no está disponible temporalmente!",
     "World Top Ten 锦标赛暂时不可用！",
     "Il torneo World Top Ten è temporaneamente non disponibile!",
     "Turnaj World Top Ten je dočasně nedostupný!",
     "World Top Ten トーナメントは一時的に利用できません！",
     "World Top Ten 토너먼트를 일시적으로 이용할 수 없습니다!"}};

constinit const TWordRow kWordCantWriteResult{
    {"Unable to write the result of the game!", "Не удалось записать результат игры!",
     "Das Spielergebnis konnte nicht gespeichert werden!",
     "Impossible d'enregistrer le résultat de la partie !",
     "¡No se pudo guardar el resultado de la partida!", "无法保存对局结果！",
     "Impossibile salvare il risultato della partita!", "Výsledek hry se nepodařilo zapsat!",
     "対局結果を記録できませんでした！", "게임 결과를 기록할 수 없습니다!"}};

constinit const TWordRow kWordSend{{"Send", "Отправить", "Senden", "Envoyer", "Enviar", "发送",
                                    "Invia", "Odeslat", "送信", "보내기"}};

constinit const TWordRow kWordYourScore{{"Your score", "Ваш счёт", "Ihr Stand", "Votre score",
                                         "Su puntuación", "您的得分", "Il tuo punteggio",
                                         "Vaše skóre", "あなたのスコア", "내 점수"}};

constinit const TWordRow kWordYourPlace{{"Your place", "Ваше место", "Ihr Platz", "Votre rang",
                                         "Su puesto", "您的名次", "La tua posizione",
                                         "Vaše umístění", "あなたの順位", "내 순위"}};

constinit const TWordRow kWordNumberOfGames{
    {"Number of games", "Всего игр", "Anzahl der Spiele", "Nombre de parties", "Número de partidas",
     "对局总数", "Numero di partite", "Počet her", "対局数", "게임 수"}};

constinit const TWordRow kWordScore{
    {"Score", "Счёт", "Punkte", "Points", "Puntos", "得分", "Punti", "Skóre", "スコア", "점수"}};

constinit const TWordRow kWordWorldTopTen{
    {"World Top Ten", "World Top Ten", "World Top Ten", "World Top Ten", "World Top Ten",
     "World Top Ten", "World Top Ten", "World Top Ten", "World Top Ten", "World Top Ten"}};

constinit const TWordRow kWordTournamentTopTen{
    {"Tournament Top Ten", "Десятка лучших турнира", "Turnier-Bestenliste", "Top 10 du tournoi",
     "Top 10 del torneo", "锦标赛前十名", "Top 10 del torneo", "Nejlepší desítka turnaje",
     "トーナメント トップ10", "토너먼트 톱 10"}};

constinit const TWordRow kWordOnlineTopTen{
    {"ONLINE TOP TEN", "ТОП-10 ОНЛАЙН", "ONLINE-BESTENLISTE", "TOP 10 EN LIGNE", "TOP 10 EN LÍNEA",
     "在线前十名", "TOP 10 ONLINE", "ONLINE TOP 10", "オンライン トップ10", "온라인 톱 10"}};

constinit const TWordRow kWordWindowsScoreCycle{
    {"WINDOWS. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE",
     "WINDOWS. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE",
     "WINDOWS. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE",
     "WINDOWS. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE",
     "WINDOWS. SCORE. GAMES IN CYCLE", "WINDOWS. SCORE. GAMES IN CYCLE"}};

constinit const TWordRow kWordAndroidScoreCycle{
    {"ANDROID. SCORE. GAMES IN CYCLE", "ANDROID. SCORE. GAMES IN CYCLE",
     "ANDROID. SCORE. GAMES IN CYCLE", "ANDROID. SCORE. GAMES IN CYCLE",
     "ANDROID. SCORE. GAMES IN CYCLE", "ANDROID. SCORE. GAMES IN CYCLE",
     "ANDROID. SCORE. GAMES IN CYCLE", "ANDROID. SCORE. GAMES IN CYCLE",
     "ANDROID. SCORE. GAMES IN CYCLE", "ANDROID. SCORE. GAMES IN CYCLE"}};

constinit const TWordRow kWordAccountScoreCycle{
    {"ACCOUNT. SCORE. GAMES IN CYCLE", "ACCOUNT. SCORE. GAMES IN CYCLE",
     "ACCOUNT. SCORE. GAMES IN CYCLE", "ACCOUNT. SCORE. GAMES IN CYCLE",
     "ACCOUNT. SCORE. GAMES IN CYCLE", "ACCOUNT. SCORE. GAMES IN CYCLE",
     "ACCOUNT. SCORE. GAMES IN CYCLE", "ACCOUNT. SCORE. GAMES IN CYCLE",
     "ACCOUNT. SCORE. GAMES IN CYCLE", "ACCOUNT. SCORE. GAMES IN CYCLE"}};

constinit const TWordRow kWordAccountRatingAll{
    {"ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES",
     "ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES",
     "ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES", "ACCOUNT. RATING. ALL GAMES",
     "ACCOUNT. RATING. ALL GAMES"}};

constinit const TWordRow kWordWindowsOnlineTournament{
    {"WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT",
     "WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT",
     "WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT", "WINDOWS. ONLINE TOURNAMENT",
     "WINDOWS. ONLINE TOURNAMENT"}};

// Chat

constinit const TWordRow kWordChatUnavailable{
    {"Chat is temporarily unavailable!", "Чат временно недоступен!",
     "Der Chat ist vorübergehend nicht verfügbar!", "Le chat est temporairement indisponible !",
     "¡El chat no está disponible temporalmente!", "聊天暂时不可用！",
     "La chat è temporaneamente non disponibile!", "Chat je dočasně nedostupný!",
     "チャットは一時的に利用できません！", "채팅을 일시적으로 이용할 수 없습니다!"}};

constinit const TWordRow kWordCantSendMessage{
    {"Unable to send a message!", "Не удалось отправить сообщение!",
     "Nachricht konnte nicht gesendet werden!", "Impossible d'envoyer le message !",
     "¡No se pudo enviar el mensaje!", "无法发送消息！", "Impossibile inviare il messaggio!",
     "Zprávu se nepodařilo odeslat!", "メッセージを送信できませんでした！",
     "메시지를 보낼 수 없습니다!"}};

constinit const TWordRow kWordKovGamesChat{
    {"Kov Games Chat", "Чат игр Kov", "Kov-Spiele-Chat", "Chat des jeux Kov", "Chat de juegos Kov",
     "Kov 游戏聊天", "Chat dei giochi Kov", "Chat her Kov", "Kov ゲームチャット", "Kov 게임 채팅"}};

constinit const TWordRow kWordLastMessageAtBottom{
    {"Last message at the bottom", "Последнее сообщение внизу", "Neueste Nachricht unten",
     "Dernier message en bas", "Último mensaje abajo", "最新消息在底部",
     "Ultimo messaggio in basso", "Poslední zpráva dole", "最新メッセージを下に表示",
     "최신 메시지를 아래에"}};

constinit const TWordRow kWordOpenOnNewMessage{
    {"Open this window when a new message", "Открывать это окно при новом сообщении",
     "Dieses Fenster bei neuer Nachricht öffnen", "Ouvrir cette fenêtre à chaque nouveau message",
     "Abrir esta ventana con cada mensaje nuevo", "收到新消息时打开此窗口",
     "Apri questa finestra a ogni nuovo messaggio", "Otevřít toto okno při nové zprávě",
     "新着メッセージでこのウィンドウを開く", "새 메시지가 오면 이 창 열기"}};

// World statistics

constinit const TWordRow kWordWorldStats{{"WORLD STATS", "МИРОВАЯ СТАТИСТИКА", "WELTSTATISTIK",
                                          "STATISTIQUES MONDIALES", "ESTADÍSTICAS MUNDIALES",
                                          "全球统计", "STATISTICHE MONDIALI", "SVĚTOVÉ STATISTIKY",
                                          "世界統計", "세계 통계"}};

constinit const TWordRow kWordNumberOfStarts{{"Number of starts", "Число запусков",
                                              "Anzahl der Starts", "Nombre de lancements",
                                              "Número de inicios", "启动次数", "Numero di avvii",
                                              "Počet spuštění", "起動回数", "실행 횟수"}};

constinit const TWordRow kWordNumberOfUniqueStarts{
    {"Number of unique starts", "Число уникальных запусков", "Anzahl eindeutiger Starts",
     "Nombre de lancements uniques", "Número de inicios únicos", "独立启动次数",
     "Numero di avvii unici", "Počet jedinečných spuštění", "ユニーク起動回数", "고유 실행 횟수"}};

constinit const TWordRow kWordLikes{{"Likes", "Лайки", "Likes", "J'aime", "Me gusta", "点赞",
                                     "Mi piace", "Líbí se", "いいね", "좋아요"}};

constinit const TWordRow kWordLastLike{
    {"Last Like", "Последний Лайк", "Letztes Like", "Dernier j'aime", "Último me gusta", "最新点赞",
     "Ultimo mi piace", "Poslední lajk", "最新のいいね", "최근 좋아요"}};

constinit const TWordRow kWordILikeThisGame{
    {"I like this game!", "Мне нравится эта игра!", "Mir gefällt dieses Spiel!", "J'aime ce jeu !",
     "¡Me gusta este juego!", "我喜欢这款游戏！", "Mi piace questo gioco!", "Tato hra se mi líbí!",
     "このゲームが好き！", "이 게임이 좋아요!"}};

constinit const TWordRow kWordStatisticSince{
    {"This statistic is maintained since version 5.2", "Эта статистика ведётся с версии 5.2",
     "Diese Statistik wird seit Version 5.2 geführt",
     "Ces statistiques sont tenues depuis la version 5.2",
     "Esta estadística se lleva desde la versión 5.2", "此统计自 5.2 版起开始记录",
     "Questa statistica è registrata dalla versione 5.2", "Tato statistika se vede od verze 5.2",
     "この統計はバージョン5.2から記録されています", "이 통계는 버전 5.2부터 집계됩니다"}};

constinit const TWordRow kWordCyclesPlayedWithPc{
    {"Cycles played with PC", "Сыграно циклов с PC", "Zyklen gegen den PC",
     "Cycles joués contre le PC", "Ciclos jugados contra el PC", "与电脑对战轮数",
     "Cicli giocati contro il PC", "Odehrané cykly s PC", "PC との対戦サイクル数",
     "PC와 한 사이클 수"}};

constinit const TWordRow kWordPeopleWins{
    {"Winning people (game with PC)", "Выигрыш людей (игра с PC)", "Siege der Menschen (gegen PC)",
     "Victoires des joueurs (contre le PC)", "Victorias de personas (contra el PC)",
     "人类获胜（对战电脑）", "Vittorie dei giocatori (contro il PC)", "Výhry lidí (hra s PC)",
     "人間の勝ち (PC戦)", "사람 승리 (PC 대전)"}};

constinit const TWordRow kWordPeopleLosses{
    {"Loss of people (game with PC)", "Проигрыш людей (игра с PC)",
     "Niederlagen der Menschen (gegen PC)", "Défaites des joueurs (contre le PC)",
     "Derrotas de personas (contra el PC)", "人类失利（对战电脑）",
     "Sconfitte dei giocatori (contro il PC)", "Prohry lidí (hra s PC)", "人間の負け (PC戦)",
     "사람 패배 (PC 대전)"}};

constinit const TWordRow kWordGamesPlayedNet{
    {"Games played Net", "Сыграно конов Net", "Runden im Netzwerk", "Manches jouées en réseau",
     "Manos jugadas en red", "局域网对战局数", "Mani giocate in rete", "Odehraná kola v síti",
     "ネット対局数", "네트워크 판 수"}};

constinit const TWordRow kWordGamesPlayedOnline{
    {"Games played Online", "Сыграно игр Online", "Online gespielte Spiele",
     "Parties jouées en ligne", "Partidas jugadas en línea", "在线对局数", "Partite giocate online",
     "Odehrané hry online", "オンライン対局数", "온라인 게임 수"}};

// Online tournament

constinit const TWordRow kWordRules{{"Rules", "Правила", "Regeln", "Règles", "Reglas", "规则",
                                     "Regole", "Pravidla", "ルール", "규칙"}};

constinit const TWordRow kWordTakePlace{{"Take the place of", "Занять место", "Platz nehmen",
                                         "Prendre place", "Ocupar el puesto", "入座",
                                         "Prendi posto", "Obsadit místo", "着席する", "자리 잡기"}};

constinit const TWordRow kWordFree{
    {"Free", "Свободно", "Frei", "Libre", "Libre", "空位", "Libero", "Volno", "空席", "빈자리"}};

constinit const TWordRow kWordServerConnectionError{
    {"Server connection error!", "Ошибка подключения к серверу!",
     "Fehler bei der Serververbindung!", "Erreur de connexion au serveur !",
     "¡Error de conexión con el servidor!", "服务器连接错误！", "Errore di connessione al server!",
     "Chyba připojení k serveru!", "サーバー接続エラー！", "서버 연결 오류!"}};

constinit const TWordRow kWordTableOccupiedByIp{
    {"This table is already occupied by a player with your IP!",
     "Этот стол уже занят игроком с Вашим IP!",
     "Dieser Tisch ist bereits von einem Spieler mit Ihrer IP belegt!",
     "Cette table est déjà occupée par un joueur avec votre IP !",
     "¡Esta mesa ya está ocupada por un jugador con su IP!", "此牌桌已被与您 IP 相同的玩家占用！",
     "Questo tavolo è già occupato da un giocatore con il tuo IP!",
     "Tento stůl už obsadil hráč s vaší IP adresou!",
     "このテーブルはあなたと同じIPのプレイヤーが使用中です！",
     "이 테이블은 이미 같은 IP의 플레이어가 사용 중입니다!"}};

constinit const TWordRow kWordTable{
    {"Table", "Стол", "Tisch", "Table", "Mesa", "牌桌", "Tavolo", "Stůl", "テーブル", "테이블"}};

constinit const TWordRow kWordLogOff{{"Log off", "Выйти", "Verlassen", "Quitter", "Salir", "离开",
                                      "Esci", "Odejít", "退席", "나가기"}};

constinit const TWordRow kWordNoOptions{
    {"No Options", "Нет Опций", "Keine Optionen", "Aucune option", "Sin opciones", "无选项",
     "Nessuna opzione", "Žádné možnosti", "オプションなし", "옵션 없음"}};

constinit const TWordRow kWordServerOn{{"Server On", "Сервер включён", "Server an", "Serveur actif",
                                        "Servidor activo", "服务器在线", "Server attivo",
                                        "Server zapnut", "サーバー稼働中", "서버 켜짐"}};

constinit const TWordRow kWordServerOff{
    {"Server Off", "Сервер выключен", "Server aus", "Serveur arrêté", "Servidor apagado",
     "服务器离线", "Server spento", "Server vypnut", "サーバー停止中", "서버 꺼짐"}};

constinit const TWordRow kWordOn{
    {"On", "Вкл.", "An", "Actif", "Activo", "在线", "Attivo", "Zapnut", "稼働中", "켜짐"}};

constinit const TWordRow kWordOff{
    {"Off", "Выкл.", "Aus", "Arrêté", "Apagado", "离线", "Spento", "Vypnut", "停止中", "꺼짐"}};

// File and resource errors

constinit const TWordRow kWordTheFileOpen{{"The file \"", "Файл \"", "Die Datei \"",
                                           "Le fichier \"", "El archivo \"", "文件 \"",
                                           "Il file \"", "Soubor \"", "ファイル \"", "파일 \""}};

constinit const TWordRow kWordIncorrectAttributes{
    {"\" has incorrect attributes!\n\rThe work of the program will be incorrect!",
     "\" имеет неверные атрибуты!\n\rПрограмма будет работать некорректно!",
     "\" hat falsche Attribute!\n\rDas Programm wird nicht korrekt arbeiten!",
     "\" a des attributs incorrects !\n\rLe programme ne fonctionnera pas correctement !",
     "\" tiene atributos incorrectos.\n\rEl programa no funcionará correctamente.",
     "\" 的属性不正确！\n\r程序将无法正常运行！",
     "\" ha attributi errati!\n\rIl programma non funzionerà correttamente!",
     "\" má nesprávné atributy!\n\rProgram nebude fungovat správně!",
     "\" の属性が正しくありません！\n\rプログラムが正しく動作しません！",
     "\"의 속성이 올바르지 않습니다!\n\r프로그램이 제대로 작동하지 않습니다!"}};

constinit const TWordRow kWordIncorrectFile{{"The incorrect file", "Неверный файл",
                                             "Fehlerhafte Datei", "Fichier incorrect",
                                             "Archivo incorrecto", "文件无效", "File non valido",
                                             "Chybný soubor", "不正なファイル", "잘못된 파일"}};

constinit const TWordRow kWordCantFindFile{
    {"Can`t find the file", "Не найден файл", "Datei nicht gefunden", "Fichier introuvable",
     "No se encuentra el archivo", "找不到文件", "Impossibile trovare il file", "Soubor nenalezen",
     "ファイルが見つかりません", "파일을 찾을 수 없습니다"}};

constinit const TWordRow kWordDiskWriteError{
    {"Error of disk writing!", "Ошибка записи на диск!",
     "Fehler beim Schreiben auf den Datenträger!", "Erreur d'écriture sur le disque !",
     "¡Error de escritura en el disco!", "磁盘写入错误！", "Errore di scrittura su disco!",
     "Chyba zápisu na disk!", "ディスク書き込みエラー！", "디스크 쓰기 오류!"}};

constinit const TWordRow kWordCantCreateMusicFile{
    {"Can`t create music file!", "Не удалось создать музыкальный файл!",
     "Musikdatei kann nicht erstellt werden!", "Impossible de créer le fichier musical !",
     "¡No se puede crear el archivo de música!", "无法创建音乐文件！",
     "Impossibile creare il file musicale!", "Nelze vytvořit hudební soubor!",
     "音楽ファイルを作成できません！", "음악 파일을 만들 수 없습니다!"}};

constinit const TWordRow kWordCantFind{
    {"Can`t find ", "Не найден ", "Nicht gefunden: ", "Introuvable : ", "No se encuentra ",
     "找不到 ", "Impossibile trovare ", "Nenalezeno: ", "見つかりません: ", "찾을 수 없음: "}};

// Radio

constinit const TWordRow kWordKovInternetRadio{
    {"Kov Internet-Radio", "Интернет-радио Kov", "Kov-Internetradio", "Radio Internet Kov",
     "Radio por Internet Kov", "Kov 网络电台", "Radio Internet Kov", "Internetové rádio Kov",
     "Kov ネットラジオ", "Kov 인터넷 라디오"}};

namespace {

const TNamedWordRow kRows[] = {
    {"kWordNick", &kWordNick},
    {"kWordCountry", &kWordCountry},
    {"kWordCity", &kWordCity},
    {"kWordSex", &kWordSex},
    {"kWordEurope", &kWordEurope},
    {"kWordAsia", &kWordAsia},
    {"kWordNorthAmerica", &kWordNorthAmerica},
    {"kWordSouthAmerica", &kWordSouthAmerica},
    {"kWordOceania", &kWordOceania},
    {"kWordAfrica", &kWordAfrica},
    {"kWordMale", &kWordMale},
    {"kWordFemale", &kWordFemale},
    {"kWordMyPassport", &kWordMyPassport},
    {"kWordMan", &kWordMan},
    {"kWordWoman", &kWordWoman},
    {"kWordClubQuillmark", &kWordClubQuillmark},
    {"kWordMyAccount", &kWordMyAccount},
    {"kWordMyResults", &kWordMyResults},
    {"kWordLoginToAccount", &kWordLoginToAccount},
    {"kWordSignOut", &kWordSignOut},
    {"kWordAccountInformation", &kWordAccountInformation},
    {"kWordPassword", &kWordPassword},
    {"kWordRegistration", &kWordRegistration},
    {"kWordHidePassword", &kWordHidePassword},
    {"kWordPlayGlobalRating", &kWordPlayGlobalRating},
    {"kWordClubMembers", &kWordClubMembers},
    {"kWordAccountCreated", &kWordAccountCreated},
    {"kWordNickTaken", &kWordNickTaken},
    {"kWordCouldNotCreateAccount", &kWordCouldNotCreateAccount},
    {"kWordLoginFailed", &kWordLoginFailed},
    {"kWordInfoAboutYourGames", &kWordInfoAboutYourGames},
    {"kWordPlaceLabel", &kWordPlaceLabel},
    {"kWordPlayedGames", &kWordPlayedGames},
    {"kWordMyBestScore", &kWordMyBestScore},
    {"kWordTop10", &kWordTop10},
    {"kWordTop10BestRated", &kWordTop10BestRated},
    {"kWordCreateAccount", &kWordCreateAccount},
    {"kWordSave", &kWordSave},
    {"kWordDelete", &kWordDelete},
    {"kWordPlayedCycles", &kWordPlayedCycles},
    {"kWordCurrentDeal", &kWordCurrentDeal},
    {"kWordCurrentScoreLabel", &kWordCurrentScoreLabel},
    {"kWordTransfer", &kWordTransfer},
    {"kWordTransferQuestion", &kWordTransferQuestion},
    {"kWordTransferSuccessful", &kWordTransferSuccessful},
    {"kWordNotEnoughKovs", &kWordNotEnoughKovs},
    {"kWordEmptyTransfer", &kWordEmptyTransfer},
    {"kWordNoSuchMember", &kWordNoSuchMember},
    {"kWordTransferKovs", &kWordTransferKovs},
    {"kWordTransferAmount", &kWordTransferAmount},
    {"kWordTransferRecipient", &kWordTransferRecipient},
    {"kWordAboutMe", &kWordAboutMe},
    {"kWordPresident", &kWordPresident},
    {"kWordRefresh", &kWordRefresh},
    {"kWordCopiedToClipboard", &kWordCopiedToClipboard},
    {"kWordPresidentOfOrder", &kWordPresidentOfOrder},
    {"kWordYourName", &kWordYourName},
    {"kWordYourLastName", &kWordYourLastName},
    {"kWordBriefInfo", &kWordBriefInfo},
    {"kWordYourPhone", &kWordYourPhone},
    {"kWordYourEmail", &kWordYourEmail},
    {"kWordYourWebSite", &kWordYourWebSite},
    {"kWordYourSkype", &kWordYourSkype},
    {"kWordYourOk", &kWordYourOk},
    {"kWordYourVk", &kWordYourVk},
    {"kWordYourTelegram", &kWordYourTelegram},
    {"kWordYourFacebook", &kWordYourFacebook},
    {"kWordYourTwitter", &kWordYourTwitter},
    {"kWordYourInstagram", &kWordYourInstagram},
    {"kWordYourYouTube", &kWordYourYouTube},
    {"kWordPhotoFormat", &kWordPhotoFormat},
    {"kWordPhotoUploadFailed", &kWordPhotoUploadFailed},
    {"kWordInfoVisible", &kWordInfoVisible},
    {"kWordUpdateInfo", &kWordUpdateInfo},
    {"kWordRefreshPhoto", &kWordRefreshPhoto},
    {"kWordClose", &kWordClose},
    {"kWordWorldTopTenUnavailable", &kWordWorldTopTenUnavailable},
    {"kWordCantWriteResult", &kWordCantWriteResult},
    {"kWordSend", &kWordSend},
    {"kWordYourScore", &kWordYourScore},
    {"kWordYourPlace", &kWordYourPlace},
    {"kWordNumberOfGames", &kWordNumberOfGames},
    {"kWordScore", &kWordScore},
    {"kWordWorldTopTen", &kWordWorldTopTen},
    {"kWordTournamentTopTen", &kWordTournamentTopTen},
    {"kWordOnlineTopTen", &kWordOnlineTopTen},
    {"kWordWindowsScoreCycle", &kWordWindowsScoreCycle},
    {"kWordAndroidScoreCycle", &kWordAndroidScoreCycle},
    {"kWordAccountScoreCycle", &kWordAccountScoreCycle},
    {"kWordAccountRatingAll", &kWordAccountRatingAll},
    {"kWordWindowsOnlineTournament", &kWordWindowsOnlineTournament},
    {"kWordChatUnavailable", &kWordChatUnavailable},
    {"kWordCantSendMessage", &kWordCantSendMessage},
    {"kWordKovGamesChat", &kWordKovGamesChat},
    {"kWordLastMessageAtBottom", &kWordLastMessageAtBottom},
    {"kWordOpenOnNewMessage", &kWordOpenOnNewMessage},
    {"kWordWorldStats", &kWordWorldStats},
    {"kWordNumberOfStarts", &kWordNumberOfStarts},
    {"kWordNumberOfUniqueStarts", &kWordNumberOfUniqueStarts},
    {"kWordLikes", &kWordLikes},
    {"kWordLastLike", &kWordLastLike},
    {"kWordILikeThisGame", &kWordILikeThisGame},
    {"kWordStatisticSince", &kWordStatisticSince},
    {"kWordCyclesPlayedWithPc", &kWordCyclesPlayedWithPc},
    {"kWordPeopleWins", &kWordPeopleWins},
    {"kWordPeopleLosses", &kWordPeopleLosses},
    {"kWordGamesPlayedNet", &kWordGamesPlayedNet},
    {"kWordGamesPlayedOnline", &kWordGamesPlayedOnline},
    {"kWordRules", &kWordRules},
    {"kWordTakePlace", &kWordTakePlace},
    {"kWordFree", &kWordFree},
    {"kWordServerConnectionError", &kWordServerConnectionError},
    {"kWordTableOccupiedByIp", &kWordTableOccupiedByIp},
    {"kWordTable", &kWordTable},
    {"kWordLogOff", &kWordLogOff},
    {"kWordNoOptions", &kWordNoOptions},
    {"kWordServerOn", &kWordServerOn},
    {"kWordServerOff", &kWordServerOff},
    {"kWordOn", &kWordOn},
    {"kWordOff", &kWordOff},
    {"kWordTheFileOpen", &kWordTheFileOpen},
    {"kWordIncorrectAttributes", &kWordIncorrectAttributes},
    {"kWordIncorrectFile", &kWordIncorrectFile},
    {"kWordCantFindFile", &kWordCantFindFile},
    {"kWordDiskWriteError", &kWordDiskWriteError},
    {"kWordCantCreateMusicFile", &kWordCantCreateMusicFile},
    {"kWordCantFind", &kWordCantFind},
    {"kWordKovInternetRadio", &kWordKovInternetRadio},
};

}  // namespace

std::span<const TNamedWordRow> words::OnlineWordRows() {
  return kRows;
}

}  // namespace zendral

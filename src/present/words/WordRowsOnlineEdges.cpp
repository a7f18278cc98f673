// Word table data: what the account, news and world-table windows say about a click.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include "present/words/OnlineEdgeWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordCyclesInTable{
    {"Cycles in the table", "Циклов в таблице", "Zyklen in der Tabelle", "Cycles dans le tableau",
     "Ciclos en la tabla", "表中轮数", "Cicli in classifica", "Cyklů v tabulce", "表のサイクル数",
     "표의 사이클 수"}};

constinit const TWordRow kWordOpenInBrowser{
    {"Open in browser", "Открыть в браузере", "Im Browser öffnen", "Ouvrir dans le navigateur",
     "Abrir en el navegador", "在浏览器中打开", "Apri nel browser", "Otevřít v prohlížeči",
     "ブラウザで開く", "브라우저에서 열기"}};

constinit const TWordRow kWordRatedOnlyAtGameStart{
    {"This box can be ticked when you start a game for the global rating from the main menu.",
     "Галочку можно поставить, когда Вы начинаете игру на глобальный рейтинг из главного меню.",
     "Dieses Kästchen lässt sich ankreuzen, wenn Sie im Hauptmenü ein Spiel um die globale "
     "Wertung beginnen.",
     "Cette case se coche quand vous lancez une partie pour la cote mondiale depuis le menu "
     "principal.",
     "Esta casilla se puede marcar cuando inicia una partida por el nivel global desde el menú "
     "principal.",
     "从主菜单开始全球等级分对局时才能勾选此项。",
     "Questa casella si può spuntare quando avvii una partita per la classifica globale dal menu "
     "principale.",
     "Toto políčko lze zaškrtnout, když z hlavní nabídky začínáte hru o globální hodnocení.",
     "メインメニューからグローバルレーティング対局を始めるときにチェックできます。",
     "주 메뉴에서 글로벌 레이팅 게임을 시작할 때 체크할 수 있습니다."}};

constinit const TWordRow kWordEditProfile{
    {"Edit profile", "Изменить профиль", "Profil bearbeiten", "Modifier le profil", "Editar perfil",
     "编辑资料", "Modifica profilo", "Upravit profil", "プロフィールを編集", "프로필 편집"}};

constinit const TWordRow kWordPhotoUploaded{
    {"Your photo has been uploaded!", "Ваше фото загружено на сервер!",
     "Ihr Foto wurde hochgeladen!", "Votre photo a été envoyée !", "¡Su foto se ha subido!",
     "您的照片已上传！", "La tua foto è stata caricata!", "Vaše fotografie byla nahrána!",
     "写真をアップロードしました！", "사진이 업로드되었습니다!"}};

constinit const TWordRow kWordProfileSaved{
    {"Your profile has been saved!", "Ваш профиль сохранён!", "Ihr Profil wurde gespeichert!",
     "Votre profil a été enregistré !", "¡Su perfil se ha guardado!", "您的资料已保存！",
     "Il tuo profilo è stato salvato!", "Váš profil byl uložen!", "プロフィールを保存しました！",
     "프로필이 저장되었습니다!"}};

constinit const TWordRow kWordProfileNotSaved{
    {"Failed to save your profile!", "Не удалось сохранить профиль!",
     "Das Profil konnte nicht gespeichert werden!", "Impossible d'enregistrer votre profil !",
     "¡No se pudo guardar su perfil!", "无法保存您的资料！", "Impossibile salvare il profilo!",
     "Profil se nepodařilo uložit!", "プロフィールを保存できませんでした！",
     "프로필을 저장하지 못했습니다!"}};

constinit const TWordRow kWordDeleteSavedLogIn{
    {"Delete the saved log-in? The program will no longer log you in by itself at start.",
     "Удалить сохранённый вход? Программа больше не будет входить в аккаунт сама при запуске.",
     "Die gespeicherte Anmeldung löschen? Das Programm meldet Sie beim Start nicht mehr selbst "
     "an.",
     "Supprimer la connexion enregistrée ? Le programme ne vous connectera plus tout seul au "
     "démarrage.",
     "¿Eliminar el inicio de sesión guardado? El programa ya no iniciará sesión solo al "
     "arrancar.",
     "删除已保存的登录信息？程序启动时将不再自动登录。",
     "Eliminare l'accesso salvato? Il programma non ti farà più accedere da solo all'avvio.",
     "Smazat uložené přihlášení? Program vás už při spuštění sám nepřihlásí.",
     "保存したログインを削除しますか？起動時に自動でログインしなくなります。",
     "저장된 로그인을 삭제할까요? 시작할 때 더 이상 자동으로 로그인하지 않습니다."}};

constinit const TWordRow kWordAccountCreatedLoggedIn{
    {"Your account has been created and you are now logged in as",
     "Ваш аккаунт создан, и Вы вошли в него как",
     "Ihr Konto wurde erstellt, Sie sind jetzt angemeldet als",
     "Votre compte a été créé et vous êtes maintenant connecté en tant que",
     "Su cuenta se ha creado y ahora ha iniciado sesión como", "您的账户已创建，您现在的登录身份是",
     "Il tuo account è stato creato e ora hai effettuato l'accesso come",
     "Váš účet byl vytvořen a nyní jste přihlášeni jako",
     "アカウントを作成し、次の名前でログインしました:",
     "계정이 만들어졌고 다음 닉네임으로 로그인했습니다:"}};

constinit const TWordRow kWordSaveLogInHint{
    {"Press “Save” to be logged in by itself at every start.",
     "Нажмите «Сохранить», чтобы входить в аккаунт автоматически при каждом запуске.",
     "Drücken Sie „Speichern“, um bei jedem Start automatisch angemeldet zu werden.",
     "Appuyez sur « Enregistrer » pour être connecté automatiquement à chaque démarrage.",
     "Pulse «Guardar» para iniciar sesión automáticamente en cada arranque.",
     "按“保存”，每次启动时将自动登录。", "Premi «Salva» per accedere automaticamente a ogni avvio.",
     "Stiskněte „Uložit“ a budete při každém spuštění přihlášeni automaticky.",
     "「保存」を押すと、起動のたびに自動でログインします。",
     "“저장”을 누르면 시작할 때마다 자동으로 로그인합니다."}};

namespace {

constinit const TNamedWordRow kRows[] = {
    {"kWordCyclesInTable", &kWordCyclesInTable},
    {"kWordOpenInBrowser", &kWordOpenInBrowser},
    {"kWordRatedOnlyAtGameStart", &kWordRatedOnlyAtGameStart},
    {"kWordEditProfile", &kWordEditProfile},
    {"kWordPhotoUploaded", &kWordPhotoUploaded},
    {"kWordProfileSaved", &kWordProfileSaved},
    {"kWordProfileNotSaved", &kWordProfileNotSaved},
    {"kWordDeleteSavedLogIn", &kWordDeleteSavedLogIn},
    {"kWordAccountCreatedLoggedIn", &kWordAccountCreatedLoggedIn},
    {"kWordSaveLogInHint", &kWordSaveLogInHint},
};

}  // namespace

std::span<const TNamedWordRow> words::OnlineEdgeWordRows() {
  return kRows;
}

}  // namespace zendral

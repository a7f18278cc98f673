// Word table data: the Options window's line about a pack download.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include <array>

#include "present/words/PackDownloadWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordPackDownloading{
    {"Downloading %1…", "Загрузка %1…", "%1 wird heruntergeladen…", "Téléchargement de %1…",
     "Descargando %1…", "正在下载 %1…", "Download di %1 in corso…", "Stahuje se %1…",
     "%1 をダウンロードしています…", "%1 다운로드 중…"}};

constinit const TWordRow kWordPackInstalled{
    {"%1 is installed.", "%1 установлен.", "%1 ist installiert.", "%1 est installé.",
     "%1 está instalado.", "%1 已安装。", "%1 è installato.", "%1 je nainstalován.",
     "%1 をインストールしました。", "%1 설치가 완료되었습니다."}};

constinit const TWordRow kWordPackDownloadFailed{
    {"%1 could not be downloaded. Check the connection and try again.",
     "Не удалось загрузить %1. Проверьте соединение и попробуйте ещё раз.",
     "%1 konnte nicht heruntergeladen werden. Prüfen Sie die Verbindung und versuchen Sie es "
     "erneut.",
     "Impossible de télécharger %1. Vérifiez la connexion et réessayez.",
     "No se pudo descargar %1. Compruebe la conexión e inténtelo de nuevo.",
     "无法下载 %1。请检查网络连接后重试。",
     "Impossibile scaricare %1. Controlla la connessione e riprova.",
     "%1 se nepodařilo stáhnout. Zkontrolujte připojení a zkuste to znovu.",
     "%1 をダウンロードできませんでした。接続を確認して、もう一度お試しください。",
     "%1을(를) 다운로드할 수 없습니다. 연결을 확인하고 다시 시도하세요."}};

namespace {
constexpr std::array<TNamedWordRow, 3> kRows{{
    {"kWordPackDownloading", &kWordPackDownloading},
    {"kWordPackInstalled", &kWordPackInstalled},
    {"kWordPackDownloadFailed", &kWordPackDownloadFailed},
}};
}  // namespace

std::span<const TNamedWordRow> words::PackDownloadWordRows() {
  return kRows;
}

}  // namespace zendral

// Word table data: the sound options on a machine without a sound device.
// Order of the texts: English, Russian, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean.

#include <array>

#include "present/words/SoundDeviceWords.h"
#include "present/words/WordLists.h"

namespace zendral {

constinit const TWordRow kWordNoSoundDevice{
    {"No sound device was found: the game stays silent.",
     "Звуковое устройство не найдено: игра идёт без звука.",
     "Kein Audiogerät gefunden: Das Spiel bleibt stumm.",
     "Aucun périphérique audio trouvé : le jeu reste muet.",
     "No se encontró ningún dispositivo de sonido: el juego queda en silencio.",
     "未找到音频设备：游戏将保持静音。", "Nessun dispositivo audio trovato: il gioco resta muto.",
     "Nebylo nalezeno žádné zvukové zařízení: hra zůstane bez zvuku.",
     "サウンドデバイスが見つかりません。ゲームは無音になります。",
     "사운드 장치를 찾을 수 없습니다. 게임은 소리 없이 진행됩니다."}};

namespace {
constexpr std::array<TNamedWordRow, 1> kRows{{{"kWordNoSoundDevice", &kWordNoSoundDevice}}};
}  // namespace

std::span<const TNamedWordRow> words::SoundDeviceWordRows() {
  return kRows;
}

}  // namespace zendral

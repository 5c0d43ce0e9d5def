// The program's side of the sound library: opening it, loading the five wave files
// into buffers, and closing it, with a warning box when something the player should
// know about fails. Everything else calls the library directly with a buffer handle.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kazeban {

// Where the warning box of the sound procedures goes (the window shows it with the
// title "KAZEBAN.dll", the exclamation icon and one OK button).
class SoundWarning {
 public:
  virtual ~SoundWarning() = default;
  virtual void Show(std::string_view text) = 0;
};

// The library handle, 0 when there is no sound, and the folder searched for a sound
// file after the current directory (the "sounds" folder installed beside the program).
struct SoundModule {
  int32_t DS_HANDLE = 0;
  std::string 音声フォルダ;
};

// The five buffer handles of the window, 0 where loading failed.
struct SoundHandles {
  int32_t SND_SONOTA = 0;     // "その他.wav": the about box
  int32_t SND_KINSI = 0;      // "禁止.wav": a refused action
  int32_t SND_KOMAUTI = 0;    // "駒打音.wav": a piece set down
  int32_t SND_SYUUKYOKU = 0;  // "終局.wav": the end of a game
  int32_t SND_BGM = 0;        // "BGM.wav": the background tune
};

// Opens the library for the window; warns "Direct Soundインターフェースが作成できません。"
// when it cannot.
void サウンド_初期化(SoundModule& m, int32_t window, SoundWarning& warning);

// Loads one wave file into a buffer and returns its handle: 0 at once without a library,
// 0 without a word when no file of that name exists, 0 with a warning naming the
// failure when the file cannot be read, is empty, or does not hold the whole wave
// image its header declares.
int32_t サウンド_読込(SoundModule& m, std::string_view name, int32_t options,
                      SoundWarning& warning);

// Closes the library if it was opened.
void サウンド_終了(SoundModule& m);

// The warning box.
void サウンド_警告(SoundWarning& warning, std::string_view text);

}  // namespace kazeban

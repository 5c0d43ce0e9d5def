// The program's side of the sound library: opening it, loading the five wave files
// into buffers, and closing it, with a warning box when something the player should
// know about fails. Everything else calls the library directly with a buffer handle.
//
// Start-up runs again when the player returns to the first position or reads a record;
// the library and the five sounds are then kept, not opened and loaded a second time.
// サウンド_初期化 does nothing once it has run (whether or not it opened the library, so
// its warning shows once per run of the program), and サウンド_開始 wraps the whole sound
// half of start-up the same way: call it from every start-up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kazeban {

// Where the warning box of the sound procedures goes (the window shows it with the
// title "KAZEBAN.dll", the exclamation icon and one OK button).
class SoundWarning {
 public:
  virtual ~SoundWarning() = default;
  virtual void Show(std::string_view text) = 0;
};

// The library handle, 0 when there is no sound, and the folders searched in turn for a
// sound file after the current directory (the "sounds" folder beside the program in the
// build tree, then the installed data folder; none for none).
struct SoundModule {
  int32_t DS_HANDLE = 0;
  std::vector<std::string> 音声フォルダ;
  // Set by the first サウンド_初期化, whatever came of it.
  bool 初期化済み = false;
};

// The five buffer handles of the window, 0 where loading failed.
struct SoundHandles {
  int32_t SND_SONOTA = 0;     // "その他.wav": the about box
  int32_t SND_KINSI = 0;      // "禁止.wav": a refused action
  int32_t SND_KOMAUTI = 0;    // "駒打音.wav": a piece set down
  int32_t SND_SYUUKYOKU = 0;  // "終局.wav": the end of a game
  int32_t SND_BGM = 0;        // "BGM.wav": the background tune
};

// The text of the warning when the library cannot be opened.
inline constexpr std::string_view kサウンド初期化失敗 =
    "Direct Soundインターフェースが作成できません。";

// Opens the library for the window; warns "Direct Soundインターフェースが作成できません。"
// when it cannot. Does nothing when it has run before.
void サウンド_初期化(SoundModule& m, int32_t window, SoundWarning& warning);

// Loads one wave file into a buffer and returns its handle. The name is looked up in the
// current directory, then in each of m.音声フォルダ in turn. Returns 0 at once without a library, 0
// without a word when neither place holds a file of that name, and 0 with a warning
// naming the file and the failure when the file cannot be read, is empty, is not a
// RIFF/WAVE file, does not hold the whole wave image its header declares, or holds a
// wave the library cannot play. An incomplete image never reaches the library.
int32_t サウンド_読込(SoundModule& m, std::string_view name, int32_t options,
                      SoundWarning& warning);

// Closes the library if it was opened, and clears DS_HANDLE so that nothing uses the
// closed library. Buffer handles are left as they are: the library ignores them now.
void サウンド_終了(SoundModule& m);

// The warning box.
void サウンド_警告(SoundWarning& warning, std::string_view text);

// The sound half of start-up: the first call opens the library and loads "その他.wav",
// "禁止.wav", "駒打音.wav" (options 3 each), "終局.wav" and "BGM.wav" (options 1 each)
// into `h`, in that order; later calls leave the library and `h` as they are.
void サウンド_開始(SoundModule& m, SoundHandles& h, int32_t window, SoundWarning& warning);

}  // namespace kazeban

#include "sound/sound_module.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "sound/kazeban_sound.h"

namespace kazeban {
namespace {

namespace fs = std::filesystem;

// No sound file is anywhere near this size; a larger one is refused before reading.
constexpr std::uintmax_t kLargestFile = 128u * 1024 * 1024;

// The first place that holds a file (or anything else) of that name: the current
// directory, then the sound folders in turn.
std::optional<fs::path> FindSound(const SoundModule& m, std::string_view name) {
  std::error_code ec;
  const fs::path here{std::string(name)};
  if (fs::exists(here, ec)) return here;
  for (const std::string& folder : m.音声フォルダ) {
    if (folder.empty()) continue;
    const fs::path there = fs::path(folder) / here;
    if (fs::exists(there, ec)) return there;
  }
  return std::nullopt;
}

std::string Quoted(const fs::path& p) {
  return "「" + p.string() + "」";
}

uint32_t ReadU32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

void サウンド_初期化(SoundModule& m, int32_t window, SoundWarning& warning) {
  if (m.初期化済み) return;
  m.初期化済み = true;
  m.DS_HANDLE = dsInitialize(window);
  if (m.DS_HANDLE == 0) サウンド_警告(warning, kサウンド初期化失敗);
}

int32_t サウンド_読込(SoundModule& m, std::string_view name, int32_t options,
                      SoundWarning& warning) {
  // 1. No library, no sound.
  if (m.DS_HANDLE == 0) return 0;

  // 2. A missing file silences its sound without a word.
  const std::optional<fs::path> path = FindSound(m, name);
  if (!path) return 0;
  const auto fail = [&](const char* what) {
    サウンド_警告(warning, Quoted(*path) + what);
    return 0;
  };

  // 3. Read the whole file as bytes.
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(*path, ec);
  if (ec) return fail("を読み込めません。");
  if (size == 0) return fail("は空のファイルです。");
  if (size > kLargestFile) return fail("は音声ファイルとしては大きすぎます。");
  std::ifstream in(*path, std::ios::binary);
  if (!in) return fail("を開けません。");
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return fail("を読み込めません。");
  in.close();

  // 4. Hand the library only a whole image: a RIFF header whose declared size the file
  //    holds in full.
  if (bytes.size() < 4 || std::memcmp(bytes.data(), "RIFF", 4) != 0) {
    return fail("はWAVE形式の音声ファイルではありません。");
  }
  if (bytes.size() < 8 || bytes.size() - 8 < ReadU32(bytes.data() + 4)) {
    return fail("は途中で切れています。");
  }

  // 5. The library copies what it keeps; the bytes are released on return.
  const int32_t buffer = dsCreateDSB(m.DS_HANDLE, bytes.data(), options);
  if (buffer == 0) return fail("は再生できない形式の音声ファイルです。");
  return buffer;
}

void サウンド_終了(SoundModule& m) {
  if (m.DS_HANDLE != 0) dsTerminate(m.DS_HANDLE);
  m.DS_HANDLE = 0;
}

void サウンド_警告(SoundWarning& warning, std::string_view text) {
  warning.Show(text);
}

void サウンド_開始(SoundModule& m, SoundHandles& h, int32_t window, SoundWarning& warning) {
  if (m.初期化済み) return;
  サウンド_初期化(m, window, warning);
  h.SND_SONOTA = サウンド_読込(m, "その他.wav", 3, warning);
  h.SND_KINSI = サウンド_読込(m, "禁止.wav", 3, warning);
  h.SND_KOMAUTI = サウンド_読込(m, "駒打音.wav", 3, warning);
  h.SND_SYUUKYOKU = サウンド_読込(m, "終局.wav", 1, warning);
  h.SND_BGM = サウンド_読込(m, "BGM.wav", 1, warning);
}

}  // namespace kazeban

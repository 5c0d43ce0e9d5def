// A window for the tests of the window's operations: a Form1 over a recording surface,
// fake controls and the fake sound library, with five small wave files to load, so
// that every sound has a real buffer handle. The pause before the end of a game is
// recorded instead of waited for.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "fake_controls.h"
#include "fake_sound.h"
#include "play/form.h"
#include "play/game_menu.h"
#include "play/mouse_input.h"
#include "play/start_up.h"
#include "recording_surface.h"

namespace kazeban::testing {

// The buffer handles the fake sound library gives the five sounds, loaded in this order
// at start-up.
constexpr int32_t SONOTA = 101;
constexpr int32_t KINSI = 102;
constexpr int32_t KOMAUTI = 103;
constexpr int32_t SYUUKYOKU = 104;
constexpr int32_t BGM = 105;

// Twips of the top-left corner of square (i, j), hand squares included.
constexpr double SquareX(int i) {
  return BAN_X0 + MASU_W * i;
}
constexpr double SquareY(int j) {
  return BAN_Y0 + MASU_H * j;
}

// A short, valid 8-bit mono PCM wave image.
inline std::string TinyWave() {
  std::string w;
  auto u32 = [&w](uint32_t v) {
    for (int k = 0; k < 4; ++k) w.push_back(static_cast<char>((v >> (8 * k)) & 0xff));
  };
  auto u16 = [&w](uint16_t v) {
    w.push_back(static_cast<char>(v & 0xff));
    w.push_back(static_cast<char>(v >> 8));
  };
  const uint32_t samples = 16;
  w += "RIFF";
  u32(36 + samples);
  w += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(8000);
  u32(8000);
  u16(1);
  u16(8);
  w += "data";
  u32(samples);
  w.append(samples, static_cast<char>(0x80));
  return w;
}

// True when two states hold the same game. The double-pawn flags are scratch values
// that every drop test recomputes, so they are left out.
inline bool SameGame(const GameState& a, const GameState& b) {
  GameState x = a;
  std::memcpy(x.NIFU_SITA, b.NIFU_SITA, sizeof x.NIFU_SITA);
  std::memcpy(x.NIFU_UE, b.NIFU_UE, sizeof x.NIFU_UE);
  return std::memcmp(&x, &b, sizeof(GameState)) == 0;
}

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakeSound();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    sounds_ = std::filesystem::temp_directory_path() /
              ("kazeban-play-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::create_directories(sounds_);
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav"}) {
      std::ofstream(sounds_ / name, std::ios::binary) << TinyWave();
    }
    f = std::make_unique<Form1>(surface, controls, sounds_.string(), 42);
    f->待機 = [this](int n) { waits.push_back(n); };
  }

  void TearDown() override { std::filesystem::remove_all(sounds_); }

  // Form_Load, then forget what it drew and asked.
  void Start() {
    Form_Load(*f);
    surface.Clear();
    controls.messages.clear();
    FakeSound().calls.clear();
  }

  // Start, then スタート: a game between two people, SITA to move.
  void StartTwoPlayerGame() {
    Start();
    START_Click(*f);
    surface.Clear();
    controls.messages.clear();
  }

  // A two-player game on an empty board with both kings at home; `s` to set it up.
  GameState& EmptyBoardGame() {
    StartTwoPlayerGame();
    GameState& s = f->s;
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) s.BAN[i][j] = KARA;
    }
    s.BAN[5][9] = K_SITA_OU;
    s.BAN[5][1] = K_UE_OU;
    return s;
  }

  // A press of `button` in the middle of square (i, j).
  void Click(int i, int j, int button = BUTTON_LEFT) {
    Form_MouseDown(*f, button, 0, SquareX(i) + 240, SquareY(j) + 300);
  }
  // Two clicks: from (i, j) to (i2, j2), the second with `button`.
  void Move(int i, int j, int i2, int j2, int button = BUTTON_LEFT) {
    Click(i, j);
    Click(i2, j2, button);
  }

  // The colour of the last outline of square (i, j), −1 if none was drawn.
  int Outline(int i, int j) const { return surface.OutlineColourAt(SquareX(i), SquareY(j)); }
  // The last picture drawn on square (i, j), 0 if none.
  int Picture(int i, int j) const { return surface.PictureAt(SquareX(i), SquareY(j)); }
  // Sound calls of one kind with one buffer.
  int Played(int32_t handle) const { return FakeSound().Count("dsPlay", handle); }

  std::filesystem::path sounds_;
  RecordingSurface surface;
  FakeControls controls;
  std::unique_ptr<Form1> f;
  std::vector<int> waits;
};

}  // namespace kazeban::testing

#include "record/record_commands.h"

#include "display/translatable.h"

#include <filesystem>
#include <system_error>

#include "display/panel.h"
#include "display/text_drawing.h"
#include "play/start_up.h"
#include "sound/kazeban_sound.h"
#include "storage/record_file.h"

namespace kazeban {
namespace {

// Where File1_Click prints the names, in twips: the game's name under the board on
// the left, the top player's above the board, the bottom player's under it.
constexpr double 対局名_X = 800, 対局名_Y = 6350;
constexpr double 上側の名_X = 3700, 上側の名_Y = 100;
constexpr double 下側の名_X = 3700, 下側の名_Y = 6350;
constexpr int 名前の大きさ = 12;
// What a shortened name leaves free before the next text or the window's edge.
constexpr double 名前の間 = 120;

// True when the directory can be listed: a volume that is not mounted, not ready or
// not readable cannot.
bool 読めるフォルダ(const std::string& path) {
  std::error_code ec;
  std::filesystem::directory_iterator it(std::filesystem::path(path), ec);
  return !ec;
}

// Dir1 and File1 at `path`.
void フォルダを選ぶ(Form1& f, const std::string& path) {
  f.controls.SetDirListPath(path);
  f.controls.SetFileListPath(path);
}

void 名前を書く(Form1& f, double x, double y, const std::string& text) {
  if (text.empty()) return;
  f.g.surface.DrawText(x, y, text, 名前の大きさ, f.g.太字, IRO_15);
}

}  // namespace

std::string パス_結合(std::string_view directory, std::string_view name) {
  std::string path(directory);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

void 名前_描画(Form1& f, const std::string& 対局名, const std::string& 上側の名,
               const std::string& 下側の名) {
  名前を書く(f, 対局名_X, 対局名_Y, 対局名);
  名前を書く(f, 上側の名_X, 上側の名_Y, 上側の名);
  名前を書く(f, 下側の名_X, 下側の名_Y, 下側の名);
}

void 読んだ名前_描画(Form1& f, const std::string& 対局名, const std::string& 上側の名,
                     const std::string& 下側の名) {
  const auto fit = [&](const std::string& text, double x, double limit) {
    return 幅に収める(f.g.surface, text, 名前の大きさ, f.g.太字, limit - 名前の間 - x);
  };
  名前を書く(f, 対局名_X, 対局名_Y, fit(対局名, 対局名_X, 下側の名_X));
  名前を書く(f, 上側の名_X, 上側の名_Y, fit(上側の名, 上側の名_X, FORM_WIDTH_TWIPS));
  名前を書く(f, 下側の名_X, 下側の名_Y, fit(下側の名, 下側の名_X, FORM_WIDTH_TWIPS));
}

void KIFU_READ_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  描画_可視(f.controls, true, true, true);
  描画_棋譜_IO(f.controls, 1);
}

void KIFU_WRITE_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  GameState& s = f.s;

  // 1. A turned board no longer matches its moves.
  if (s.HANTEN_FLAG == ON) {
    拒否(f, KZ_TR("Message", "棋譜書込"), KZ_TR("Message", "反転後は書き込みできません"));
    return;
  }

  // 2. Nor does a game begun with a handicap: a record replays from the full position.
  if (s.HANDE_FLAG == ON) {
    拒否(f, KZ_TR("Message", "棋譜書込"), KZ_TR("Message", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"));
    return;
  }

  // A game read from another program's record may start from a handicap or a board
  // diagram, which a record file cannot hold.
  if (!f.由来.平手) {
    拒否(f, KZ_TR("Message", "棋譜書込"),
         KZ_TR("Message", "平手の初形からでない棋譜は書き込みできません"));
    return;
  }

  // 3. The lists to choose the directory, the name boxes and "RETURN".
  描画_可視(f.controls, true, true, false);
  描画_棋譜_IO(f.controls, 0);
}

void Drive1_Change(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  const std::string drive = f.controls.DriveListDrive();
  if (!読めるフォルダ(drive)) {
    f.controls.MessageOK(KZ_TR("Message", "ｴﾗｰ"), KZ_TR("Message", "ﾃﾞﾊﾞｲｽが準備できていません"));
    return;
  }
  フォルダを選ぶ(f, drive);
}

void Dir1_Change(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  f.controls.SetFileListPath(f.controls.DirListPath());
}

void Command1_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;
  const GameState& s = f.s;
  const std::string name = f.controls.PanelText(1);

  // 1. A file name is needed, and one name, not a path.
  if (name.empty()) {
    f.controls.MessageOK("  ", KZ_TR("Message", "ﾌｧｲﾙ名が入力されていません"));
    return;
  }
  if (name.find('/') != std::string::npos) {
    f.controls.MessageOK("  ", KZ_TR("Message", "ﾌｧｲﾙ名に「/」は使えません"));
    return;
  }

  // 2. Something to save.
  if (s.KIFU_SUU < 1) {
    f.controls.MessageOK(KZ_TR("Message", "棋譜保存"),
                         KZ_TR("Message", "保存するデータがありません"));
    return;
  }

  // 3. The names as the file holds them: the top side's player, then the bottom
  // side's, whichever of them moved first.
  // Against an engine, an empty box names the person and the engine.
  std::string first = f.controls.PanelText(3);
  std::string second = f.controls.PanelText(4);
  const bool sita_first = s.SITA_SENGO == SENTE;
  if (s.TAIKYOKU_SYU == TAI_ENGINE) {
    if (first.empty()) first = sita_first ? f.由来.下側の名 : f.由来.上側の名;
    if (second.empty()) second = sita_first ? f.由来.上側の名 : f.由来.下側の名;
  }
  const 棋譜データ data = 棋譜_記録から(s, f.controls.PanelText(2), sita_first ? second : first,
                                        sita_first ? first : second);

  // 4. The file, complete or not at all, in the directory chosen. A failure keeps the
  // panel and what was typed, so the player can change the name or the directory and
  // try again.
  const std::string directory = f.controls.DirListPath();
  if (directory.empty()) {
    f.controls.MessageOK(KZ_TR("Message", "棋譜保存"),
                         KZ_TR("Message", "保存先のフォルダが選ばれていません"));
    return;
  }
  const std::string path = パス_結合(directory, name + ".棋譜");
  const 棋譜書込結果 written = 棋譜_書込(path, data);
  if (!written.成功) {
    拒否(f, KZ_TR("Message", "棋譜保存"), written.理由);
    return;
  }

  // 5. Written: the panel hides, the file list shows the new file, and the player is
  // told.
  パネル_隠す(f);
  f.controls.RefreshFileList();
  f.controls.MessageOK("  ", KZ_TR("Message", "棋譜を書き込みました"));
}

void File1_Click(Form1& f) {
  処理ガード guard(f);
  if (!guard) return;

  // 1. The lists hide.
  描画_可視(f.controls, false, false, false);
  const std::string name = f.controls.FileListFileName();
  if (name.empty()) return;
  棋譜ファイル_読込(f, パス_結合(f.controls.FileListPath(), name));
}

void 棋譜ファイル_読込(Form1& f, const std::string& path) {
  // 2. The whole file is read and checked before anything of the game changes.
  const 棋譜読込結果 read = 棋譜_読込(path);
  if (!read.成功) {
    拒否(f, KZ_TR("Message", "棋譜読込"), read.理由);
    return;
  }

  棋譜_記録モードへ(f, read);
}

void 棋譜_記録モードへ(Form1& f, const 棋譜読込結果& read) {
  // 3. Start-up again: the starting position, every flag cleared; then record mode.
  Form_Load(f);
  GameState& s = f.s;
  s.KIFU_MODE = ON;

  // 4. The names, in white.
  名前_描画(f, read.データ.対局名, read.データ.上側の名, read.データ.下側の名);

  // 5. The moves into the record, the starting position on the board.
  棋譜_記録へ(read.データ, s);
  f.由来.初形 = s;
  f.由来.対局名 = read.データ.対局名;
  f.由来.上側の名 = read.データ.上側の名;
  f.由来.下側の名 = read.データ.下側の名;
  f.由来.上側が先 = s.KIFU_SAIGO > 0 && s.KIFU_NARI[1] > 0;

  // 6. What was read.
  if (s.KIFU_SAIGO == 0) {
    f.controls.MessageOK(KZ_TR("Message", "棋譜"), KZ_TR("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"));
    return;
  }
  f.controls.MessageOK(KZ_TR("Message", "棋譜"), KZ_TR("Message", " 読み込みました"));
  if (read.打切り) {
    f.controls.MessageOK("棋譜", std::to_string(KIFU_MAX + 1) +
                                     "手目からあとは読み込んでいません(" +
                                     std::to_string(KIFU_MAX) + "手まで)");
  }
  f.controls.MessageOK(KZ_TR("Message", "棋譜"), KZ_TR("Message", "棋譜を '進 'で進めて下さい"));
}

}  // namespace kazeban

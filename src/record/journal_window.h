// The journal in the window: told of every move through the window's 記録先, it keeps
// the game with the names typed in the record panel's boxes, and tells the player in a
// box, once a game, where the game could not be written. The game goes on either way.
#pragma once

#include <string>
#include <utility>

#include "play/form.h"
#include "record/journal.h"

namespace kazeban {

class 窓の対局記録 : public 指し手の記録先 {
 public:
  窓の対局記録(記録ポート& port, std::string folder) : journal_(port, std::move(folder)) {}
  void 終局した(Form1& f, const 標準の終局& e) override;
  void 指した(Form1& f) override;
  // What the player typed into the boxes of the game's name and the players' names.
  void 名前を入力(Form1& f);
  const 対局記録& 記録() const { return journal_; }

 private:
  対局記録 journal_;
};

}  // namespace kazeban

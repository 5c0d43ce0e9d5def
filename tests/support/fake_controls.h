// The window's controls for tests: every message box is recorded with its title, text
// and buttons; Yes/No boxes are answered from a script, and a Yes/No box with no
// answer left fails the test. Check marks, the record-file panel, the window's place
// and the end of the program are recorded too.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "display/controls.h"

namespace kazeban::testing {

struct Box {
  std::string title;
  std::string text;
  bool yes_no = false;  // buttons はい/いいえ rather than OK
  bool answer = true;   // the answer given to a Yes/No box
};

struct Placement {
  int left, top, width, height;
};

class FakeControls : public Controls {
 public:
  // Queues the answer to the next Yes/No box (true: はい).
  void Answer(bool yes) { answers.push_back(yes); }

  void MessageOK(std::string_view title, std::string_view text) override {
    boxes.push_back({std::string(title), std::string(text), false, true});
    if (on_box) on_box(boxes.back());
  }

  bool MessageYesNo(std::string_view title, std::string_view text) override {
    bool answer = true;
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted Yes/No box: title \"" << title << "\", text \"" << text << "\"";
    } else {
      answer = answers.front();
      answers.pop_front();
    }
    boxes.push_back({std::string(title), std::string(text), true, answer});
    if (on_box) on_box(boxes.back());
    return answer;
  }

  void SetChecked(MenuCheck item, bool checked) override {
    checks[item] = checked;
    ++check_changes;
  }
  bool IsChecked(MenuCheck item) const override {
    const auto it = checks.find(item);
    return it != checks.end() && it->second;
  }

  void SetListsVisible(bool drive, bool dir, bool file) override {
    drive_visible = drive;
    dir_visible = dir;
    file_visible = file;
    ++list_visibility_calls;
  }
  void SetNamePanelVisible(bool visible) override {
    name_panel_visible = visible;
    ++name_panel_calls;
  }
  std::string PanelText(int box) const override {
    return box >= 1 && box <= 4 ? texts[box] : std::string();
  }
  void SetPanelText(int box, std::string_view text) override {
    if (box >= 1 && box <= 4) texts[box] = std::string(text);
  }

  int WindowTop() const override { return window_top; }
  void PlaceWindow(int left, int top, int width, int height) override {
    placements.push_back({left, top, width, height});
    window_top = top;
  }

  void Quit() override { ++quit_count; }

  // The titles of the boxes shown, in order.
  std::vector<std::string> Titles() const {
    std::vector<std::string> out;
    for (const Box& b : boxes) out.push_back(b.title);
    return out;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
  // Called while each box is open (after it was recorded), e.g. to click the window
  // behind it.
  std::function<void(const Box&)> on_box;

  std::map<MenuCheck, bool> checks;
  int check_changes = 0;

  bool drive_visible = false, dir_visible = false, file_visible = false;
  bool name_panel_visible = false;
  int list_visibility_calls = 0;
  int name_panel_calls = 0;
  std::string texts[5];

  int window_top = 0;
  std::vector<Placement> placements;
  int quit_count = 0;
};

}  // namespace kazeban::testing

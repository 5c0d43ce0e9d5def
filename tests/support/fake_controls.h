// The window's controls for tests: message boxes are recorded and answered from a
// script, check marks, the record-file panel and the window's place are kept as plain
// fields, and every call is logged in order so a test can ask what happened when.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "display/controls.h"

namespace kazeban::testing {

class FakeControls : public Controls {
 public:
  struct Message {
    std::string title;
    std::string text;
    bool yes_no = false;
  };

  void MessageOK(std::string_view title, std::string_view text) override {
    messages.push_back({std::string(title), std::string(text), false});
    log.push_back("MessageOK " + std::string(title) + ": " + std::string(text));
  }

  // Answers from `answers`, front first; はい when the script has run out, so that a
  // test that forgot an answer fails on what follows rather than hanging.
  bool MessageYesNo(std::string_view title, std::string_view text) override {
    messages.push_back({std::string(title), std::string(text), true});
    log.push_back("MessageYesNo " + std::string(title) + ": " + std::string(text));
    if (answers.empty()) {
      ++unanswered;
      return true;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void SetChecked(MenuCheck item, bool checked) override {
    checks[item] = checked;
    log.push_back(std::string("SetChecked ") + CheckName(item) + (checked ? " on" : " off"));
  }
  bool IsChecked(MenuCheck item) const override {
    const auto it = checks.find(item);
    return it != checks.end() && it->second;
  }

  void SetListsVisible(bool drive, bool dir, bool file) override {
    drive_visible = drive;
    dir_visible = dir;
    file_visible = file;
    log.push_back(std::string("SetListsVisible ") + (drive ? "1" : "0") + (dir ? "1" : "0") +
                  (file ? "1" : "0"));
  }
  void SetNamePanelVisible(bool visible) override {
    name_panel_visible = visible;
    log.push_back(std::string("SetNamePanelVisible ") + (visible ? "1" : "0"));
  }
  std::string PanelText(int box) const override {
    return box >= 1 && box <= 4 ? panel_text[box] : std::string();
  }
  void SetPanelText(int box, std::string_view text) override {
    if (box >= 1 && box <= 4) panel_text[box] = std::string(text);
    log.push_back("SetPanelText " + std::to_string(box) + " " + std::string(text));
  }

  int WindowTop() const override { return window_top; }
  void PlaceWindow(int left, int top, int width, int height) override {
    window_left = left;
    window_top = top;
    window_width = width;
    window_height = height;
    log.push_back("PlaceWindow " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(width) + " " + std::to_string(height));
  }

  void Quit() override {
    quit = true;
    log.push_back("Quit");
  }

  static const char* CheckName(MenuCheck item) {
    switch (item) {
      case MenuCheck::SIDOU:
        return "SIDOU";
      case MenuCheck::BGM:
        return "BGM";
      case MenuCheck::LEVEL1:
        return "LEVEL1";
      case MenuCheck::LEVEL2:
        return "LEVEL2";
      case MenuCheck::LEVEL3:
        return "LEVEL3";
    }
    return "?";
  }

  // What was asked, in order.
  std::vector<Message> messages;
  std::vector<std::string> log;

  // The answers to the next Yes/No boxes (true: はい), and how many boxes found none.
  std::deque<bool> answers;
  int unanswered = 0;

  std::map<MenuCheck, bool> checks;
  bool drive_visible = false, dir_visible = false, file_visible = false;
  bool name_panel_visible = false;
  std::string panel_text[5];  // [1..4]: Text1..Text4
  int window_left = 0, window_top = 0, window_width = 0, window_height = 0;
  bool quit = false;
};

}  // namespace kazeban::testing

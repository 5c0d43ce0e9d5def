// The window's controls for tests. Every message box is recorded with its title, text
// and buttons; Yes/No boxes are answered from a script, and a Yes/No box with no answer
// left fails the test (it is then answered はい, so that the test goes on and shows what
// followed). Check marks, the record-file panel (its boxes and lists), the window's place
// and the end of the program are kept as plain fields, and every call is logged in order so that a
// test can ask what happened when.
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

class FakeControls : public Controls {
 public:
  struct Message {
    std::string title;
    std::string text;
    bool yes_no = false;  // buttons はい/いいえ rather than OK
    bool answer = true;   // what a Yes/No box was answered
  };

  struct Placement {
    int left, top, width, height;
  };

  // Queues the answer to the next Yes/No box (true: はい).
  void Answer(bool yes) { answers.push_back(yes); }

  void MessageOK(std::string_view title, std::string_view text) override {
    messages.push_back({std::string(title), std::string(text), false, true});
    log.push_back("MessageOK " + std::string(title) + ": " + std::string(text));
    if (on_box) on_box(messages.back());
  }

  bool MessageYesNo(std::string_view title, std::string_view text) override {
    bool answer = true;
    if (answers.empty()) {
      ++unanswered;
      ADD_FAILURE() << "unscripted Yes/No box: title \"" << title << "\", text \"" << text << "\"";
    } else {
      answer = answers.front();
      answers.pop_front();
    }
    messages.push_back({std::string(title), std::string(text), true, answer});
    log.push_back("MessageYesNo " + std::string(title) + ": " + std::string(text));
    if (on_box) on_box(messages.back());
    return answer;
  }

  void SetChecked(MenuCheck item, bool checked) override {
    checks[item] = checked;
    ++check_changes;
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

  std::string DriveListDrive() const override { return drive_root; }
  std::string DirListPath() const override { return dir_path; }
  void SetDirListPath(std::string_view path) override {
    dir_path = std::string(path);
    log.push_back("SetDirListPath " + dir_path);
  }
  std::string FileListPath() const override { return file_path; }
  void SetFileListPath(std::string_view path) override {
    file_path = std::string(path);
    log.push_back("SetFileListPath " + file_path);
  }
  std::string FileListFileName() const override { return file_name; }
  void RefreshFileList() override {
    ++file_list_refreshes;
    log.push_back("RefreshFileList");
  }

  int WindowTop() const override { return window_top; }
  void PlaceWindow(int left, int top, int width, int height) override {
    window_left = left;
    window_top = top;
    window_width = width;
    window_height = height;
    placements.push_back({left, top, width, height});
    log.push_back("PlaceWindow " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(width) + " " + std::to_string(height));
  }

  void Quit() override {
    quit = true;
    ++quit_count;
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
      case MenuCheck::HYOUJUN:
        return "HYOUJUN";
    }
    return "?";
  }

  // The titles of the boxes shown, in order.
  std::vector<std::string> Titles() const {
    std::vector<std::string> out;
    for (const Message& m : messages) out.push_back(m.title);
    return out;
  }

  // What was asked, in order.
  std::vector<Message> messages;
  std::vector<std::string> log;

  // The answers to the next Yes/No boxes (true: はい), and how many boxes found none.
  std::deque<bool> answers;
  int unanswered = 0;
  // Called while each box is open (after it was recorded), e.g. to click the window
  // behind it.
  std::function<void(const Message&)> on_box;

  std::map<MenuCheck, bool> checks;
  int check_changes = 0;
  bool drive_visible = false, dir_visible = false, file_visible = false;
  bool name_panel_visible = false;
  std::string panel_text[5];  // [1..4]: Text1..Text4
  // The lists: the drive chosen in Drive1, the directory of Dir1, the directory File1
  // lists and the file chosen in it; set them as a player's choice would.
  std::string drive_root = "/";
  std::string dir_path = "/";
  std::string file_path = "/";
  std::string file_name;
  int file_list_refreshes = 0;
  int window_left = 0, window_top = 0, window_width = 0, window_height = 0;
  std::vector<Placement> placements;
  bool quit = false;
  int quit_count = 0;
};

}  // namespace kazeban::testing

// The window's controls other than the drawing surface: modal message boxes, the
// check marks of the menu, the record-file panel, the window's place and size, and
// ending the program. The window implements them with Qt; the tests implement them
// with fakes that record what was asked and answer the boxes from a script.
#pragma once

#include <string>
#include <string_view>

namespace kazeban {

// Menu items that carry a check mark.
enum class MenuCheck { SIDOU, BGM, LEVEL1, LEVEL2, LEVEL3, HYOUJUN };

class Controls {
 public:
  virtual ~Controls() = default;

  // A modal box with the exclamation icon, the title, the text and one OK button.
  virtual void MessageOK(std::string_view title, std::string_view text) = 0;

  // A modal box with the exclamation icon and the buttons はい and いいえ; true for はい.
  virtual bool MessageYesNo(std::string_view title, std::string_view text) = 0;

  virtual void SetChecked(MenuCheck item, bool checked) = 0;
  virtual bool IsChecked(MenuCheck item) const = 0;

  // The record-file panel: the drive, directory and file lists (Drive1, Dir1, File1),
  // and the name part (the four text boxes Text1..Text4 with their labels and the
  // "RETURN" button).
  virtual void SetListsVisible(bool drive, bool dir, bool file) = 0;
  virtual void SetNamePanelVisible(bool visible) = 0;
  virtual std::string PanelText(int box) const = 0;  // box 1..4: Text1..Text4
  virtual void SetPanelText(int box, std::string_view text) = 0;

  // The panel's lists, paths in UTF-8. Drive1 offers the mounted volumes by their root
  // directories; Dir1 shows the directories of a volume with one of them chosen; File1
  // lists the "*.棋譜" files of one directory, of which the player may choose one.
  virtual std::string DriveListDrive() const = 0;  // the root of the volume chosen
  virtual std::string DirListPath() const = 0;     // the directory chosen in Dir1
  virtual void SetDirListPath(std::string_view path) = 0;
  virtual std::string FileListPath() const = 0;  // the directory File1 lists
  virtual void SetFileListPath(std::string_view path) = 0;
  virtual std::string FileListFileName() const = 0;  // the file chosen, "" for none
  // Reads File1's directory again, so that a file just written shows.
  virtual void RefreshFileList() = 0;

  // The window's top edge, and its place and outer size, in twips.
  virtual int WindowTop() const = 0;
  virtual void PlaceWindow(int left, int top, int width, int height) = 0;

  // Ends the program once the current handler has returned; no other event runs.
  virtual void Quit() = 0;
};

}  // namespace kazeban

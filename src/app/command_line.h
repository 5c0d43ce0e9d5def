// The game's command line, read before any window exists so that --help and --version
// answer without a display:
//
//   kazeban [FILE]        opens the window, with FILE read as the record panel reads it
//   kazeban --help        prints the usage
//   kazeban --version     prints the version
//
// Qt's own options (-platform NAME, -style NAME, -reverse …) are passed over here and
// left to QApplication; any other option is refused.
#pragma once

#include <string>

namespace kazeban {

struct CommandLine {
  enum class Action { Run, Help, Version, Refuse };
  Action action = Action::Run;
  std::string file;   // the record to open at start, empty for none
  std::string error;  // why the command line was refused
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// What --help prints.
std::string UsageText();

// What --version prints: "kazeban <version>".
std::string VersionText();

}  // namespace kazeban

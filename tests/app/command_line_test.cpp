// The game's command line: what starts the window, what answers without one, what is
// refused, and Qt's own options passed over with their values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace kazeban {
namespace {

using Action = CommandLine::Action;

struct Case {
  std::vector<const char*> args;  // after the program's name
  Action action;
  std::string file;
};

CommandLine Read(const std::vector<const char*>& args) {
  std::vector<const char*> argv = {"kazeban"};
  argv.insert(argv.end(), args.begin(), args.end());
  return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, ReadsTheActionAndTheFile) {
  const Case cases[] = {
      {{}, Action::Run, ""},
      {{"対局.棋譜"}, Action::Run, "対局.棋譜"},
      {{"--help"}, Action::Help, ""},
      {{"-h", "--bogus"}, Action::Help, ""},
      {{"a.棋譜", "--version"}, Action::Version, ""},
      // Qt's options and their values are not taken for the file.
      {{"-platform", "offscreen", "a.棋譜"}, Action::Run, "a.棋譜"},
      {{"-style=fusion", "-reverse", "a.棋譜"}, Action::Run, "a.棋譜"},
      {{"--", "-a.棋譜"}, Action::Run, "-a.棋譜"},
      {{"-"}, Action::Run, "-"},
      // Refused.
      {{"--bogus"}, Action::Refuse, ""},
      {{"a.棋譜", "b.棋譜"}, Action::Refuse, "a.棋譜"},
      {{"-platform"}, Action::Refuse, ""},
      {{"-reverse=yes"}, Action::Refuse, ""},
      {{"-x", "a.棋譜"}, Action::Refuse, ""},
  };
  for (const Case& c : cases) {
    const CommandLine got = Read(c.args);
    const std::string where = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(got.action, c.action) << where;
    if (c.action == Action::Run) {
      EXPECT_EQ(got.file, c.file) << where;
    }
    EXPECT_EQ(got.error.empty(), c.action != Action::Refuse) << where;
  }
}

TEST(CommandLine, TheRefusalNamesTheOption) {
  EXPECT_EQ(Read({"a.棋譜", "--level"}).error, "unknown option --level");
  EXPECT_EQ(Read({"-style"}).error, "option -style needs a value");
}

}  // namespace
}  // namespace kazeban

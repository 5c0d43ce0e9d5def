#include "app/command_line.h"

#include <string_view>

#ifndef KAZEBAN_VERSION
#error "KAZEBAN_VERSION must be defined by the build"
#endif

namespace kazeban {
namespace {

// QApplication's options: those that take the next argument as their value, and those
// that stand alone. Either may also be written with "--" and "=value".
constexpr std::string_view kQtWithValue[] = {"platform",        "platformpluginpath",
                                             "platformtheme",   "plugin",
                                             "qwindowgeometry", "qwindowicon",
                                             "qwindowtitle",    "display",
                                             "geometry",        "style",
                                             "stylesheet",      "session"};
constexpr std::string_view kQtAlone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The name of a Qt option ("-style", "--style=fusion" → "style"), or empty.
std::string_view QtName(std::string_view arg) {
  arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
  return arg.substr(0, arg.find('='));
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  CommandLine c;
  const auto refuse = [&c](std::string why) {
    c.action = CommandLine::Action::Refuse;
    c.error = std::move(why);
    return c;
  };
  bool options_end = false;
  for (int n = 1; n < argc; ++n) {
    const std::string_view arg = argv[n];
    if (!options_end && arg.size() > 1 && arg[0] == '-') {
      if (arg == "--") {
        options_end = true;
        continue;
      }
      if (arg == "--help" || arg == "-h") {
        c.action = CommandLine::Action::Help;
        return c;
      }
      if (arg == "--version") {
        c.action = CommandLine::Action::Version;
        return c;
      }
      const std::string_view name = QtName(arg);
      const bool has_value = arg.find('=') != std::string_view::npos;
      bool known = false;
      for (std::string_view q : kQtAlone) known = known || (name == q && !has_value);
      for (std::string_view q : kQtWithValue) {
        if (name != q) continue;
        known = true;
        if (!has_value) {
          if (n + 1 >= argc) return refuse("option " + std::string(arg) + " needs a value");
          ++n;
        }
      }
      if (!known) return refuse("unknown option " + std::string(arg));
      continue;
    }
    if (!c.file.empty()) return refuse("only one file may be given");
    c.file = arg;
  }
  return c;
}

std::string UsageText() {
  return "usage: kazeban [FILE]\n"
         "       kazeban --help | --version\n"
         "\n"
         "Opens the KAZEBAN shogi board. With FILE, the game is read and shown in record\n"
         "mode (step through it with 進 and 戻): a .棋譜 file as 棋譜 → 読込 reads it, a\n"
         "KIF, KI2, CSA or SFEN file as 棋譜 → 取込 reads it.\n"
         "\n"
         "  -h, --help     print this help and exit\n"
         "      --version  print the version and exit\n"
         "\n"
         "Qt's options (-platform NAME, -style NAME, -reverse …) are accepted too.\n"
         "See kazeban(6).\n";
}

std::string VersionText() {
  return std::string("kazeban ") + KAZEBAN_VERSION + "\n";
}

}  // namespace kazeban

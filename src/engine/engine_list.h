// Which USI engines the machine offers: the shogi engines Debian packages, looked up
// on PATH in its order and then in /usr/games, and KAZEBAN's own kazeban-usi beside the
// game. The file system is asked through a predicate, so the order can be tested.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kazeban {

// The programs found, each once, in the order they are offered: every folder of
// `path` (":"-separated; an empty entry is the current folder) and then /usr/games,
// each asked for fairy-stockfish and then gpsusi; a name found once is not looked for
// further. Last, kazeban-usi in `program_folder` when it is there.
std::vector<std::string> エンジン一覧(std::string_view path, const std::string& program_folder,
                                      const std::function<bool(const std::string&)>& runnable);

// The name a program is shown under before it has said its own: its file name.
std::string ファイル名(const std::string& program);

}  // namespace kazeban

#include "engine/engine_list.h"

namespace kazeban {

std::vector<std::string> エンジン一覧(std::string_view path, const std::string& program_folder,
                                      const std::function<bool(const std::string&)>& runnable) {
  std::vector<std::string> folders;
  while (true) {
    const size_t colon = path.find(':');
    const std::string_view dir = path.substr(0, colon);
    folders.emplace_back(dir.empty() ? "." : dir);
    if (colon == std::string_view::npos) break;
    path.remove_prefix(colon + 1);
  }
  folders.emplace_back("/usr/games");

  std::vector<std::string> found;
  bool seen[2] = {false, false};
  static const char* const names[2] = {"fairy-stockfish", "gpsusi"};
  for (const std::string& dir : folders) {
    for (int k = 0; k < 2; ++k) {
      if (seen[k]) continue;
      const std::string program = dir + "/" + names[k];
      if (runnable(program)) {
        seen[k] = true;
        found.push_back(program);
      }
    }
  }
  if (!program_folder.empty()) {
    const std::string own = program_folder + "/kazeban-usi";
    if (runnable(own)) found.push_back(own);
  }
  return found;
}

std::string ファイル名(const std::string& program) {
  const size_t slash = program.rfind('/');
  return slash == std::string::npos ? program : program.substr(slash + 1);
}

}  // namespace kazeban

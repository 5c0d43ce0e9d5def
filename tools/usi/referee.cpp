// kazeban-usi-referee: plays whole games between two USI engines and checks both.
//
//   kazeban-usi-referee [--games N] [--moves M] [--go "go …"] [--setup1 CMD] [--setup2 CMD]
//                       [--record FILE] ENGINE1 ENGINE2
//
// Each engine is a command line run by /bin/sh. The referee speaks USI to both (usi,
// isready, usinewgame, position startpos moves …, go, gameover, quit), the engines
// taking black in turn, and checks every answer: usiok and readyok arrive, every
// bestmove arrives within 30 seconds, reads as a USI move and is allowed by the
// standard rules in the position (ENGINE resigning while it has a legal move is
// allowed: it is a choice). A game ends with a resignation, "bestmove win", a side
// with no legal move, or after M moves (default 256). --setupN sends a command to
// engine N after its handshake (repeatable, e.g. "setoption name Level value 1").
// Prints one line per game and a summary; exits 1 on the first fault, saying which
// engine and the position. --record writes every game as one "position startpos moves
// …" line, for other programs to check.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "interop/sfen.h"
#include "interop/standard_rules.h"

namespace kazeban {
namespace {

struct 反則 {
  std::string what;
};

// One engine as a child process with its standard input and output on pipes.
class 機関 {
 public:
  機関(std::string name, const std::string& command) : name_(std::move(name)) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) throw 反則{"no pipes"};
    pid_ = fork();
    if (pid_ < 0) throw 反則{"cannot start " + command};
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[0]);
      close(in[1]);
      close(out[0]);
      close(out[1]);
      execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    to_ = in[1];
    from_ = out[0];
  }
  ~機関() {
    close(to_);
    close(from_);
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  機関(const 機関&) = delete;
  機関& operator=(const 機関&) = delete;

  const std::string& name() const { return name_; }

  void 送る(const std::string& line) {
    const std::string l = line + "\n";
    if (write(to_, l.data(), l.size()) != static_cast<ssize_t>(l.size())) {
      throw 反則{name_ + " does not read its input"};
    }
  }

  // Reads lines until one starts with `word`; returns it.
  std::string 待つ(std::string_view word, int seconds = 30) {
    for (;;) {
      const size_t nl = buf_.find('\n');
      if (nl != std::string::npos) {
        std::string line = buf_.substr(0, nl);
        buf_.erase(0, nl + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(word)) return line;
        continue;
      }
      pollfd p{from_, POLLIN, 0};
      if (poll(&p, 1, seconds * 1000) <= 0) {
        throw 反則{name_ + " did not answer " + std::string(word) + " in time"};
      }
      char chunk[4096];
      const ssize_t n = read(from_, chunk, sizeof chunk);
      if (n <= 0) throw 反則{name_ + " ended before " + std::string(word)};
      buf_.append(chunk, static_cast<size_t>(n));
    }
  }

 private:
  std::string name_;
  pid_t pid_ = -1;
  int to_ = -1;
  int from_ = -1;
  std::string buf_;
};

int 実行(int argc, char** argv) {
  int games = 2;
  int moves = 256;
  std::string go = "go btime 0 wtime 0 byoyomi 100";
  std::vector<std::string> setup[2];
  std::vector<std::string> engines;
  std::string record_file;
  for (int n = 1; n < argc; ++n) {
    const std::string_view a = argv[n];
    if (n + 1 < argc && a == "--games") {
      games = std::atoi(argv[++n]);
    } else if (n + 1 < argc && a == "--moves") {
      moves = std::atoi(argv[++n]);
    } else if (n + 1 < argc && a == "--go") {
      go = argv[++n];
    } else if (n + 1 < argc && a == "--record") {
      record_file = argv[++n];
    } else if (n + 1 < argc && (a == "--setup1" || a == "--setup2")) {
      setup[a == "--setup2"].push_back(argv[++n]);
    } else {
      engines.emplace_back(a);
    }
  }
  if (engines.size() != 2 || games < 1 || moves < 1) {
    std::fprintf(stderr,
                 "usage: kazeban-usi-referee [--games N] [--moves M] [--go \"go ...\"] "
                 "[--setup1 CMD] [--setup2 CMD] [--record FILE] ENGINE1 ENGINE2\n");
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);
  FILE* games_out = nullptr;
  if (!record_file.empty() && (games_out = std::fopen(record_file.c_str(), "w")) == nullptr) {
    std::fprintf(stderr, "kazeban-usi-referee: cannot write %s\n", record_file.c_str());
    return 2;
  }

  int wins[2] = {0, 0}, draws = 0, total_moves = 0;
  std::string record;
  try {
    機関 e1("engine 1", engines[0]);
    機関 e2("engine 2", engines[1]);
    機関* both[2] = {&e1, &e2};
    for (int k = 0; k < 2; ++k) {
      both[k]->送る("usi");
      both[k]->待つ("usiok");
      for (const std::string& c : setup[k]) both[k]->送る(c);
      both[k]->送る("isready");
      both[k]->待つ("readyok");
    }
    for (int g = 0; g < games; ++g) {
      機関* side[2] = {both[g % 2], both[1 - g % 2]};  // black, white
      for (機関* e : side) {
        e->送る("usinewgame");
        e->送る("isready");
        e->待つ("readyok");
      }
      Position p = 平手局面();
      record = "position startpos moves";
      int winner = -1;  // 0 black, 1 white
      std::string how = "move limit";
      棋譜の手 legal[標準手の最大数];
      int n = 0;
      for (; n < moves; ++n) {
        const int mover = p.toMove == Color::Black ? 0 : 1;
        if (合法手一覧(p, legal) == 0) {
          winner = 1 - mover;
          how = "no legal move";
          break;
        }
        機関& e = *side[mover];
        e.送る(n == 0 ? "position startpos" : record);
        e.送る(go);
        const std::string line = e.待つ("bestmove ");
        const std::string_view rest = std::string_view(line).substr(9);
        const std::string mv(rest.substr(0, rest.find(' ')));
        if (mv == "resign" || mv == "win") {
          winner = mv == "resign" ? 1 - mover : mover;
          how = mv;
          break;
        }
        棋譜の手 m;
        if (!USI_指し手解析(p, mv, m)) throw 反則{e.name() + " played an unreadable move " + mv};
        if (標準判定(p, m) != 標準判定結果::合法) {
          throw 反則{e.name() + " played a move standard shogi forbids: " + mv};
        }
        指す(p, m);
        record += " " + mv;
      }
      total_moves += n;
      if (games_out != nullptr) std::fprintf(games_out, "%s\n", record.c_str());
      for (int k = 0; k < 2; ++k) {
        side[k]->送る(winner < 0    ? "gameover draw"
                      : winner == k ? "gameover win"
                                    : "gameover lose");
      }
      if (winner < 0) {
        draws += 1;
      } else {
        wins[side[winner] == &e1 ? 0 : 1] += 1;
      }
      std::printf("game %d: black %s, white %s, %d moves, %s%s\n", g + 1, side[0]->name().c_str(),
                  side[1]->name().c_str(), n,
                  winner < 0    ? "drawn"
                  : winner == 0 ? "black won"
                                : "white won",
                  (", " + how).c_str());
      std::fflush(stdout);
    }
    for (機関* e : both) e->送る("quit");
    if (games_out != nullptr && std::fclose(games_out) != 0)
      throw 反則{"cannot write " + record_file};
  } catch (const 反則& f) {
    std::fprintf(stderr, "kazeban-usi-referee: %s\n%s\n", f.what.c_str(), record.c_str());
    return 1;
  }
  std::printf("%d games, %d moves: engine 1 won %d, engine 2 won %d, %d drawn; no fault\n", games,
              total_moves, wins[0], wins[1], draws);
  return 0;
}

}  // namespace
}  // namespace kazeban

int main(int argc, char** argv) {
  return kazeban::実行(argc, argv);
}

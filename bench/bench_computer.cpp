// Speed of the computer player: the best-move search on three boards, one
// whole expert turn, and whole headless games at each level.
//
// Run: ./build/bench/pellumo_bench   (settings go to a temporary folder in
// /dev/shm when it exists, so the end-of-game writes measure the game, not
// the disk's flush latency).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "computer/computer.h"
#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "records/profileman.h"

namespace pellumo {
namespace {

class SilentUi : public GameUi {
 public:
  void FlashLine(Line) override {}
  void PlayCaptureSound() override {}
  void MessageBox(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void ShowHighScore() override {}
  void ReloadWindow() override {}
  void Quit() override {}
};

// The settings a game writes go to memory-backed storage, in a folder of
// the run's own that is removed when the run ends.
const std::string& SettingsFolder() {
  static const struct Folder {
    std::string path = [] {
      std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
      pattern += "/pellumo-bench-XXXXXX";
      if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
      return pattern;
    }();
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } folder;
  return folder.path;
}

struct Bench {
  ProfileMan profile{SettingsFolder()};
  SilentUi ui;
  ScriptedRandom random{2026};
  ComputerPlayer computer{random};
  Game game{profile, ui, computer.TurnHook()};
  Bench() { game.Load(); }

  void Take(Line line) {
    LineControl* control = game.lines.Control(line);
    control->Enabled = false;
    control->BackColor = control->ForeColor = kHumanLine;
  }
};

// Draws lines in a seeded random order as long as none leaves a box with
// three sides, up to `count` lines: a quiet middle game.
void MidGame(Bench& b, int count) {
  std::mt19937 rng(7);
  std::vector<Line> all;
  for (std::int16_t n = 1; n <= 72; ++n) {
    all.push_back({Orientation::Horizontal, n});
    all.push_back({Orientation::Vertical, n});
  }
  std::shuffle(all.begin(), all.end(), rng);
  int drawn = 0;
  for (const Line line : all) {
    if (drawn == count) break;
    b.Take(line);
    b.game.RefreshBoxes();
    bool three = false;
    for (int i = 1; i <= kBoxes; ++i) three |= b.game.AllBoxes[i].Status >= 3;
    if (three) {
      *b.game.lines.Control(line) = LineControl{};
      b.game.RefreshBoxes();
    } else {
      ++drawn;
    }
  }
}

// Every horizontal line drawn: each row is a chain of eight two-sided boxes
// and every free line gives a whole chain away.
void LateChains(Bench& b) {
  for (std::int16_t n = 1; n <= 72; ++n) b.Take({Orientation::Horizontal, n});
  b.game.RefreshBoxes();
}

void BM_BestMoveEmpty(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(b.computer.BestMove(b.game));
}
BENCHMARK(BM_BestMoveEmpty);

void BM_BestMoveMidGame(benchmark::State& state) {
  Bench b;
  MidGame(b, 50);
  for (auto _ : state) benchmark::DoNotOptimize(b.computer.BestMove(b.game));
}
BENCHMARK(BM_BestMoveMidGame);

void BM_BestMoveLateChains(benchmark::State& state) {
  Bench b;
  LateChains(b);
  for (auto _ : state) benchmark::DoNotOptimize(b.computer.BestMove(b.game));
}
BENCHMARK(BM_BestMoveLateChains);

// One expert turn on the quiet middle game: safe random attempts fail often
// there, so the pairing move and the search both run.
void BM_ExpertTurn(benchmark::State& state) {
  Bench b;
  b.game.mnuDiff_Click(2);
  MidGame(b, 50);
  const LineStore lines = b.game.lines;
  for (auto _ : state) {
    state.PauseTiming();
    b.game.lines = lines;
    b.game.GameMoves = AllTheMoves();
    b.game.CurrentPlayer = 2;
    state.ResumeTiming();
    b.computer.ComputerTurn(b.game);
  }
}
BENCHMARK(BM_ExpertTurn);

// A whole game: a random human (own seeded generator) against the level.
void BM_WholeGame(benchmark::State& state) {
  Bench b;
  b.game.mnuDiff_Click(static_cast<std::int16_t>(state.range(0)));
  std::mt19937 human(99);
  std::vector<Line> free;
  for (auto _ : state) {
    b.game.NewGame();
    b.game.Load();
    while (!b.game.BoardFull()) {
      free.clear();
      for (std::int16_t n = 1; n <= 72; ++n) {
        if (b.game.lines.hline[n].Enabled) free.push_back({Orientation::Horizontal, n});
        if (b.game.lines.vline[n].Enabled) free.push_back({Orientation::Vertical, n});
      }
      const Line pick = free[human() % free.size()];
      b.game.updatetheline(CompassWord(pick.orientation), pick.number);
    }
  }
}
BENCHMARK(BM_WholeGame)->Arg(0)->Arg(1)->Arg(2)->ArgName("level");

}  // namespace
}  // namespace pellumo

BENCHMARK_MAIN();

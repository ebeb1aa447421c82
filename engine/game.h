#pragma once
// The state of one running program: the board, the line store, the scores,
// whose turn it is and the read-outs the window shows, with the one path by
// which every line is claimed and the start and end of a game.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board/boxcoll.h"
#include "board/linestore.h"
#include "board/moves.h"
#include "records/storednumbers.h"

namespace pellumo {

class GameUi;
class ProfileMan;
class RandomSource;

// A line as the computer chooses it; an empty Compass means no line.
struct LineChoice {
  std::string Compass;
  std::int16_t LineNum = 0;
  bool operator==(const LineChoice&) const = default;
};

struct ScoredChoice {
  LineChoice Choice;
  std::int16_t Cost = 0;
};

// The fill control of a box: shown white while open, coloured and disabled
// once closed.
struct BoxFill {
  bool Visible = true;
  bool Enabled = true;
  Colour BackColor = kOpenBox;
};

extern const char* const kLevelWords[3];  // "NOVICE", "INTERMEDIATE", "EXPERT"

class Game {
 public:
  Game(ProfileMan& profile, GameUi& ui, RandomSource& random);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- Board model and engine state ---------------------------------------
  boxcoll AllBoxes;
  AllTheMoves GameMoves;
  LineStore lines;
  std::array<BoxFill, kBoxes + 1> gridbx1{};  // 1..64
  std::int16_t CurrentPlayer = 0;
  std::int16_t Player1Score = 0;
  std::int16_t Player2Score = 0;
  std::string DifficultyLevel;
  bool NewHighScore = false;
  bool SoundPlayed = false;

  // --- Computer player's working state ------------------------------------
  LineChoice CompMove;
  std::int16_t RndLine = 0;
  std::vector<ScoredChoice> Candidates{ScoredChoice{}};  // entry 0 is blank
  LineChoice Candidate;
  std::int16_t Giveaway = 0;

  // --- Read-outs the window shows ------------------------------------------
  std::string plyr1score;
  std::string plyr2score;
  std::string Label1;
  std::string Label2;
  bool Label1Underline = false;
  bool Label2Underline = false;
  std::string Text1;             // line under the pointer
  std::string Text2 = "Text2";   // taken lines
  std::string updatecount = "Text2";
  std::string Label4;            // the advice
  std::array<std::string, kBoxes + 1> mystat{};  // debug grid, 1..64
  bool mnuReplayEnabled = false;
  std::array<bool, 3> mnuDiffChecked{false, false, true};

  // The computer's turn, handed over by whoever builds the Game (the window
  // host, the harness, the tests): the engine does not know the computer.
  // Left empty, the computer never moves, so a test can script both players.
  std::function<void(Game&)> ComputerTurnHook;

  // --- Entry points ------------------------------------------------------------
  // The engine's share of the main window's load step (level, board,
  // labels, history, debug grid, colours, first turn to the human).
  void Load();
  void hline_Click(std::int16_t Index);
  void vline_Click(std::int16_t Index);
  // "horz"/"vert" run the click handler; anything else does nothing.
  bool updatetheline(std::string_view Compass, std::int16_t Index);

  // --- Engine procedures -------------------------------------------------------
  void ProcessLine(std::string_view Word, std::int16_t k);
  void CloseBox(std::int16_t b);
  bool BoxClosed(std::int16_t b) const;
  void ShowScores();
  void SwitchPlayer();
  void RefreshBoxes();
  void ShowBoxStatus();
  std::int16_t CountLines();
  std::int16_t SumStatus() const;

  // --- Start and end ------------------------------------------------------------
  void GameOver();
  void NewGame();
  void QuitGame();
  void mnunew_Click();
  void mnuexit_Click();

  // --- Options ------------------------------------------------------------------
  void mnuDiff_Click(std::int16_t Index);
  // Flashes the last recorded move; a human's line keeps its colour.
  void mnuReplay_Click();

  // --- Window effects that the engine runs -------------------------------------
  // Blinks the line through the window, then leaves it palette 9.
  bool FlashLine(const std::string& Compass, std::int16_t theline);
  // Plays the capture sound and notes that it has played this turn.
  void closesound();

  // True while a click, and with it a computer turn, is being processed:
  // the window must not start a new game or quit under it.
  bool InTurn() const { return turnDepth_ > 0; }
  bool BoardFull() const { return TakenLines() >= 2 * kLinesPerOrientation; }

  ProfileMan& profile() { return profile_; }
  GameUi& ui() { return ui_; }
  RandomSource& random() { return random_; }

 private:
  void Click(const char* Compass, std::int16_t Index);
  // Lines showing an owner's colour; CountLines without the read-out.
  std::int16_t TakenLines() const;
  void BumpUpdateCount();

  ProfileMan& profile_;
  GameUi& ui_;
  RandomSource& random_;
  int turnDepth_ = 0;
};

// Owner of a line as the window shows it: 0 free, 1 human, 2 computer.
int LineOwner(const LineControl& line);

}  // namespace pellumo

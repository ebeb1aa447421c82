#pragma once
// The state of one running game: the board, the line store, the box fills,
// the history, the scores, whose turn it is and the level, with the one path
// by which every line is claimed and the start and end of a game. The
// window's read-outs live here too, as data the window shows.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "board/boxcoll.h"
#include "board/line.h"
#include "board/linestore.h"
#include "board/moves.h"
#include "engine/readouts.h"
#include "records/storednumbers.h"

namespace pellumo {

class GameUi;
class ProfileMan;

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
  // computerTurn: the computer's side, handed over by whoever builds the
  // game (the window's host, the text harness, the tests), as the engine
  // knows nothing of the computer player.
  Game(ProfileMan& profile, GameUi& ui, std::function<void(Game&)> computerTurn);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- The game -----------------------------------------------------------
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

  // What the main window shows.
  ReadOuts readouts;

  // Called whenever the computer is to move. Tests that script both players
  // empty it, or put a recorder in its place.
  std::function<void(Game&)> ComputerTurnHook;

  // --- Entry points ---------------------------------------------------------
  // The engine's share of the main window's load step (level, board,
  // labels, history, debug grid, colours, first turn to the human).
  void Load();
  // The claim path, by the line controls' click handlers.
  void hline_Click(std::int16_t Index);
  void vline_Click(std::int16_t Index);
  // "horz"/"vert" run the click handler; anything else does nothing.
  bool updatetheline(std::string_view Compass, std::int16_t Index);

  // --- What the computer's turn uses ----------------------------------------
  // Reads every box's sides from the lines; counts the taken lines.
  void RefreshBoxes();
  // Publishes every box's count in the debug grid.
  void ShowBoxStatus();
  void ShowScores();
  // Taken lines, also shown in Text2.
  std::int16_t CountLines();
  // Sides drawn on all boxes, by their stored counts.
  std::int16_t SumStatus() const;
  // Plays the capture sound and notes that it has played this turn.
  void closesound();

  // --- Start and end ----------------------------------------------------------
  void GameOver();
  void NewGame();
  void mnunew_Click();
  void mnuexit_Click();

  // --- Options ----------------------------------------------------------------
  void mnuDiff_Click(std::int16_t Index);
  // Flashes the last recorded move; a human's line keeps its colour.
  void mnuReplay_Click();

  // True while a click, and with it a computer turn, is being processed:
  // the window must not start a new game or quit under it.
  bool InTurn() const { return turnDepth_ > 0; }
  bool BoardFull() const { return TakenLines() >= 2 * kLinesPerOrientation; }

  ProfileMan& profile() { return profile_; }
  GameUi& ui() { return ui_; }

 private:
  void Click(Line line);
  // Sets the sides the line draws, closes the boxes it completes and passes
  // the turn when it closes none.
  void ProcessLine(Line line);
  void CloseBox(std::int16_t b);
  bool BoxClosed(std::int16_t b) const;
  void SwitchPlayer();
  void QuitGame();
  // Blinks the line through the window, then leaves it palette 9.
  bool FlashLine(Line line);
  // Lines showing an owner's colour; CountLines without the read-out.
  std::int16_t TakenLines() const;
  void BumpUpdateCount();

  ProfileMan& profile_;
  GameUi& ui_;
  int turnDepth_ = 0;
};

// Owner of a line as the window shows it: 0 free, 1 human, 2 computer.
int LineOwner(const LineControl& line);

}  // namespace pellumo
